// The pieces every computer level builds on: the rebels it guards against, the nearest planet
// of its own, and a view that follows each order it gives within the turn.
#include "rivals/rival_orders.h"
#include "rivals/rival_plan.h"
#include "rivals/rival_view.h"
#include "turn/rebels.h"
#include "turn/turn_test_support.h"

namespace zenthar::testing {
namespace {

// The guard a seat keeps is the most the rebels can raise in a year: never less than a rising
// of any draw, and no more than the rule's bound; what they take in an average year is at least
// a ship and no more than that. A content planet raises none and loses none.
TEST(RivalView, TheRebelGuardIsTheMostARisingCanRaise) {
    for (int skill = 0; skill <= 2; ++skill) {
        EXPECT_EQ(std::pair(rival::MostRebels(0, skill), rival::YearlyRebelLoss(0, skill)),
                  std::pair(0, 0));
        for (int hostility = 1; hostility <= 10; ++hostility) {
            const int most = rival::MostRebels(hostility, skill);
            EXPECT_EQ(most, RebelCount(skill, hostility, 1.0)) << hostility << " at " << skill;
            const int yearly = rival::YearlyRebelLoss(hostility, skill);
            EXPECT_TRUE(yearly >= 1 && yearly <= most) << hostility << " at " << skill;
            for (double u = 0; u < 1; u += 0.125)
                EXPECT_GE(most, RebelCount(skill, hostility, u)) << hostility << " at " << skill;
        }
    }
    // A skill the game does not know raises none.
    EXPECT_EQ(std::pair(rival::MostRebels(5, 7), rival::YearlyRebelLoss(5, 7)), std::pair(0, 0));
}

// Production is added before the rebels rise: a planet holding its guard, with the year's
// production on top, outlives the strongest rising at every skill; one ship fewer does not.
TEST(RivalView, APlanetHoldingItsRebelGuardOutlivesTheStrongestRising) {
    for (const auto& [skill, hostility, production] :
         {std::tuple{0, 5, 1}, std::tuple{0, 9, 2}, std::tuple{2, 5, 3}, std::tuple{2, 7, 1}}) {
        for (const int fewer : {0, 1}) {
            TestGame t;
            // clang-format off
            GalaxyBuilder(t.game).players({"Ann"}).skill(skill)
                .planet(0, 1, 1).owner(0).home().ships(30).hostility(0)
                .planet(1, 5, 1).owner(0).production(production, 10).hostility(hostility).build();
            // clang-format on
            const int guard = rival::RebelGuard(rival::BuildSideView(t.game), 1);
            ASSERT_GT(guard, 1);
            t.st().planet(1).Ships = static_cast<Int16>(guard - fewer + production);
            t.random.push(0.0);       // they rise
            t.random.push(0.999999);  // as strong as they come
            turn_support::ReportOf(t.game, [&](TurnReport& r) { RebelStep(t.game, r, 1); });
            EXPECT_EQ(t.st().planet(1).digit(0) == 2, fewer == 0)
                << "skill " << skill << ", hostility " << hostility << ", " << fewer << " fewer";
        }
    }
}

// Ann saw planets 1 to `last` this year, each as it is.
void ScoutedThisYear(GameState& st, int last) {
    for (int i = 1; i <= last; ++i)
        SeenBy(st.planet(i), 0, st.planet(i).Ships, st.planet(i).Production, st.CurrentYear);
}

// Few strikes a year let fleets grow; many scatter them. With more weak planets in reach than
// any level strikes, each makes exactly its number of strikes: Easy 20, Normal 3, Hard 2.
// Scouts a year to planets never seen, where each is too strong to strike blind: Easy sends
// none, Normal one, Hard three; all buy the production they can afford first.
TEST(RivalView, EachLevelMakesItsNumberOfStrikesAndSendsItsNumberOfScoutsAYear) {
    for (const auto& [level, strikes, scouts] :
         {std::tuple{SeatKind::Easy, 20, 0}, {SeatKind::Normal, 3, 1}, {SeatKind::Hard, 2, 3}}) {
        SCOPED_TRACE(static_cast<int>(level));
        TestGame weak;
        GalaxyBuilder b(weak.game);
        b.players({"Ann"}).planet(0, 22, 22).owner(0).home().ships(900).production(10, 10);
        for (int i = 1; i <= 24; ++i)
            b.planet(i, 22 + (i % 5) * 2 - 4, 22 + (i / 5) * 2 - 5).ships(1).production(5, 10);
        b.build();
        ScoutedThisYear(weak.st(), 24);
        MakeComputerPlayer(level)->PlayTurn(weak.game);
        EXPECT_EQ(weak.st().TaskForceLast + 1, strikes);

        TestGame unseen;
        GalaxyBuilder u(unseen.game);
        u.players({"Ann"}).planet(0, 22, 22).owner(0).home().ships(30).production(3, 10);
        for (int i = 1; i <= 8; ++i) u.planet(i, 14 + 2 * i, 30).ships(50).production(5, 10);
        u.build();
        MakeComputerPlayer(level)->PlayTurn(unseen.game);
        EXPECT_EQ(std::pair(int{unseen.st().planet(0).Production}, unseen.st().TaskForceLast + 1),
                  std::pair(4, scouts));
        for (int k = 0; k < scouts; ++k) EXPECT_EQ(unseen.st().TaskForceList[k].NumOfShips, 1);
    }
}

// A strike never takes a capital below the fewest ships it keeps at all, Normal's 4 and Hard's
// 6, and a capital with ships to spare is drawn down to exactly that; Easy leaves it bare.
TEST(RivalView, AStrikeLeavesTheCapitalItsFloor) {
    for (const auto& [level, floor] :
         {std::pair{SeatKind::Easy, 0}, {SeatKind::Normal, 4}, {SeatKind::Hard, 6}}) {
        int least = 1000;
        for (int ships = 12; ships <= 45; ++ships) {
            TestGame t;
            GalaxyBuilder b(t.game);
            b.players({"Ann"}).planet(0, 22, 22).owner(0).home().ships(ships).production(10, 10);
            for (int i = 1; i <= 6; ++i) b.planet(i, 16 + 2 * i, 17).ships(1).production(5, 10);
            b.build();
            ScoutedThisYear(t.st(), 6);
            MakeComputerPlayer(level)->PlayTurn(t.game);
            least = std::min<int>(least, t.st().planet(0).Ships);
        }
        EXPECT_EQ(least, floor) << static_cast<int>(level);
    }
}

// A planet in revolt keeps more than its rebels can destroy, and on top the losses of its level's
// years of rebels: none for Easy, one for Normal, two for Hard. Ann's capital, far off, holds
// no more than its floor; the fewest ships her outpost strikes the Empire's planet next door
// with, less the ships it sends, is what it keeps. Easy keeps no more with Bob's garrison of 50
// next door too.
TEST(RivalView, APlanetInRevoltKeepsItsLevelsYearsOfRebelLosses) {
    for (const auto& [level, years, bob] : {std::tuple{SeatKind::Easy, 0, false},
                                            {SeatKind::Easy, 0, true},
                                            {SeatKind::Normal, 1, false},
                                            {SeatKind::Hard, 2, false}}) {
        int kept = -1, expected = -1;
        for (int ships = 0; ships <= 80 && kept == -1; ++ships) {
            TestGame t;
            // clang-format off
            GalaxyBuilder(t.game).players({"Ann", "Bob"}).skill(1)
                .planet(0, 40, 40).owner(0).home().ships(6).production(5, 5).hostility(0)
                .planet(1, 10, 10).owner(0).ships(ships).production(5, 5).hostility(10)
                .planet(2, 12, 10).ships(1).production(0, 5).hostility(0)
                .planet(3, 10, 14).owner(1).home().ships(50).production(5, 5).hostility(0).build();
            // clang-format on
            if (!bob) t.st().planet(3).Scouted = "1000";
            SeenBy(t.st().planet(3), 0, 50, 5, t.st().CurrentYear);
            SeenBy(t.st().planet(2), 0, 1, 0, t.st().CurrentYear);
            const rival::SideView v = rival::BuildSideView(t.game);
            expected = rival::RebelGuard(v, 1) + years * rival::YearlyRebelLoss(10, v.skill);
            MakeComputerPlayer(level)->PlayTurn(t.game);
            // A single ship is a scout looking again, sent while nothing can be struck.
            if (const int sent = ShipsSent(t.st(), 1, 2, 2); sent > 0) kept = ships - sent;
        }
        EXPECT_EQ(kept, expected) << static_cast<int>(level);
    }
}

// What Ann guesses of Bob's planets: those she never saw share what his public totals leave
// once the one she saw is counted; a report grown old gives way to his average planet.
TEST(RivalView, GuessesShareWhatTheTotalsLeaveAndAgeTowardsTheAverage) {
    TestGame t;
    // clang-format off
    GalaxyBuilder(t.game).players({"Ann", "Bob"}).year(4150)
        .planet(0, 10, 10).owner(0).home().ships(30).production(5, 10).hostility(0)
        .planet(1, 20, 10).owner(1).home().ships(20).production(5, 10).hostility(0)
        .planet(2, 22, 12).owner(1).ships(17).production(4, 10)
        .planet(3, 24, 10).owner(1).ships(13).production(6, 10).build();
    // clang-format on
    PlanetRecord& seen = t.st().planet(1);
    SeenBy(seen, 0, 20, 5, 4150);
    rival::SideView v = rival::BuildSideView(t.game);
    ASSERT_EQ(v.totals[1].ships, 50);
    for (const int unseen : {2, 3})
        EXPECT_EQ(std::pair(v.planet(unseen).ships, v.planet(unseen).production),
                  std::pair((50 - 20) / 2, (15 - 5) / 2))
            << unseen;
    // Seen 20 years ago with 5 ships and production 1: grown to 25 by now, weighed half and half
    // with his average planet of 50 / 3.
    SeenBy(seen, 0, 5, 1, 4130);
    v = rival::BuildSideView(t.game);
    EXPECT_EQ(v.expectedDefence(1, 4150), (25 * 10 + 50 / 3 * 10) / 20);
}

// With two rivals still in the war, Hard takes the Empire's planet rather than a better one of
// a player: seats that strike each other leave the galaxy to the Empire. With one rival left,
// the better planet comes first, as it always does for Easy and Normal, which weigh a player's
// planet as the Empire's: both hold what the same fleet takes, and Bob's is worth less when it
// produces 1 instead of 8, though Bob is closer to his end.
TEST(RivalView, HardSparesAPlayerWhileTwoRivalsAreLeft) {
    for (const auto& [level, cidInTheWar, bobProduction, target] :
         {std::tuple{SeatKind::Hard, true, 8, "03"},
          {SeatKind::Hard, false, 8, "02"},
          {SeatKind::Normal, true, 8, "02"},
          {SeatKind::Easy, true, 8, "02"},
          {SeatKind::Normal, true, 1, "03"},
          {SeatKind::Easy, true, 1, "03"}}) {
        TestGame t;
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob", "Cid"})
            .planet(0, 10, 10).owner(0).home().ships(40).production(10, 10).hostility(0)
            .planet(1, 14, 10).owner(1).ships(1).production(bobProduction, 10).hostility(0)
            .planet(2, 10, 14).ships(1).production(6, 10).hostility(0)
            .planet(3, 40, 40).owner(1).home().ships(10).production(5, 10).hostility(0)
            .planet(4, 40, 5).owner(2).home().ships(10).production(5, 10).hostility(0).build();
        // clang-format on
        const int years = rival::BuildSideView(t.game).travel(0, 1);
        t.st().planet(1).Ships = static_cast<Int16>(std::max(1, 1 + (6 - bobProduction) * years));
        if (!cidInTheWar) t.st().planet(4).Scouted = "1000";
        ScoutedThisYear(t.st(), 4);
        MakeComputerPlayer(level)->PlayTurn(t.game);
        EXPECT_EQ(t.st().TaskForceList[0].EndPl.padded(), target)
            << static_cast<int>(level) << ", Bob's production " << bobProduction;
    }
}

// Ann owns 0, 1 and 4; Empire planets 2 and 3 lie between her planets. The nearest planet of
// hers is hers and never the target itself; each order she gives shows in her view at once.
TEST(RivalView, TheNearestPlanetOfMineIsMineAndEachOrderGivenShowsInTheViewAtOnce) {
    TestGame t;
    // clang-format off
    GalaxyBuilder(t.game).players({"Ann"})
        .planet(0, 10, 10).owner(0).home().ships(30).production(5, 10).hostility(0)
        .planet(1, 30, 10).owner(0).ships(4).production(3, 10)
        .planet(2, 12, 10).ships(9)
        .planet(3, 15, 10).ships(2)
        .planet(4, 40, 40).owner(0).ships(1).production(1, 10).build();
    // clang-format on
    rival::SideView v = rival::BuildSideView(t.game);
    // Planet 2 is nearer to 3 but the Empire's; 0's nearest is not itself.
    EXPECT_EQ(
        std::tuple(rival::NearestMine(v, 3), rival::NearestMine(v, 0), rival::NearestMine(v, 1)),
        std::tuple(0, 1, 0));
    EXPECT_EQ(rival::MyPlanets(v), (std::vector<int>{0, 1, 4}));

    rival::Orders orders(t.game, v);
    ASSERT_TRUE(orders.send(0, 3, 10));
    ASSERT_EQ(v.fleets.size(), 1U);
    EXPECT_GT(v.travel(0, 3), 0);
    EXPECT_EQ(std::tuple(v.fleets[0].to, v.fleets[0].ships, v.fleets[0].arrival, v.shipsBound(3),
                         v.planet(0).ships, t.st().planet(0).Ships),
              std::tuple(3, 10, v.year + v.travel(0, 3), 10, 20, 20));

    // Refused: to itself, no ships, more than the planet holds, from a planet not mine.
    for (const auto& [from, to, ships] :
         {std::tuple{0, 0, 5}, std::tuple{0, 3, 0}, std::tuple{1, 3, 5}, std::tuple{2, 3, 1}})
        EXPECT_FALSE(orders.send(from, to, ships)) << from << " to " << to << ", " << ships;
    EXPECT_EQ(std::tuple(v.fleets.size(), v.planet(1).ships), std::tuple(1U, 4));

    // Production goes up once a year, paid in ships; the view follows.
    ASSERT_TRUE(orders.raise(1));
    EXPECT_EQ(std::tuple(v.planet(1).production, t.st().planet(1).Production, v.planet(1).ships),
              std::tuple(4, 4, int{t.st().planet(1).Ships}));
    EXPECT_LT(v.planet(1).ships, 4);
    EXPECT_EQ(std::pair(orders.raise(1), orders.raise(2)), std::pair(false, false));
    EXPECT_EQ(orders.given(), 2);
}

}  // namespace
}  // namespace zenthar::testing
