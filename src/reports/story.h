// The story of the game in a few lines, told from its chronicle and its year reports: the first
// conquest, every capital that fell and to whom, every side knocked out, the biggest battle,
// the turning point where the lead changed hands for the last time, and how the war ended.
// It is told once the game is decided, and then tells everything.
#pragma once

#include <string>
#include <vector>

#include "game/state.h"

namespace zenthar {

struct StoryLine {
    int year = 0;
    std::string text;
};

// The lines in the order of their years. A year whose report no longer unpacks adds nothing
// from its report; the chronicle's own figures still tell who was knocked out and who led.
std::vector<StoryLine> StoryOfTheWar(const GameState& st);

}  // namespace zenthar
