// The computer seats: the style each level plays the planner with, one row a level.
#include "rivals/rival.h"

#include <array>

#include "game/levels.h"

namespace zenthar {
namespace {

struct LevelStyle {
    SeatKind kind;
    rival::Style style;
};

// In the order of kComputerLevels. Hard is everything the planner has; the reserves are what
// a neighbour could plausibly bring, which keeps a capital from a raid without tying a seat
// down against neighbours that keep their own ships at home. Half of it let the raider take a
// Normal or Hard capital in up to one game in ten; three quarters, in one in twenty at most.
// Easy keeps no reserve at all, so how a neighbour's threat is sized never comes into it.
constexpr std::array<LevelStyle, kComputerLevels.size()> kLevelStyles{{
    {SeatKind::Easy,
     {.probes = 0,
      .shoreUp = false,
      .rebelYears = 0,
      .capitalReserve = 0,
      .reserve = 0,
      .capitalFloor = 0,
      .chance = 0.5,
      .contestedChance = 0.5,
      .raiseFirstUpTo = 4,
      .strikesPerTurn = 20,
      .playerWorth = 1,
      .gatheringWorth = 0.5,
      .finishes = false,
      .scoutYears = 0}},
    {SeatKind::Normal,
     {.probes = 1,
      .rebelYears = 1,
      .capitalReserve = 0.75,
      .reserve = 0.15,
      .capitalFloor = 4,
      .chance = 0.85,
      .contestedChance = 0.85,
      .raiseFirstUpTo = 4,
      .strikesPerTurn = 3,
      .deterred = 0,
      .threatShare = 1,
      .capitalThreatShare = 1,
      .soleRivalThreatShare = 1,
      .flightShare = 0.25,
      .playerWorth = 1,
      .gatheringWorth = 0.5,
      .finishes = false,
      .scoutYears = 0}},
    {SeatKind::Hard, {.capitalReserve = 0.75, .reserve = 0.3}},
}};
static_assert([] {
    for (std::size_t k = 0; k < kLevelStyles.size(); ++k)
        if (kLevelStyles[k].kind != kComputerLevels[k].kind) return false;
    return true;
}());

}  // namespace

rival::Style rival::StyleOf(SeatKind level) {
    for (const LevelStyle& row : kLevelStyles)
        if (row.kind == level) return row.style;
    return {};
}

std::unique_ptr<SeatPlayer> MakeComputerPlayer(SeatKind kind) {
    if (!LevelOf(kind)) return nullptr;
    return std::make_unique<PlannedRival>(rival::StyleOf(kind));
}

}  // namespace zenthar
