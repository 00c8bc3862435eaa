// The ladder's matches: seat names as the tool takes them, and every game counted once.
#include "sim/ladder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zenthar::testing {
namespace {

TEST(Ladder, SeatNamesAreOneToFourKnownKinds) {
    const std::vector<std::pair<std::string, std::size_t>> cases{
        {"hard", 1},       {"hard,normal,easy,passive", 4}, {"greedy,hard", 2},
        {"hard,bogus", 0}, {"hard,hard,hard,hard,hard", 0}, {"", 0},
        {"Hard", 0}};
    for (const auto& [list, seats] : cases) EXPECT_EQ(sim::SeatNames(list).size(), seats) << list;
}

// Three games of the seats on a small galaxy, with the real data files.
sim::MatchOptions ThreeGames(const char* seats, int planets, int years) {
    return {.seats = sim::SeatNames(seats),
            .planets = planets,
            .years = years,
            .games = 3,
            .programDir = ZENTHAR_PROGRAM_DIR};
}

TEST(Ladder, EveryGameOfAMatchIsWonByOneSideOrUndecided) {
    sim::MatchOptions o = ThreeGames("hard,passive", 8, 40);
    o.skill = 0;
    const sim::MatchResult r = sim::PlayMatch(o);
    ASSERT_EQ(r.seatWins.size(), 2u);
    EXPECT_EQ(r.seatWins[0] + r.seatWins[1] + r.empireWins + r.undecided, 3);
    EXPECT_EQ(r.seatWins[1], 0);  // the passive seat cannot take the Empire's planets
}

// Ten years are too few for a conquest; at a length of ten years the score decides each game.
TEST(Ladder, AMatchAtAGameLengthDecidesEveryGameOnTime) {
    sim::MatchOptions o = ThreeGames("hard,normal", 12, 10);
    const sim::MatchResult open = sim::PlayMatch(o);
    o.length = 10;
    const sim::MatchResult timed = sim::PlayMatch(o);
    EXPECT_EQ(std::pair(open.undecided, timed.undecided), std::pair(3, 0));
    std::ostringstream row;
    sim::PrintMatchRow(row, o);
    EXPECT_NE(row.str().find("| hard,normal | intermediate | 10 years | 3 |"), std::string::npos)
        << row.str();
}

}  // namespace
}  // namespace zenthar::testing
