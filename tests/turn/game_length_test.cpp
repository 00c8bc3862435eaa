// A game of a chosen length: the rule that decides it on score once the time runs out, the
// year end of the last year, the turns that do not follow, and a score made of what every
// player is shown.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/side_totals.h"
#include "game/victory.h"
#include "sim/simulation.h"
#include "sim/state_picture.h"
#include "support/galaxy_builder.h"
#include "turn/endturn.h"
#include "turn/knowledge.h"
#include "turn/lookups.h"
#include "turn/taskforces.h"

namespace zenthar::testing {
namespace {

constexpr double kCalm = 0.99;  // no rebels rise

int TimesSaid(const ScriptedDialogs& dialogs, const std::string& start) {
    const auto texts = dialogs.texts();
    return static_cast<int>(std::count_if(
        texts.begin(), texts.end(), [&](const std::string& t) { return t.rfind(start, 0) == 0; }));
}

TEST(TimeOut, ConquestComesFirstAndOnceTimeIsUpTheHighestScoreWinsOrIsShared) {
    using A = std::array<bool, kSides>;
    using S = std::array<long long, kSides>;
    const A both{true, true, false, false, true};
    const A none{};
    // clang-format off
    const struct { int players; A holds; A inFlight; bool up; S scores; int winner; } cases[] = {
        {2, both, none, false, {40, 30, 0, 0, 20}, -1},                // the usual year
        {2, both, none, true,  {40, 30, 0, 0, 20}, 0},                 // Ann on score
        {2, both, none, true,  {40, 50, 0, 0, 20}, 1},                 // Bo on score
        {2, both, none, true,  {40, 30, 0, 0, 41}, kEmpire},           // the Empire on score
        {2, both, none, true,  {40, 40, 0, 0, 20}, kSharedWin},        // two players tie
        {2, both, none, true,  {40, 30, 0, 0, 40}, kSharedWin},        // a player and the Empire
        {3, {true, true, true, false, true}, none, true, {9, 9, 9, 0, 9}, kSharedWin},
        {2, {false, true, false, false, false}, none, true, {0, 5, 0, 0, 99}, 1},  // conquest
        {2, {false, false, false, false, true}, none, true, {0, 0, 0, 0, 1}, kEmpire},
        // Bo is out but his fleet flies: the game is open by conquest, so the score decides.
        {2, {true, false, false, false, false}, {false, true, false, false, false}, true,
         {10, 0, 0, 0, 0}, 0},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(WinnerOf(c.players, c.holds, c.inFlight, TimeOut{c.up, c.scores}), c.winner)
            << &c - cases;
    EXPECT_FALSE(TimeIsUp(0, 9999)) << "a game until conquest never runs out";
    EXPECT_EQ(std::tuple(TimeIsUp(30, 4128), TimeIsUp(30, 4129), TimeIsUp(1, 4100)),
              std::tuple(false, true, true));
}

class LastYear : public ::testing::Test {
  protected:
    // Ann and Bob on their capitals far apart, the Empire on Vega with a few ships; Ann holds
    // `annExtra` planets more.
    void seat(int length, int annExtra) {
        t.random.setFallback(kCalm);
        GalaxyBuilder b(t.game);
        b.players({"Ann", "Bob"}).skill(1);
        b.planet(0, 1, 1).owner(0).home().ships(20).production(4, 20);
        b.planet(1, 40, 40).owner(1).home().ships(20).production(4, 20);
        int i = 2;
        for (int k = 0; k < annExtra; ++k, ++i) b.planet(i, 1, 5 + 4 * k).owner(0).ships(5);
        b.planet(i, 20, 20).ships(3).production(2, 2).build();
        t.st().GameLength = static_cast<Int16>(length);
    }
    // Ends turns until the year has moved on `years` times (or nothing moves any more).
    void playYears(int years) {
        for (int turns = 0; turns < 20 && t.st().CurrentYear < kFirstYear + years; ++turns)
            EndTurn(t.game);
    }
    TestGame t;
};

TEST_F(LastYear, TheLastYearEndDeclaresTheHighestScoreAndNoTurnFollows) {
    seat(3, 2);
    playYears(2);
    EXPECT_EQ(std::pair(t.st().Decided, TimesSaid(t.dialogs, "The 3 years")), std::pair(-1, 0))
        << "the score decides nothing before the last year";
    playYears(3);
    ASSERT_EQ(t.st().Chronicle.size(), 3u);
    const HistoryYear& last = t.st().Chronicle.back();
    ASSERT_GT(last.find(0)->score, std::max(last.find(1)->score, last.find(kEmpire)->score));
    EXPECT_EQ(t.st().Decided, 0);
    EXPECT_EQ(t.dialogs.texts().back(),
              "The 3 years are over.\r\rAnn wins with the highest score, " +
                  std::to_string(last.find(0)->score) + ".");
    EXPECT_EQ(Winner(t.game), 0);

    // No more turns: End Turn changes nothing, says nothing.
    const std::string before = sim::DescribeWholeState(t.st());
    const std::size_t said = t.dialogs.asked.size();
    EndTurn(t.game);
    EndTurn(t.game);
    EXPECT_EQ(sim::DescribeWholeState(t.st()), before);
    EXPECT_EQ(t.dialogs.asked.size(), said);
}

TEST_F(LastYear, EqualScoresAreNamedAsATie) {
    seat(1, 0);
    playYears(1);
    const HistoryYear& last = t.st().Chronicle.back();
    ASSERT_EQ(last.find(0)->score, last.find(1)->score) << "the two capitals are alike";
    ASSERT_GT(last.find(0)->score, last.find(kEmpire)->score);
    EXPECT_EQ(ScoreLeaders(last), (std::vector<int>{0, 1}));
    EXPECT_EQ(t.st().Decided, kSharedWin);
    EXPECT_EQ(t.dialogs.texts().back(),
              "The 1 year is over.\r\rAnn and Bob share the highest score, " +
                  std::to_string(last.find(0)->score) + ".");
}

TEST_F(LastYear, AConquestInTheLastYearIsToldAsAConquest) {
    seat(1, 0);
    t.st().planet(0).Scouted = "0200";  // Bob took Ann's capital
    t.st().planet(2).Scouted = "0200";  // and Vega
    t.st().EmpireOut = true;
    playYears(1);
    EXPECT_EQ(std::tuple(t.st().Decided, TimesSaid(t.dialogs, "Congratulations"),
                         TimesSaid(t.dialogs, "The 1 year")),
              std::tuple(1, 1, 0));
    EXPECT_FALSE(EndedOnScore(t.st().Chronicle, 2, 1));
}

TEST_F(LastYear, AGameUntilConquestNeverEndsOnScore) {
    seat(0, 2);
    playYears(6);
    EXPECT_EQ(std::tuple(t.st().CurrentYear, t.st().Decided, TimesSaid(t.dialogs, "The ")),
              std::tuple(kFirstYear + 6, -1, 0));
}

// The computer seats' clock is the engine's: a fleet lands while the game is on exactly when
// LandsInTime says so. Ann sends 30 ships at each of five Empire planets one to five years
// away in the first year of a game of three years.
TEST_F(LastYear, AFleetLandsBeforeTheEndExactlyWhenLandsInTimeSaysSo) {
    t.random.setFallback(kCalm);
    GalaxyBuilder b(t.game);
    b.players({"Ann", "Bob"}).skill(1);
    b.planet(0, 1, 1).owner(0).home().ships(200).production(4, 20);
    b.planet(1, 40, 40).owner(1).home().ships(20).production(4, 20);
    for (int k = 1; k <= 5; ++k) b.planet(1 + k, 1, 1 + 2 * k).ships(1).production(1, 1);
    b.build();
    t.st().GameLength = 3;
    std::vector<int> arrivals;
    for (int target = 2; target <= 6; ++target) {
        ASSERT_EQ(LaunchTaskForce(t.st(), 0, target, 30), LaunchResult::Launched);
        arrivals.push_back(
            t.st().TaskForceList[static_cast<std::size_t>(t.st().TaskForceLast)].RemTurns);
    }
    playYears(5);
    ASSERT_TRUE(TimeRanOut(t.st()));
    int landed = 0;
    for (int k = 0; k < 5; ++k) {
        const bool taken = OwnerOf(t.st(), 2 + k) == 0;
        EXPECT_EQ(taken, LandsInTime(3, arrivals[static_cast<std::size_t>(k)]))
            << "arriving in " << arrivals[static_cast<std::size_t>(k)];
        landed += taken;
    }
    EXPECT_EQ(landed, 3) << "one, two and three years away";
}

// What a side is not shown of others (their task forces, their scouting, the garrison of a
// single planet or its hostility) moves no score; what everybody is shown (who holds a planet,
// its production) does.
TEST(Score, ComesFromPublicFiguresOnly) {
    sim::SimulationOptions o = SeededGame(3, 26, 25, 36);
    int years = 0;
    const auto scores = [](const GameState& st) {
        std::array<long long, kSides> s{};
        const auto totals = ComputeProductionTotals(st);
        for (std::size_t k = 0; k < kSides; ++k) s[k] = Score(totals[k]);
        return s;
    };
    sim::RunGame(o, [&](Game& game) {
        ++years;
        const GameState& st = game.st;
        const auto shown = scores(st);
        for (const SideYear& s : st.Chronicle.back().sides)
            EXPECT_EQ(s.score, shown[static_cast<std::size_t>(s.side)]) << "as recorded";
        GameState hidden = st;
        // Ships moved between two planets of one owner, knowledge and hostility scrambled.
        for (int i = 0; i + 1 < hidden.PlanetsNum; ++i) {
            PlanetRecord& p = hidden.planet(i);
            for (int k = 0; k < kMaxPlayers; ++k) {
                if (p.digit(k) <= 1) p.setDigit(k, p.digit(k) == 1 ? '0' : '1');
                p.KnownShip[k] = static_cast<Int16>(p.KnownShip[k] + 7);
                p.KnownProd[k] = static_cast<Int16>((p.KnownProd[k] + 3) % 20);
            }
            p.Hostility = static_cast<Int16>(p.Hostility % 10 + 1);
            for (int j = i + 1; j < hidden.PlanetsNum; ++j)
                if (OwnerOf(hidden, j) == OwnerOf(hidden, i)) {
                    const int moved = p.Ships / 2;
                    p.Ships = static_cast<Int16>(p.Ships - moved);
                    hidden.planet(j).Ships = static_cast<Int16>(hidden.planet(j).Ships + moved);
                    break;
                }
        }
        hidden.TaskForceLast = -1;
        EXPECT_EQ(scores(hidden), shown) << "year " << st.CurrentYear;
        // A planet changing hands, a public fact, moves the scores.
        GameState conquered = st;
        for (int i = 0; i < conquered.PlanetsNum; ++i)
            if (OwnerOf(conquered, i) == kEmpire) {
                conquered.planet(i).setDigit(0, '2');
                break;
            }
        EXPECT_NE(scores(conquered), shown);
    });
    EXPECT_EQ(years, 25);
}

}  // namespace
}  // namespace zenthar::testing
