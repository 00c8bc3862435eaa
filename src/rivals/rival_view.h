// What a computer player sees at the start of its turn, and nothing more: every planet's place
// and owner, the public totals of each side, its own planets and task forces exactly, and of
// every other planet what its side's scouting recorded. The levels decide from this alone.
#pragma once

#include <array>
#include <vector>

#include "game/game.h"
#include "game/victory.h"

namespace zenthar::rival {

// Scouting this many years old counts in full; older, it gives way to the owner's average.
inline constexpr int kFreshYears = 10;

struct PlanetView {
    int x = 0;
    int y = 0;
    int owner = kEmpire;
    bool mine = false;
    bool scouted = false;  // not mine, but seen once: ships, production and hostility below
    bool capital = false;  // my capital
    // Mine: the true values. Scouted: as seen in yearSeen. Otherwise: an estimate from the
    // owner's public totals.
    int ships = 0;
    int production = 0;
    int hostility = 0;
    int yearSeen = 0;
};

struct FleetView {
    int to = -1;
    int arrival = 0;  // year of arrival
    int ships = 0;
};

// Public per-side totals of the Production Summary.
struct SideTotals {
    int planets = 0;
    int production = 0;
    int ships = 0;
};

class SideView {
  public:
    int me = 0;
    int year = 0;
    int players = 0;
    int skill = 0;       // the Empire's, as chosen at New Game
    int gameLength = 0;  // in years, as chosen at New Game; 0 until one side holds the galaxy
    std::vector<PlanetView> planets;
    std::vector<FleetView> fleets;
    std::array<SideTotals, kSides> totals{};
    // Ships each other side has in flight, inferred from how its public totals changed over
    // the years the longest flight takes (the Statistics window's figures and this year's
    // Production Summary): ships its planets lost beyond their production went out, ships they
    // gained beyond it came home or took a planet, and what went out longer ago than the longest
    // flight has landed or fought. Never the side's own count of its fleets. 0 for my own side
    // (my fleets are in `fleets`) and for a game without a chronicle.
    std::array<int, kSides> inFlight{};
    // Years the longest flight between two planets takes.
    int longestFlight = 0;

    int size() const { return static_cast<int>(planets.size()); }
    const PlanetView& planet(int i) const { return planets[static_cast<std::size_t>(i)]; }
    int distance(int a, int b) const {
        return distances_[static_cast<std::size_t>(a * size() + b)];
    }
    int travel(int a, int b) const;
    // Ships the owner of planet t is expected to have there when a fleet lands in `arrival`:
    // what was seen plus the production of the years since. Old scouting counts for less and
    // less against the owner's average planet, and no guess exceeds what the owner's public
    // total of ships and production allows by then.
    int expectedDefence(int t, int arrival) const;
    // Whether a fleet arriving in `arrival` lands before the game's last year end: one that
    // lands later fights for nothing, and its ships count for no score while in flight.
    bool landsInTime(int arrival) const { return LandsInTime(gameLength, arrival); }
    // Ships of mine already flying to planet t.
    int shipsBound(int t) const { return bound_[static_cast<std::size_t>(t)]; }
    // A fleet of mine launched this turn.
    void addFleet(const FleetView& f) {
        fleets.push_back(f);
        bound_[static_cast<std::size_t>(f.to)] += f.ships;
    }

  private:
    friend SideView BuildSideView(const Game& game);
    std::vector<int> distances_;
    std::vector<int> bound_;  // shipsBound of every planet, asked thousands of times a turn
};

// The view of CurrentPlTurn's side. Reads other planets only through PlanetShownTo.
SideView BuildSideView(const Game& game);

// Ships the rebels of a planet of this hostility can destroy in one year at the Empire's skill.
int MostRebels(int hostility, int skill);
// Ships the rebels of such a planet destroy in an average year, rounded up.
int YearlyRebelLoss(int hostility, int skill);

}  // namespace zenthar::rival
