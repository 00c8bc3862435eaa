// What a computer seat keeps at home and how it reckons another side's garrison: a capital is
// never left to a raid, an old scouting report gives way to the public totals, and a seat
// that holds ships always acts.
#include "rivals/rival_view.h"
#include "sim/ladder.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

// Ann's capital (60 ships) has an Empire planet of 5 next to it, seen and worth taking, and Bob's
// three planets of 20 ships each lie within a strike's reach: Normal keeps three quarters of what
// Bob could gather (45), whatever the strike; Hard reckons that Bob keeps some at home against
// Ann's 60, but never fewer than eight in ten of his 60 could come, Bob having no other player
// to hold ships back against, and keeps three quarters of those (36); Easy keeps nothing back
// and strikes.
TEST(Defence, TheCapitalKeepsWhatANeighbourCouldBring) {
    for (const auto& [level, leastKept] :
         {std::pair{SeatKind::Hard, 36}, {SeatKind::Normal, 45}, {SeatKind::Easy, 0}}) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"}).skill(1)
            .planet(0, 10, 10).owner(0).home().ships(60).production(10, 10).hostility(0)
            .planet(1, 12, 10).ships(5).production(8, 10)
            .planet(2, 20, 10).owner(1).home().ships(20).production(5, 10).hostility(0)
            .planet(3, 20, 12).owner(1).ships(20).production(5, 10)
            .planet(4, 18, 14).owner(1).ships(20).production(5, 10).build();
        // clang-format on
        for (const int bob : {2, 3, 4}) SeenBy(t.st().planet(bob), 0, 20, 5, t.st().CurrentYear);
        SeenBy(t.st().planet(1), 0, 5, 8, t.st().CurrentYear);
        MakeComputerPlayer(level)->PlayTurn(t.game);
        EXPECT_GE(t.st().planet(0).Ships, leastKept) << static_cast<int>(level);
        EXPECT_GE(t.st().TaskForceLast + 1, 1) << static_cast<int>(level);
        EXPECT_TRUE(level != SeatKind::Easy || ShipsSent(t.st(), 0, -1) >= 10)
            << "Easy strikes with what it has";
    }
}

// Bob's one planet lies twenty years from Ann's capital, beyond a strike's reach, but last
// year 1 250 of his ships went out, as his totals show. Normal reckons a quarter of them could
// be bound for its capital and keeps three quarters of that (234) at home instead of striking
// the Empire's planet next door (200 ships) with nearly all it has; it strikes when it knows of
// no fleet.
TEST(Defence, NormalKeepsItsCapitalAgainstARivalsShipsInFlight) {
    for (const bool remembered : {false, true}) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"}).skill(1)
            .planet(0, 10, 10).owner(0).home().ships(400).production(10, 10).hostility(0)
            .planet(1, 12, 10).ships(200).production(2, 10)
            .planet(2, 40, 40).owner(1).home().ships(100).production(10, 10).hostility(0).build();
        // clang-format on
        SeenBy(t.st().planet(1), 0, 200, 2, t.st().CurrentYear);
        for (int k = 0; remembered && k < 6; ++k)
            AddYear(t.st(), t.st().CurrentYear - 6 + k,
                    {{0, 1, 10, 400, 0},
                     {1, 1, 10, k < 5 ? 1300 + 10 * k : 100, 0},
                     {kEmpire, 1, 2, 200, 0}});
        MakeComputerPlayer(SeatKind::Normal)->PlayTurn(t.game);
        EXPECT_EQ(t.st().planet(0).Ships >= 234, remembered) << t.st().planet(0).Ships;
    }
}

// A report 171 years old of 56 ships and production 20 would have grown to 3 476 ships; the
// guess gives way to the owner's average planet and never passes its public total, while a
// fresh report is taken as seen plus the years' production.
TEST(Defence, AGuessAgesTowardsThePublicTotals) {
    TestGame t;
    // clang-format off
    GalaxyBuilder(t.game).players({"Ann", "Bob"}).skill(1).year(4300)
        .planet(0, 10, 10).owner(0).home().ships(40).production(10, 10).hostility(0)
        .planet(1, 20, 10).owner(1).home().ships(20).production(6, 10).hostility(0)
        .planet(2, 20, 20).owner(1).ships(10).production(3, 10).build();
    // clang-format on
    PlanetRecord& seen = t.st().planet(1);
    SeenBy(seen, 0, 56, 20, 4300 - 171);
    const rival::SideView old = rival::BuildSideView(t.game);
    const int oldGuess = old.expectedDefence(1, 4300);
    EXPECT_LE(oldGuess, 30);  // Bob's planets hold 30 in all
    EXPECT_GE(oldGuess, 1);
    // Three years on, the guess may grow only by what Bob builds meanwhile.
    EXPECT_LE(old.expectedDefence(1, 4303), 30 + 3 * 9);

    SeenBy(seen, 0, 12, 6, 4300 - 2);
    const rival::SideView fresh = rival::BuildSideView(t.game);
    EXPECT_EQ(fresh.expectedDefence(1, 4300), 12 + 2 * 6);
    EXPECT_EQ(fresh.expectedDefence(1, 4301), 12 + 3 * 6);

    // Bob's report of Ann's capital is bounded by her totals, not by his own 30.
    t.st().CurrentPlTurn = 1;
    SeenBy(t.st().planet(0), 1, 100, 10, 4300 - 2);
    EXPECT_EQ(rival::BuildSideView(t.game).expectedDefence(0, 4300), 40);
}

// The frozen seat: its capital lost long ago, Ann holds two planets of 45 ships while the
// report of its old capital, 171 years old, says 56 ships and production 20. Every level
// acts: a strike, a scout or production.
TEST(Defence, ASeatHoldingShipsActsDespiteAnOldReport) {
    for (const SeatKind level : {SeatKind::Easy, SeatKind::Normal, SeatKind::Hard}) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"}).skill(2).year(4300)
            .planet(0, 10, 10).owner(0).ships(45).production(10, 10).hostility(3)
            .planet(1, 14, 10).owner(1).home().ships(40).production(20, 20).hostility(0)
            .planet(2, 10, 14).owner(0).ships(45).production(10, 10).hostility(3)
            .planet(3, 40, 40).ships(30).production(5, 10).build();
        // clang-format on
        SeenBy(t.st().planet(1), 0, 56, 20, 4300 - 171);
        MakeComputerPlayer(level)->PlayTurn(t.game);
        const int orders = t.st().TaskForceLast + 1 + (t.st().planet(0).Production > 10) +
                           (t.st().planet(2).Production > 10);
        EXPECT_GE(orders, 1) << static_cast<int>(level);
    }
}

// Bob's 400 ships next door keep every ship of Ann's planets at home, so nothing can be
// spared; Hard still sends one ship a year to look at what it knows least, the Empire's planet
// it has never seen, from the capital: her planet nearer to it holds only the one ship. With a
// scout already on its way there, it looks at Bob's capital, seen a year ago, instead.
TEST(Defence, ASeatThatCanSpareNothingStillLooksAgain) {
    for (const bool underWay : {false, true}) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"}).skill(1).year(4300)
            .planet(0, 10, 10).owner(0).home().ships(40).production(10, 10).hostility(0)
            .planet(1, 14, 10).owner(1).home().ships(400).production(10, 10).hostility(0)
            .planet(2, 10, 20).ships(30).production(5, 10)
            .planet(3, 10, 18).owner(0).ships(1).production(1, 1).hostility(0).build();
        // clang-format on
        SeenBy(t.st().planet(1), 0, 400, 10, 4299);
        // A scout of Ann's from her capital (id 01) to planet 2 (id 03), landing in two years.
        t.st().TaskForceList[0] = {"0", 0, "01", "03", 4302, 1};
        t.st().TaskForceLast = underWay ? 0 : -1;
        MakeComputerPlayer(SeatKind::Hard)->PlayTurn(t.game);
        ASSERT_EQ(t.st().TaskForceLast, underWay ? 1 : 0);
        const TaskForceRecord& scout = t.st().TaskForceList[underWay ? 1 : 0];
        EXPECT_EQ(std::tuple(scout.EndPl.padded(), scout.NumOfShips, t.st().planet(0).Ships,
                             t.st().planet(3).Ships),
                  std::tuple(t.st().planet(underWay ? 1 : 2).PlanetId.padded(), 1, 39, 1));
    }
}

// The raider sends small fleets every year at the weakest-looking planets of the others,
// capitals first, from what it is shown: Normal and Hard keep their capitals from it.
TEST(Defence, TheRaiderTakesNoCapitalOfNormalOrHard) {
    for (const char* seats : {"normal,raider", "hard,raider"}) {
        const sim::MatchResult r = sim::PlayMatch({.seats = sim::SeatNames(seats),
                                                   .skill = 1,
                                                   .planets = 14,
                                                   .years = 60,
                                                   .games = 3,
                                                   .seed = 500,
                                                   .programDir = ZENTHAR_PROGRAM_DIR});
        EXPECT_EQ(std::pair(r.capitalTakenBySeat[0], r.emptyCapitalFalls[0]), std::pair(0, 0))
            << seats;
    }
}

}  // namespace
}  // namespace zenthar::testing
