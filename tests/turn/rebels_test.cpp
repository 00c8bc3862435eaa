// Rebel risings: who may rise and how often, how many rebels, how many ships they destroy, when
// a planet falls back to the Empire, and what is shown and written.
#include "turn/rebels.h"

#include "turn_test_support.h"

namespace zenthar::testing {
namespace {

using namespace turn_support;

constexpr double kRise = 0.0;     // r = 1: rises at every skill level
constexpr double kNoRise = 0.99;  // r = 100: never rises

// Ann holds Terra (home, hostility 0) and Luna (hostility 5, 8 ships); Vega is the Empire's.
class RebelsTest : public ::testing::Test {
  protected:
    RebelsTest() {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"}).skill(1).year(4107)
            .planet(0, 1, 1).owner(0).home().ships(30)
            .planet(1, 5, 1).owner(0).ships(8).production(3, 9).hostility(5)
            .planet(2, 9, 1).ships(4).hostility(9).build();
        // clang-format on
        t.st().planet(1).Name = "Luna";
        t.st().SoundsOff = false;
    }

    // Runs the rebel step of one planet and returns its report line (empty when none).
    std::string Rise(int planet) {
        const auto lines = ReportOf(t.game, [&](TurnReport& r) { RebelStep(t.game, r, planet); });
        return lines.empty() ? std::string() : lines.front();
    }

    TestGame t;
};

// No rising: an Empire planet, a planet without hostility and an unknown skill level draw
// nothing; a draw above the chance changes nothing.
TEST_F(RebelsTest, WhereNoRisingCanComeNothingIsDrawnShownOrChanged) {
    EXPECT_EQ(Rise(2), "");
    EXPECT_EQ(Rise(0), "");
    t.st().EmpireSkill = 7;
    EXPECT_EQ(Rise(1), "");
    EXPECT_EQ(t.random.draws, 0);
    t.st().EmpireSkill = 1;
    t.random.push(kNoRise);
    EXPECT_EQ(Rise(1), "");
    EXPECT_EQ(std::tuple(t.random.draws, t.st().planet(1).Ships, t.display.log.size()),
              std::tuple(1, 8, 0u));
}

// The year end's rebel phase gives every planet its chance, the first of the list too, in order.
TEST_F(RebelsTest, EveryPlanetOfTheGalaxyMayRiseInTurn) {
    t.st().planet(0).Hostility = 4;
    t.random.setFallback(kRise);  // every draw: they rise, one rebel
    const auto lines = ReportOf(t.game, [&](TurnReport& r) { RiseRebels(t.game, r); });
    EXPECT_EQ(int{t.st().planet(0).Ships}, 29);
    EXPECT_EQ(std::pair(int{t.st().planet(1).Ships}, int{t.st().planet(2).Ships}), std::pair(7, 4));
    ASSERT_EQ(lines.size(), 3u);  // the phase's blank line, then one line a rising
    EXPECT_EQ(lines[1].substr(0, 7 + t.st().planet(0).Name.trimmed().size()),
              "Rebels\t" + t.st().planet(0).Name.trimmed());
    EXPECT_EQ(lines[2].substr(0, 12), "Rebels\tLuna\t");
}

TEST_F(RebelsTest, TheChanceOfARisingFollowsTheEmpiresSkill) {
    EXPECT_EQ(RisingChance(-1), 0);
    // The skill, the highest draw that rises and the lowest that does not.
    const std::tuple<int, double, double> cases[] = {
        {0, 0.14, 0.15}, {1, 0.44, 0.45}, {2, 0.59, 0.60}};
    for (const auto& [skill, rises, stays] : cases) {
        t.st().EmpireSkill = skill;
        t.random.push(stays);
        EXPECT_EQ(Rise(1), "") << skill;
        t.random.push(rises);
        t.random.push(0.0);  // one rebel
        EXPECT_NE(Rise(1), "") << skill;
    }
}

// Rebels destroy one ship a round; those who destroy every ship hand the planet back to the
// Empire, which the player then knows as it was, and the player's planet count drops (never below
// zero). A planet without ships falls without a round.
TEST_F(RebelsTest, EachRisingEndsWithTheSurvivorsOrThePlanetBackWithTheEmpire) {
    const std::string kDestroyed = "The rebels distroyed  5 of your precious ships";
    const std::string kTaken = "The rebels took over and handled the planet back to the Empire";
    // The ships and the player's planet count before, the draw that gives Int(5 x draw + 1) rebels,
    // the report line, the ships and the count after, the rounds fought and the digits left.
    const std::tuple<int, int, double, std::string, int, int, int, const char*> cases[] = {
        {8, 2, 0.85, "Rebels\tLuna\tAnn\t 5\t 8\t\t 3\t" + kDestroyed, 3, 2, 5, "2000"},
        {5, 2, 0.85, "Rebels\tLuna\tAnn\t 5\t 5\t\t 0\t" + kTaken, 0, 1, 5, "1000"},
        {0, 0, 0.5, "Rebels\tLuna\tAnn\t 3\t 0\t\t 0\t" + kTaken, 0, 0, 0, "1000"}};
    for (const auto& [ships, hatest, draw, line, shipsAfter, hatestAfter, rounds, scouted] :
         cases) {
        SCOPED_TRACE(ships);
        t.st().planet(1).Scouted = "2000";
        t.st().planet(1).Ships = static_cast<Int16>(ships);
        t.st().Hatest[0] = static_cast<Int16>(hatest);
        t.display = {};  // a fresh record of what is shown
        t.random.push(kRise);
        t.random.push(draw);
        EXPECT_EQ(Rise(1), line);
        const PlanetRecord& luna = t.st().planet(1);
        EXPECT_EQ(std::tuple(int{luna.Ships}, luna.Scouted.padded(), int{t.st().Hatest[0]},
                             t.display.count("rebelRound")),
                  std::tuple(shipsAfter, scouted, hatestAfter, rounds));
        for (int round = 1; round <= rounds; ++round)
            EXPECT_TRUE(t.display.contains("rebelRound " + std::to_string(round) + " " +
                                           std::to_string(ships - round + 1)));
        EXPECT_EQ(t.display.sounds,
                  std::vector<Sound>(static_cast<std::size_t>(rounds), Sound::Explosion));
        EXPECT_EQ(t.display.messages, std::vector<std::string>{line.substr(line.rfind('\t') + 1)});
        if (shipsAfter == 0) {  // the player knows the planet as he lost it
            EXPECT_EQ(std::tuple(luna.KnownProd[0], luna.KnownShip[0], luna.YearScouted[0]),
                      std::tuple(3, 0, 4107));
        }
    }
}

TEST_F(RebelsTest, SkipBattleEndsWithTheRisingAndSoundsOffIsSilent) {
    t.display.skipBattle();
    t.st().SoundsOff = true;
    t.random.push(kRise);
    t.random.push(0.85);
    Rise(1);
    // The message follows Skip All only.
    EXPECT_EQ(t.display.count("rebelRound"), 0);
    EXPECT_EQ(std::tuple(t.display.messages.size(), t.display.roundsShown()), std::tuple(1u, true));

    t.random.push(kRise);
    t.random.push(0.0);
    Rise(1);
    EXPECT_EQ(std::tuple(t.display.count("rebelRound"), t.display.sounds.size()),
              std::tuple(1, 0u));
}

}  // namespace
}  // namespace zenthar::testing
