// The computer levels a seat can be played at, each with its name in the simulator and its
// caption in New Game. Adding a level is a SeatKind after the last, its row here and its style
// of play (src/rivals/rival.cpp); New Game, the saved-file checker, the simulator and the
// ladder read this list.
#pragma once

#include <array>
#include <string_view>

#include "game/state.h"

namespace zenthar {

struct ComputerLevel {
    SeatKind kind;
    std::string_view word;     // "easy": the simulator's and the ladder's name
    std::string_view caption;  // "Computer - Easy": New Game's seat list
};

// Weakest first; New Game lists them in this order after "Human".
inline constexpr std::array<ComputerLevel, 3> kComputerLevels{{
    {SeatKind::Easy, "easy", "Computer - Easy"},
    {SeatKind::Normal, "normal", "Computer - Normal"},
    {SeatKind::Hard, "hard", "Computer - Hard"},
}};

// The caption of a human seat in New Game's list.
inline constexpr std::string_view kHumanSeatCaption = "Human";

// The highest seat number a game may hold.
inline constexpr SeatKind kLastSeatKind = kComputerLevels.back().kind;

// The row of a computer level; none for a human seat or a number no level has.
inline const ComputerLevel* LevelOf(SeatKind kind) {
    for (const ComputerLevel& level : kComputerLevels)
        if (level.kind == kind) return &level;
    return nullptr;
}

// The level of a name ("hard"); none for any other word.
inline const ComputerLevel* LevelNamed(std::string_view word) {
    for (const ComputerLevel& level : kComputerLevels)
        if (level.word == word) return &level;
    return nullptr;
}

// Seat numbers run Human, then each level in the list's order: New Game's seat list is
// indexed by them.
static_assert([] {
    for (std::size_t k = 0; k < kComputerLevels.size(); ++k)
        if (static_cast<std::size_t>(kComputerLevels[k].kind) != k + 1) return false;
    return true;
}());

}  // namespace zenthar
