// Who the chronicle says won: a side is in the war while it holds a planet or has ships in
// flight, and the last one in it has won.
#include "game/history.h"

#include <gtest/gtest.h>

#include <array>

#include "game/state.h"

namespace zenthar {
namespace {

TEST(ChronicleWinner, TheLastSideHoldingAPlanetOrFlyingShipsHasWon) {
    // Ann and Bob against the Empire: planets held and ships in flight of each, in that order.
    const std::tuple<const char*, std::array<std::pair<int, int>, 3>, int> cases[] = {
        {"the Empire keeps one planet", {{{5, 0}, {0, 0}, {1, 0}}}, -1},
        {"the Empire keeps a fleet", {{{5, 0}, {0, 0}, {0, 3}}}, -1},
        {"Bob keeps one planet", {{{5, 0}, {1, 0}, {0, 0}}}, -1},
        {"Bob keeps one ship in flight", {{{5, 0}, {0, 1}, {0, 0}}}, -1},
        {"Ann alone", {{{5, 2}, {0, 0}, {0, 0}}}, 0},
        {"Ann alone on one planet", {{{1, 0}, {0, 0}, {0, 0}}}, 0},
        {"Bob alone, by a fleet", {{{0, 0}, {0, 1}, {0, 0}}}, 1},
        {"the Empire alone on one planet", {{{0, 0}, {0, 0}, {1, 0}}}, kEmpire}};
    for (const auto& [what, held, winner] : cases) {
        History chronicle;
        HistoryYear year;
        year.year = 4120;
        for (int k = 0; k < 3; ++k) {
            const auto [planets, inFlight] = held[static_cast<std::size_t>(k)];
            year.sides.push_back(
                {.side = k == 2 ? kEmpire : k, .planets = planets, .shipsInFlight = inFlight});
        }
        chronicle.add(std::move(year));
        EXPECT_EQ(LastWinner(chronicle, 2, 0), winner) << what;
    }
}

}  // namespace
}  // namespace zenthar
