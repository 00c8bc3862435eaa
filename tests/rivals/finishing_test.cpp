// What a computer seat remembers and foresees: the other sides' ships in flight from how their
// public totals changed year to year, a beaten side's last planets, and a planet of its own
// that its rebels take before a fleet could land there.
#include "rivals/rival_view.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

// Bob's stationed ships at the last six year ends were 100, 80, 90, 100, 40 and 60 (production
// 10), and 30 now, after his turn: 30 went out in the first of those years, nothing in the next
// two, 70 went out two years ago, 10 came back (of the oldest fleet, the 30), and 30 went out this
// year. In a galaxy crossed in two years the 70 and this year's 30 may still fly, and the
// chronicle is short enough to be read from its first year; crossed in one, only this year's 30,
// however far back the years are read. Bob's own count of his ships in flight, which only he is
// shown, is never read.
TEST(Finishing, ShipsInFlightAreInferredFromTheRememberedTotals) {
    for (const auto& [apart, crossing, flying] : {std::tuple{4, 2, 100}, std::tuple{2, 1, 30}}) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"}).skill(1).year(kFirstYear + 10)
            .planet(0, 10, 10).owner(0).home().ships(50).production(5, 10).hostility(0)
            .planet(1, 10 + apart, 10).owner(1).home().ships(30).production(10, 10).hostility(0)
            .build();
        // clang-format on
        const int bobShips[] = {100, 80, 90, 100, 40, 60};
        for (int k = 0; k < 6; ++k)
            AddYear(t.st(), kFirstYear + 4 + k,
                    {{0, 1, 5, 50, 0}, {1, 1, 10, bobShips[k], 999}, {kEmpire, 0, 0, 0, 0}});
        const rival::SideView v = rival::BuildSideView(t.game);
        EXPECT_EQ(std::pair(v.longestFlight, v.inFlight[1]), std::pair(crossing, flying))
            << "planets " << apart << " apart";
        EXPECT_EQ(std::pair(v.inFlight[0], v.inFlight[kEmpire]), std::pair(0, 0));
    }
}

// The Empire is down to two planets: a fleet of Ann's 300 flies to one, and no planet of hers
// nor all her spare ships together can take the other (250 ships, seen this year) yet. Hard
// gathers its spare ships at the planet nearest it all the same, to finish the Empire; Normal
// waits. Ships already gathering at her capital, two years farther, go on gathering there. An
// Empire with more ships than Ann's, though, is not beaten: Hard waits too.
TEST(Finishing, HardGathersForABeatenSidesLastPlanet) {
    for (const auto& [level, farShips, atHome] :
         {std::tuple{SeatKind::Hard, 100, false}, std::tuple{SeatKind::Normal, 100, false},
          std::tuple{SeatKind::Hard, 100, true}, std::tuple{SeatKind::Hard, 700, false}}) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann"}).skill(1)
            .planet(0, 10, 10).owner(0).home().ships(120).production(5, 5).hostility(0)
            .planet(1, 14, 10).owner(0).ships(120).production(5, 5).hostility(0)
            .planet(2, 10, 14).owner(0).ships(120).production(5, 5).hostility(0)
            .planet(3, 24, 10).ships(250).production(2, 5)
            .planet(4, 10, 30).ships(farShips).production(2, 5).build();
        // clang-format on
        // Ann's 300 from planet 2 (id 03) to planet 4 (id 05), and 20 more to her capital (id
        // 01), three years from landing.
        t.st().TaskForceList[0] = {"0", 0, "03", "05", kFirstYear + 3, 300};
        t.st().TaskForceList[1] = {"0", 0, "03", "01", kFirstYear + 3, 20};
        t.st().TaskForceLast = atHome ? 1 : 0;
        SeenBy(t.st().planet(3), 0, 250, 2, t.st().CurrentYear);
        MakeComputerPlayer(level)->PlayTurn(t.game);
        const int front = atHome ? 0 : 1;
        const int gathered = ShipsSent(t.st(), -1, front) - (atHome ? 20 : 0);
        const bool gathers = level == SeatKind::Hard && farShips == 100;
        EXPECT_TRUE(gathers ? gathered >= 200 : gathered == 0) << gathered;
        EXPECT_EQ(ShipsSent(t.st(), -1, 1 - front), 0) << atHome;
        EXPECT_LE(ShipsSent(t.st(), -1, 3), 1) << "no strike that cannot win";
    }
}

// The Empire is down to one planet of 20 ships, and its totals show that 100 ships left its
// planets last year and have not come back. Hard strikes the planet with what the table asks
// and those 100 on top, to hold it when they land; without the years' totals it knows of no
// fleet and sends only what the table asks.
TEST(Finishing, HardLeavesABeatenSidesFleetsAGarrisonTheyCannotBeat) {
    int sent[2] = {0, 0};
    for (const bool remembered : {false, true}) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann"}).skill(1)
            .planet(0, 10, 10).owner(0).home().ships(600).production(5, 5).hostility(0)
            .planet(1, 14, 10).ships(20).production(2, 5).build();
        // clang-format on
        for (int k = 0; remembered && k < 6; ++k)
            AddYear(t.st(), t.st().CurrentYear - 6 + k,
                    {{0, 1, 5, 600, 0}, {kEmpire, 1, 2, k < 5 ? 110 + 2 * k : 20, 0}});
        MakeComputerPlayer(SeatKind::Hard)->PlayTurn(t.game);
        sent[remembered] = ShipsSent(t.st(), -1, 1);
    }
    EXPECT_GE(sent[0], 20);
    EXPECT_EQ(sent[1] - sent[0], 100);
}

// Ann's outpost holds 2 ships at production 1 while its rebels destroy 3 in an average year. A
// top-up from a planet one year away lands before they rise; from three years away, the outpost
// is the Empire's again by then, so nothing is sent. Her planet next to the outpost holds just
// the ships it lacks, but the rebels destroy more while they fly: it sends none either way.
TEST(Finishing, NoTopUpForAPlanetItsRebelsTakeFirst) {
    for (const auto& [apart, sent] : {std::pair{2, true}, std::pair{6, false}}) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann"}).skill(1)
            .planet(0, 10, 10).owner(0).home().ships(100).production(5, 10).hostility(0)
            .planet(1, 10 + apart, 10).owner(0).ships(2).production(1, 10).hostility(10)
            .planet(2, 40, 40).ships(5).production(1, 10)
            .planet(3, 10 + apart, 12).owner(0).ships(1).production(1, 10).hostility(0).build();
        // clang-format on
        const rival::SideView v = rival::BuildSideView(t.game);
        t.st().planet(3).Ships = static_cast<Int16>(rival::RebelGuard(v, 1) +
                                                    2 * rival::YearlyRebelLoss(10, v.skill) - 2);
        MakeComputerPlayer(SeatKind::Hard)->PlayTurn(t.game);
        EXPECT_EQ(ShipsSent(t.st(), -1, 1) > 0, sent) << "outpost " << apart << " away";
        EXPECT_EQ(ShipsSent(t.st(), 3, 1), 0) << "outpost " << apart << " away";
    }
}

}  // namespace
}  // namespace zenthar::testing
