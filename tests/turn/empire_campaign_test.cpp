// The Empire's campaign planning (target kept, checked or chosen, candidates, the ratio
// re-selection) and the review that calls back fleets flying into too strong a defence.
#include "turn/empire_fixture.h"

namespace zenthar::testing {
namespace {

using empire::EmpireYear;

class EmpireCampaignTest : public EmpireTest {
  protected:
    // Ann's planets A (0: 60 ships), B (1: 5 ships), C (2: 20 ships); staging planet 3, the
    // source of its ships planet 4.
    void ratioGalaxy() {
        // clang-format off
        galaxy().players({"Ann"}).year(4101)
            .planet(0, 1, 1).owner(0).home().ships(60)
            .planet(1, 1, 20).owner(0).ships(5).production(1, 10)
            .planet(2, 1, 40).owner(0).ships(20).production(1, 5)
            .planet(3, 40, 20).ships(100).production(1, 20)
            .planet(4, 40, 40).ships(10).production(1, 3).build();
        // clang-format on
        year = {};
        empireToMove();
        st.StartPl = id(3);
        year.staging = 3;
        year.source = 4;
    }

    EmpireYear year;
};

TEST_F(EmpireCampaignTest, CandidatesStopAtElevenBestProductionFirst) {
    GalaxyBuilder g = galaxy();
    g.players({"Ann", "Bob"});
    for (int i = 0; i < 16; ++i) {
        g.planet(i, 1 + 6 * (i % 7), 1 + 6 * (i / 7));
        if (i < 8)
            g.owner(0).production(1, 3 + i);  // Ann: planet 7 ranks first
        else if (i < 14)
            g.owner(1).production(1, i);  // Bob: planet 13 ranks first
        else
            g.production(1, 20);
    }
    g.build();
    EXPECT_EQ(empire::CandidateTargets(st, false),
              (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0, 13, 12, 11}));
    EXPECT_EQ(empire::CandidateTargets(st, true), (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
}

// The planning on Ann's planets A (60 ships), B (5) and C (20) from a staging planet of 100:
// an old campaign (or none) draws a candidate and re-selects by the best ratio when the draw
// cannot be outnumbered two to one, a young one keeps the draw; a target is kept for 30 years,
// after that only with a reinforcement on its way, whose arrival starts the campaign anew.
TEST_F(EmpireCampaignTest, TheTargetIsKeptDrawnOrReselectedByRatio) {
    const int none = -1, unchecked = -2;
    // clang-format off
    // The campaign as planned before (target, start year); the ships of all three of Ann's
    // planets, or of C alone; whether all three are back with the Empire; the ships heading to
    // the staging planet and their arrival; the draw; the target, its planet and start year after.
    const std::tuple<int, int, int, bool, bool, int, int, double, int, int, int> cases[] = {
        {none, 0,    none, false, false, 0,  0,    0.0,  1,    1,    unchecked},  // A: 100 \ 60 < 2
        {none, 4095, none, false, false, 0,  0,    0.0,  0,    0,    unchecked},  // young: keeps A
        {2,    0,    200,  true,  false, 30, 4103, 0.0,  0,    0,    unchecked},  // (100 + 30) \ 60 = 2
        {none, 0,    101,  false, false, 0,  0,    0.5,  none, none, 0},          // none beaten
        {2,    0,    101,  false, false, 0,  0,    0.5,  2,    2,    4101},  // kept, begun anew
        {none, 0,    none, false, true,  0,  0,    none, none, none, unchecked},  // no target left
        {2,    4071, none, false, false, 0,  0,    none, 2,    2,    4071},  // exactly 30 years
        {2,    4071, 60,   true,  false, 0,  0,    none, 2,    2,    4071},  // and too weak
        {1,    4070, none, false, false, 0,  0,    none, 1,    1,    0},     // no reinforcement
        {1,    4070, none, false, false, 10, 4104, none, 1,    1,    4104},  // from its arrival
        {4,    4100, none, false, false, 0,  0,    0.5,  1,    1,    unchecked}};  // conquered: B
    // clang-format on
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        SCOPED_TRACE(::testing::Message() << "case " << n);
        const auto& [endPl, startYear, ships, cOnly, lost, fleet, arrival, draw, target, endPlAfter,
                     startYearAfter] = cases[n];
        ratioGalaxy();
        st.EndPl = endPl == none ? FixedText<2>("") : id(endPl);
        st.StartYear = static_cast<Int16>(startYear);
        for (int i = cOnly ? 2 : 0; ships != none && i < 3; ++i)
            st.planet(i).Ships = static_cast<Int16>(ships);
        for (int i = 0; lost && i < 3; ++i) st.planet(i).Scouted = "1000";
        if (fleet > 0) empireFleet(4, 3, fleet, arrival);
        if (draw >= 0) tg.random.push(draw);
        const int draws = tg.random.draws;
        empire::PlanCampaign(game, year);
        EXPECT_EQ(std::tuple(tg.random.draws - draws, year.targetSet, year.target, st.EndPl),
                  std::tuple(draw >= 0 ? 1 : 0, true, target,
                             endPlAfter == none ? FixedText<2>("") : id(endPlAfter)));
        EXPECT_TRUE(startYearAfter == unchecked || st.StartYear == startYearAfter) << st.StartYear;
        EXPECT_EQ(year.headingToStaging, fleet);
    }
}

// A campaign is planned only with both a planet to send ships from and a staging planet; any
// planet may be either, the first one too.
TEST_F(EmpireCampaignTest, NoCampaignWithoutASourceAndAStagingPlanet) {
    const int none = -1;
    for (const auto& [source, staging] :
         {std::pair(none, 3), std::pair(4, none), std::pair(0, 3)}) {
        ratioGalaxy();
        year.source = source;
        year.staging = staging;
        tg.random.push(0.0);
        const int draws = tg.random.draws;
        empire::PlanCampaign(game, year);
        const bool planned = source != none && staging != none;
        EXPECT_EQ(std::tuple(tg.random.draws - draws, year.targetSet, year.target, st.EndPl),
                  std::tuple(planned ? 1 : 0, planned, planned ? 1 : none,
                             planned ? id(1) : FixedText<2>("")))
            << source << ' ' << staging;
    }
}

// Fleets bound for Ann's home meet 50 ships + 5 years x 1 = 55; above Beginner the Empire wants
// twice that. Later fleets to the same planet add up; a Beginner never recalls a single-ship
// scout and does not count scouts into the fleet. Recalled fleets go to the staging planet 2.
// Ann's home holds 50 ships and makes 1 a year; planet 1 is five years of flight away. A fleet
// bound for a planet of the Empire's own or for an id of no planet attacks nothing: it flies on.
TEST_F(EmpireCampaignTest, FleetsFlyingIntoTooStrongADefenceAreRecalled) {
    const int asSent = -1;
    // clang-format off
    // The skill; the fleets' ships and arrival; where each is bound after the review; whether
    // Ann's home is the Empire's again; the first fleet's destination as stored, if not Ann's home.
    const std::tuple<int, std::vector<std::pair<int, int>>, std::vector<int>, bool, const char*>
        cases[] = {
        {0, {{1, 4103}}, {0}, false, ""}, {1, {{1, 4103}}, {2}, false, ""},
        {0, {{30, 4103}, {60, 4120}}, {0, 0}, false, ""},
        {1, {{30, 4103}, {60, 4120}}, {2, 2}, false, ""},
        {0, {{54, 4103}, {2, 4103}}, {0}, false, ""},  // 56 will do
        {0, {{54, 4103}, {1, 4103}}, {2}, false, ""},  // the scout does not count
        {1, {{1, 4103}}, {0}, true, ""},  // reinforcing its own planet
        {1, {{1, 4103}}, {asSent}, false, "99"}};  // no planet of this galaxy
    // clang-format on
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        SCOPED_TRACE(::testing::Message() << "case " << n);
        const auto& [skill, fleets, bound, homeFallen, endPl] = cases[n];
        // clang-format off
        galaxy().players({"Ann"}).skill(skill)
            .planet(0, 1, 1).owner(0).home().ships(50).production(1, 20)
            .planet(1, 1, 11).ships(0)
            .planet(2, 40, 40).ships(0).build();
        // clang-format on
        empireToMove();
        st.StartPl = id(2);
        if (homeFallen) st.planet(0).Scouted = "1000";
        for (const auto& [ships, arrival] : fleets) empireFleet(1, 0, ships, arrival);
        if (*endPl) st.TaskForceList[0].EndPl = endPl;
        empire::ReviewTaskForces(game);
        const auto sent = launched();
        for (std::size_t k = 0; k < bound.size(); ++k)
            EXPECT_EQ(std::tuple(sent[k].EndPl, sent[k].RemTurns),
                      std::tuple(bound[k] == asSent ? FixedText<2>(endPl) : id(bound[k]),
                                 fleets[k].second))
                << k;
    }
}

}  // namespace
}  // namespace zenthar::testing
