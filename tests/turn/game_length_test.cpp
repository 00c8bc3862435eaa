// A game of a chosen length: the rule that decides it on score once the time runs out, the
// year end of the last year, the turns that do not follow, and a score made of what every
// player is shown.
#include "game/side_totals.h"
#include "game/victory.h"
#include "turn/endturn.h"
#include "turn_test_support.h"

namespace zenthar::testing {
namespace {

using namespace turn_support;

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
         {10, 0, 0, 0, 0}, 0}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(WinnerOf(c.players, c.holds, c.inFlight, TimeOut{c.up, c.scores}), c.winner)
            << &c - cases;
    EXPECT_FALSE(TimeIsUp(0, 9999)) << "a game until conquest never runs out";
    EXPECT_EQ(std::tuple(TimeIsUp(30, 4128), TimeIsUp(30, 4129), TimeIsUp(1, 4100)),
              std::tuple(false, true, true));
}

struct LastYearGame {
    // A game of `length` years: Ann (with `annShips`) and Bob on their capitals far apart; the
    // planets added next are the Empire's unless given an owner.
    GalaxyBuilder capitals(int length, int annShips) {
        t.random.setFallback(kCalm);
        t.st().GameLength = static_cast<Int16>(length);
        GalaxyBuilder b(t.game);
        b.players({"Ann", "Bob"}).skill(1);
        b.planet(0, 1, 1).owner(0).home().ships(annShips).production(4, 20);
        b.planet(1, 40, 40).owner(1).home().ships(20).production(4, 20);
        return b;
    }
    // Ann holds `annExtra` planets more, the Empire Vega with a few ships.
    void seat(int length, int annExtra) {
        GalaxyBuilder b = capitals(length, 20);
        int i = 2;
        for (int k = 0; k < annExtra; ++k, ++i) b.planet(i, 1, 5 + 4 * k).owner(0).ships(5);
        b.planet(i, 20, 20).ships(3).production(2, 2).build();
    }
    // Ends turns until the year has moved on `years` times (or nothing moves any more).
    void playYears(int years) {
        for (int turns = 0; turns < 20 && t.st().CurrentYear < kFirstYear + years; ++turns)
            EndTurn(t.game);
    }
    TestGame t;
};

// The last year end names the highest score, or the players who share it, unless the year
// brought a conquest, which is told as one; a game until conquest never ends on score. No turn
// follows the last year: End Turn then changes nothing and says nothing.
TEST(LastYearEnd, DeclaresTheHighestScoreOrATieOrAConquestAndNoTurnFollows) {
    // The years, Ann's planets more than Bob's, a conquest in the last year, who is declared
    // the winner, and the end's words before the score (none for a conquest or no end).
    const std::tuple<int, int, bool, int, const char*> cases[] = {
        {3, 2, false, 0, "The 3 years are over.\r\rAnn wins with the highest score, "},
        {1, 0, false, kSharedWin, "The 1 year is over.\r\rAnn and Bob share the highest score, "},
        {1, 0, true, 1, nullptr},
        {0, 2, false, -1, nullptr}};
    for (const auto& [length, annExtra, conquest, decided, told] : cases) {
        SCOPED_TRACE(::testing::Message() << length << " years, conquest " << conquest);
        LastYearGame g;
        g.seat(length, annExtra);
        if (conquest) {
            g.t.st().planet(0).Scouted = "0200";  // Bob took Ann's capital
            g.t.st().planet(2).Scouted = "0200";  // and Vega
            g.t.st().EmpireOut = true;
        }
        if (length > 1) {
            g.playYears(length - 1);
            EXPECT_EQ(std::pair(g.t.st().Decided, TimesSaid(g.t.dialogs, "The ")), std::pair(-1, 0))
                << "the score decides nothing before the last year";
        }
        const int years = length == 0 ? 6 : length;
        g.playYears(years);
        ASSERT_EQ(g.t.st().Chronicle.size(), static_cast<std::size_t>(years));
        const HistoryYear& last = g.t.st().Chronicle.back();
        const long long ann = last.find(0)->score, bob = last.find(1)->score;
        EXPECT_EQ(std::tuple(g.t.st().CurrentYear, g.t.st().Decided,
                             TimesSaid(g.t.dialogs, "Congratulations"),
                             EndedOnScore(g.t.st().Chronicle, 2, length)),
                  std::tuple(kFirstYear + years, decided, conquest ? 1 : 0, told != nullptr));
        if (told == nullptr) {
            EXPECT_EQ(TimesSaid(g.t.dialogs, "The "), 0);
            continue;
        }
        ASSERT_GT(ann, last.find(kEmpire)->score);
        const std::vector<int> leaders =
            decided == kSharedWin ? std::vector<int>{0, 1} : std::vector<int>{0};
        EXPECT_EQ(ScoreLeaders(last), leaders);
        EXPECT_TRUE(decided == kSharedWin ? ann == bob : ann > bob) << ann << " " << bob;
        EXPECT_EQ(g.t.dialogs.texts().back(), told + std::to_string(ann) + ".");
        EXPECT_EQ(Winner(g.t.game), decided);

        const std::string before = sim::DescribeWholeState(g.t.st());
        const std::size_t said = g.t.dialogs.asked.size();
        EndTurn(g.t.game);
        EndTurn(g.t.game);
        EXPECT_EQ(sim::DescribeWholeState(g.t.st()), before);
        EXPECT_EQ(g.t.dialogs.asked.size(), said);
    }
}

// The computer seats' clock is the engine's: a fleet lands while the game is on exactly when
// LandsInTime says so. Ann sends 30 ships at each of five Empire planets one to five years
// away in the first year of a game of three years.
TEST(LastYearEnd, AFleetLandsBeforeTheEndExactlyWhenLandsInTimeSaysSo) {
    LastYearGame g;
    TestGame& t = g.t;
    GalaxyBuilder b = g.capitals(3, 200);
    for (int k = 1; k <= 5; ++k) b.planet(1 + k, 1, 1 + 2 * k).ships(1).production(1, 1);
    b.build();
    std::map<int, int> arrival;  // of the fleet to each target, the list's first fleets
    for (int target = 2; target <= 6; ++target) {
        ASSERT_EQ(LaunchTaskForce(t.st(), 0, target, 30), LaunchResult::Launched);
        arrival[target] = t.st().TaskForceList[static_cast<std::size_t>(target - 2)].RemTurns;
    }
    g.playYears(5);
    ASSERT_TRUE(TimeRanOut(t.st()));
    int landed = 0;
    for (const auto& [target, year] : arrival) {
        const bool taken = OwnerOf(t.st(), target) == 0;
        EXPECT_EQ(taken, LandsInTime(3, year)) << "arriving in " << year;
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
        const auto shown = scores(st);  // as the chronicle records them: chronicle_test.cpp
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
