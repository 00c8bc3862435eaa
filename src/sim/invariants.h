// The rules a game obeys after every year end, whoever plays it: capitals only on homes, every
// planet owned by exactly one side, counts within 16 bits, every task force bound for a planet.
// The soak tests and zenthar-sim --soak check them after every year end.
#pragma once

#include <string>
#include <vector>

#include "game/game.h"

namespace zenthar::sim {

// Collects what is wrong after one year end, the year named in front.
class InvariantCheck {
  public:
    void operator()(Game& game);
    const std::vector<std::string>& faults() const { return faults_; }
    // The faults one per line, for a failure message.
    std::string report() const;

  private:
    void fault(const std::string& what);
    void checkPlanets(const GameState& st);
    void checkShipsTable(Game& game);

    int year_ = 0;
    std::vector<std::string> faults_;
};

}  // namespace zenthar::sim
