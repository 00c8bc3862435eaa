// Task forces landing at a year end: reinforcements, conquests and failed attacks, what they do
// to the scouting digits, garrisons, planet counts, knowledge and the Empire's campaign, and the
// order in which the Ships table is walked.
#include "turn/arrival.h"

#include "turn_test_support.h"

namespace zenthar::testing {
namespace {

using namespace turn_support;

constexpr int kYear = 4105;

// Ann (0) holds Terra (home) and Luna, Bob (1) holds Mars (home); Vega and Rigel are the
// Empire's.
class ArrivalTest : public ::testing::Test {
  protected:
    ArrivalTest() { Build(); }
    void Build() {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"}).year(kYear)
            .planet(0, 1, 1).owner(0).home().ships(30).production(5, 20)
            .planet(1, 5, 1).owner(0).ships(6).production(2, 8).hostility(3)
            .planet(2, 9, 1).owner(1).home().ships(40).production(6, 20)
            .planet(3, 1, 9).ships(10).production(3, 9).hostility(7)
            .planet(4, 9, 9).ships(0).production(4, 9).build();
        // clang-format on
        const char* names[] = {"Terra", "Luna", "Mars", "Vega", "Rigel"};
        for (int i = 0; i < 5; ++i) t.st().planet(i).Name = names[i];
        t.st().SoundsOff = false;
        t.st().Hatest = {2, 1, 0, 0, 0};
    }

    // Lands everything due this year and returns the report's landing lines.
    std::vector<std::string> Land() {
        std::vector<std::string> lines =
            ReportOf(t.game, [&](TurnReport& r) { LandTaskForces(t.game, r); });
        if (!lines.empty()) lines.erase(lines.begin(), lines.begin() + 2);  // header, empty
        return lines;
    }

    TestGame t;
};

// A reinforcement is shown landing without a battle, and saturates instead of overflowing.
TEST_F(ArrivalTest, AReinforcementIsShownLandingWithoutABattleAndSaturates) {
    t.st().planet(1).Ships = 32000;
    AddTaskForce(t.game, 0, 0, 1, 5000, kYear);
    Land();
    EXPECT_EQ(t.display.messages.back(),
              "5000 ships of Ann have reached the planet " + t.st().planet(1).Name.padded());
    for (const char* line : {"setAttacker Ann", "setDefender Ann", "setCounts 5000 ",
                             "landingAnimation", "playSound landing", "hideWindow"})
        EXPECT_TRUE(t.display.contains(line)) << line;
    EXPECT_EQ(std::pair(t.display.count("battleRound"), int{t.st().planet(1).Ships}),
              std::pair(0, 32767));
}

// Every landing: a reinforcement joins its side's garrison without a draw; each battle outcome
// sets the line written, the digits, the garrison left after production gives
// the planet's production back, the planet counts, whose knowledge is refreshed (-1: nobody's
// checked here) and the Empire's campaign planets. A planet without ships falls without a draw.
TEST_F(ArrivalTest, EachOutcomeSetsDigitsCountsKnowledgeAndCampaign) {
    // clang-format off
    // The campaign planets and planet counts before, unless a case says otherwise, are none and
    // Ann 2, Bob 1.
    const struct {
        int side, from, to, ships, crt, die;
        const char* line;
        const char* scouted;
        int shipsAfter;
        std::array<int, 2> hatest;
        int knower = -1;
        const char *startAfter = "", *endAfter = "", *startPl = "", *endPl = "";
        std::array<int, 2> hatestBefore{2, 1};
    } cases[] = {
        {0, 0, 1, 12, 100, 0, "Ann\tLuna\tAnn\t 12\t\t\t\t12 ships of Ann have reached the planet Luna",
         "2000", 18, {2, 1}},
        {kEmpire, 3, 4, 7, 100, 0, "Empire\tRigel\tEmpire\t 7\t\t\t\t7 Empire ships have reached the planet Rigel",
         "0000", 7, {2, 1}},
        {0, 0, 3, 25, 100, 4, "Ann\tVega\tEmpire\t 25\t 10\t 25\t 0\tAnn conquered the planet Vega",
         "2000", 22, {3, 1}, kEmpire, "", "03", "04", "03"},
        {kEmpire, 3, 1, 20, 100, 5, "Empire\tLuna\tAnn\t 20\t 6\t 20\t 0\tThe Empire conquered the planet Luna",
         "1000", 18, {1, 1}, 0, "04", "", "04", "02"},  // Ann keeps Luna as scouted
        {1, 2, 1, 15, 100, 3, "Bob\tLuna\tAnn\t 15\t 6\t 15\t 0\tBob conquered the planet Luna",
         "1200", 13, {0, 2}, -1, "", "", "", "", {0, 1}},  // Ann's count out of step, as in an old save
        {1, 2, 3, 8, -100, 6, "Bob\tVega\tEmpire\t 8\t 10\t 0\t 10\tBob lost the battle of Vega",
         "0100", 10, {2, 1}, 1},
        {kEmpire, 3, 0, 10, -100, 1, "Empire\tTerra\tAnn\t 10\t 30\t 0\t 30\tThe Empire lost the battle of Terra",
         "3000", 30, {2, 1}, kEmpire},
        {0, 0, 4, 5, -100, 0, "Ann\tRigel\tEmpire\t 5\t 0\t 5\t 0\tAnn conquered the planet Rigel",
         "2000", 1, {3, 1}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Build();
        FillCrt(t.st(), c.crt);
        const int draws = t.random.draws;
        if (c.die > 0) t.random.push(Die(c.die));
        std::copy_n(c.hatestBefore.begin(), 2, t.st().Hatest.begin());
        t.st().StartPl = c.startPl;
        t.st().EndPl = c.endPl;
        AddTaskForce(t.game, c.side, c.from, c.to, c.ships, kYear);
        EXPECT_EQ(Land(), std::vector<std::string>{c.line});
        const PlanetRecord& p = t.st().planet(c.to);
        EXPECT_EQ(
            std::tuple(p.Scouted.padded(), int{p.Ships}, t.st().Hatest[0], t.st().Hatest[1],
                       t.st().StartPl.trimmed(), t.st().EndPl.trimmed(), t.random.draws - draws),
            std::tuple(c.scouted, c.shipsAfter, c.hatest[0], c.hatest[1], c.startAfter, c.endAfter,
                       c.die > 0 ? 1 : 0));
        if (c.knower >= 0) {
            const auto k = static_cast<std::size_t>(c.knower);
            EXPECT_EQ(std::tuple(p.KnownShip[k], p.KnownProd[k], p.KnownHost[k], p.YearScouted[k]),
                      std::tuple(p.Ships, p.Production, p.Hostility, kYear));
        }
    }
}

TEST_F(ArrivalTest, FleetsAtOnePlanetLandLastRowFirstAndMeetWhatTheFirstLeft) {
    FillCrt(t.st(), 100);
    t.random.setFallback(Die(4));
    AddTaskForce(t.game, 0, 0, 3, 8, kYear);   // stored first (player 0)
    AddTaskForce(t.game, 1, 2, 3, 12, kYear);  // stored last (player 1): lands first
    const auto lines = Land();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Bob\tVega\tEmpire\t 12\t 10\t 12\t 0\tBob conquered the planet Vega");
    // Ann meets Bob's 12 survivors less Vega's production of 3.
    EXPECT_EQ(lines[1], "Ann\tVega\tBob\t 8\t 9\t 8\t 0\tAnn conquered the planet Vega");
    EXPECT_EQ(std::tuple(t.st().planet(3).Scouted.padded(), t.st().planet(3).Ships,
                         t.st().Hatest[0], t.st().Hatest[1]),
              std::tuple("2100", 5, 3, 1));
}

TEST_F(ArrivalTest, RowsNamingNoPlanetOrNoSideAreDroppedSafely) {
    AddTaskForce(t.game, 0, 0, 1, 5, kYear, "99");
    AddTaskForce(t.game, 0, 0, 1, 5, kYear, "x1");
    AddTaskForce(t.game, 0, 0, 1, 5, kYear, "06");  // one past the last planet
    AddTaskForce(t.game, 7, 0, 1, 5, kYear);        // no such side
    EXPECT_TRUE(Land().empty());
    EXPECT_EQ(
        std::tuple(ShipsRows(t.game).size(), t.st().planet(1).Ships, t.display.count("showWindow")),
        std::tuple(0u, 6, 0));
}

// A destination is two digits naming a planet of the galaxy; anything else lands nowhere.
TEST(DestinationOfARow, IsTwoDigitsNamingAPlanetOfTheGalaxy) {
    GameState st;
    st.PlanetsNum = 12;
    const std::pair<const char*, int> cases[] = {{"01", 0},  {"12", 11}, {"13", -1}, {"00", -1},
                                                 {"1/", -1}, {"0:", -1}, {"/1", -1}, {"x1", -1},
                                                 {" 1", -1}, {"1 ", -1}};
    for (const auto& [id, index] : cases) EXPECT_EQ(DestinationIndex(st, id), index) << id;
}

}  // namespace
}  // namespace zenthar::testing
