// Battles: which cell of the combat results table a round reads, how losses are taken, and what
// the battle window is asked to show.
#include "turn/battle.h"

#include "turn_test_support.h"

namespace zenthar::testing {
namespace {

using namespace turn_support;

class BattleTest : public ::testing::Test {
  protected:
    BattleTest() {
        GalaxyBuilder(t.game).players({"Ann"}).planet(0, 1, 1).owner(0).home().build();
        t.st().SoundsOff = true;
    }

    // Fights a battle and returns "attackers defenders" afterwards.
    std::string Fight(int a, int d, bool human) {
        Int16 att = static_cast<Int16>(a), def = static_cast<Int16>(d);
        ResolveBattle(t.game, att, def, human);
        return std::to_string(att) + " " + std::to_string(def);
    }

    TestGame t;
};

// Equal fleets read row 4 with the plain die column for both sides; better odds shift a
// player's column one to the left but not the Empire's; worse odds read the rows below.
TEST_F(BattleTest, TheOddsPickTheRowAndTheSidePicksTheColumn) {
    // clang-format off
    const std::tuple<int, int, int, int, int, bool, const char*> cases[] = {
        {3, 4, 3, 5, 5, true, "0 5"},    {3, 4, 3, 5, 5, false, "0 5"},
        {3, 2, 4, 10, 3, true, "0 3"},   {3, 2, 4, 10, 3, false, "10 0"},
        {3, 2, 3, 10, 3, false, "0 3"},  {0, 4, 1, 7, 6, true, "0 6"},  // only a player reaches 0
        {2, 7, 2, 3, 10, true, "0 10"},  {2, 9, 2, 2, 11, false, "0 11"},  // quotient 5: last row
        {3, 0, 4, 10, 2, true, "0 2"},   {4, 0, 4, 10, 2, false, "0 2"}};   // 5 to 1: first row
    // clang-format on
    for (const auto& [column, row, die, attackers, defenders, human, after] : cases) {
        SCOPED_TRACE(std::to_string(attackers) + " v " + std::to_string(defenders) +
                     (human ? " player" : " Empire"));
        // Every cell wipes out the defenders except one that wipes out the attackers: a
        // one-round battle whose outcome tells which cell was read.
        FillCrt(t.st(), 100);
        t.st().CrtTable[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = -100;
        t.random.push(Die(die));
        EXPECT_EQ(Fight(attackers, defenders, human), after);
    }
    EXPECT_EQ(t.random.reseeds, 10);  // a fresh seed for every roll
}

TEST_F(BattleTest, LossesRoundHalfToEvenAndCostAtLeastOneShip) {
    // Ships, table entry, ships left: 7 - 2.1 = 4.9; 0.35 is less than a ship, so one ship; 2.5
    // and 3.5 go to the even 2 and 4; an entry of 0 costs the defender one ship; no wrap-around
    // beyond 16 bits.
    const std::tuple<int, int, int> cases[] = {
        {7, -30, 5},           {7, -5, 6},          {5, -50, 2}, {7, 50, 4}, {9, 0, 8},
        {30000, -200, -30000}, {-30000, 300, 32767}};
    for (const auto& [ships, entry, left] : cases)
        EXPECT_EQ(ShipsAfterLoss(static_cast<Int16>(ships), entry), left) << ships << ", " << entry;
}

TEST_F(BattleTest, RoundsRunUntilOneSideIsGoneAndAreShownWithTheirCounts) {
    FillCrt(t.st(), 0);
    t.st().CrtTable[1][4] = -30;  // 7 v 7, die 1: attackers 7 -> 5
    t.st().CrtTable[2][5] = -5;   // 5 v 7, die 2: attackers 5 -> 4
    t.st().CrtTable[6][5] = 100;  // 4 v 7, die 6: defenders gone
    for (const int face : {1, 2, 6}) t.random.push(Die(face));
    t.st().SoundsOff = false;
    EXPECT_EQ(Fight(7, 7, false), "4 0");
    const std::vector<std::string> expected = {
        "setCounts 7 7",     "battleRound 0 5 7", "playSound laser", "setCounts 5 7",
        "battleRound 1 4 7", "playSound laser",   "setCounts 4 7",   "battleRound 2 4 0",
        "playSound laser",   "battleFinished"};
    EXPECT_EQ(t.display.log, expected);
}

TEST_F(BattleTest, AnEmptySideOnEntryFightsNoRound) {
    EXPECT_EQ(Fight(6, 0, true), "6 0");
    EXPECT_EQ(Fight(0, 6, true), "0 6");
    EXPECT_EQ(Fight(-3, 6, false), "-3 6");
    EXPECT_EQ(std::tuple(t.random.draws, t.display.count("battleRound")), std::tuple(0, 0));
    EXPECT_EQ(t.display.count("battleFinished"), 3);
}

TEST_F(BattleTest, SkipBattleHidesTheRestOfOneBattleOnly) {
    FillCrt(t.st(), 0);  // one defender per round
    t.random.setFallback(Die(3));
    t.st().SoundsOff = false;
    t.display.pressSkipBattleAfterRounds = 1;
    EXPECT_EQ(Fight(9, 4, true), "9 0");
    EXPECT_EQ(t.display.count("battleRound"), 1);
    EXPECT_EQ(std::pair(t.display.count("playSound"), t.display.roundsShown()), std::pair(1, true));
    EXPECT_EQ(Fight(9, 3, true), "9 0");
    EXPECT_TRUE(t.display.contains("battleRound 0 9 2"));  // the next battle is shown again
    EXPECT_EQ(t.display.count("battleRound"), 2);
}

TEST_F(BattleTest, ADieSourceOutsideItsRangeStillLandsOnTheTable) {
    FillCrt(t.st(), 0);
    t.st().CrtTable[6][4] = -100;
    t.random.push(1.0);  // would be a 7
    EXPECT_EQ(Fight(4, 4, false), "0 4");
    t.st().CrtTable[1][4] = -100;
    t.st().CrtTable[6][4] = 0;
    t.random.push(-0.4);
    EXPECT_EQ(Fight(4, 4, false), "0 4");
}

}  // namespace
}  // namespace zenthar::testing
