// What the ladder measures of each seat besides who won: every fall of its capital, with the
// ships that stood there when its owner's last turn before the fall ended, and the longest
// run of years in which it gave no order while its planets held ships.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "game/state.h"
#include "turn/seat.h"

namespace zenthar::sim {

struct CapitalFall {
    int seat = 0;
    int year = 0;     // the year the fall was reported in
    int takenBy = 0;  // a player, or kEmpire
    int defenders = 0;
};

class SeatWatch {
  public:
    // The capitals are the seats' capitals of the game as it stands.
    explicit SeatWatch(const GameState& st);

    // The seat's player, its every turn watched.
    std::unique_ptr<SeatPlayer> watch(std::unique_ptr<SeatPlayer> player);
    // Notes the capitals that changed hands in the year end just played.
    void afterYearEnd(const GameState& st);

    const std::vector<CapitalFall>& falls() const { return falls_; }
    // Per seat, in years.
    std::vector<int> longestIdle() const;

  private:
    class Watched;
    struct Seat {
        int capital = -1;
        int owner = -1;
        int left = 0;  // ships on the capital when the seat's last turn ended
        int idleRun = 0;
        int longestIdle = 0;
    };
    struct Holding {
        long long ships = 0;
        long long production = 0;
        int lastTaskForce = -1;
    };
    static Holding HoldingOf(const GameState& st, int side);
    void turnPlayed(int me, const Holding& before, const GameState& after);

    int players_ = 0;
    std::array<Seat, kMaxPlayers> seats_{};
    std::vector<CapitalFall> falls_;
};

}  // namespace zenthar::sim
