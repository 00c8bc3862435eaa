// Fifty seeded games of 300 years across skills, player counts, galaxy sizes and both scripted
// players. After every year end the state must still obey the game's invariants, and the game
// left at the end must save and open again.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "game/saveload.h"
#include "support/galaxy_builder.h"
#include "turn/lookups.h"
#include "turn/simulation.h"

namespace zenthar::testing {
namespace {

constexpr int kGames = 50;
constexpr int kYears = 300;

struct SoakCase {
    int n;
    int skill;
    int players;
    int planets;
    sim::BotKind bot;
};

SoakCase CaseOf(int n) {
    static const int kPlanets[] = {5, 8, 12, 18, 26, 35, 50};
    return {n, n % 3, 1 + (n / 3) % 4, kPlanets[n % 7],
            n % 2 == 1 ? sim::BotKind::Greedy : sim::BotKind::Passive};
}

// Collects what is wrong after one year end, the year named in front.
class InvariantCheck {
public:
    void operator()(Game& game) {
        const GameState& st = game.st;
        year_ = st.CurrentYear;
        checkPlanets(st);
        checkShipsTable(game);
    }
    const std::vector<std::string>& faults() const { return faults_; }

private:
    void fault(const std::string& what) {
        if (faults_.size() < 20) faults_.push_back(std::to_string(year_) + ": " + what);
    }

    void checkPlanets(const GameState& st) {
        std::vector<int> owned(kSides, 0);
        for (int i = 0; i < st.PlanetsNum; ++i) {
            const PlanetRecord& p = st.planet(i);
            const std::string name = "planet " + std::to_string(i);
            for (int k = 0; k < kMaxPlayers; ++k) {
                if (p.digit(k) != 3) continue;
                if (k >= st.PlayesNum || st.PlHome[static_cast<std::size_t>(k)] != i)
                    fault(name + " is a capital of player " + std::to_string(k) +
                          " but not that player's home");
            }
            owned[static_cast<std::size_t>(OwnerOf(st, i))]++;
            if (p.Ships < 0) fault(name + " has " + std::to_string(p.Ships) + " ships");
            if (p.Production < 1 || p.Production > p.MaxProd || p.MaxProd > 20)
                fault(name + " produces " + std::to_string(p.Production) + " of " +
                      std::to_string(p.MaxProd));
        }
        int counted = owned[kEmpire];
        for (int k = 0; k < kMaxPlayers; ++k) {
            const auto slot = static_cast<std::size_t>(k);
            counted += owned[slot];
            if (k >= st.PlayesNum) {
                if (owned[slot] > 0) fault("absent player " + std::to_string(k) + " owns planets");
                continue;
            }
            // A new game starts every count at 0 although the capital is owned, and a count
            // never drops below 0: it trails the planets owned by at most the capital.
            if (st.Hatest[slot] > owned[slot] || st.Hatest[slot] < owned[slot] - 1)
                fault("player " + std::to_string(k) + " counts " + std::to_string(st.Hatest[slot]) +
                      " planets but owns " + std::to_string(owned[slot]));
        }
        if (counted != st.PlanetsNum)
            fault("owners hold " + std::to_string(counted) + " planets, not " +
                  std::to_string(st.PlanetsNum));
    }

    void checkShipsTable(Game& game) {
        const GameState& st = game.st;
        game.FileDta1.Refresh();
        Recordset& rs = game.FileDta1.rs();
        if (rs.RecordCount() <= 0) return;
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
            const long long side = rs.Field("PlNum").asInt();
            const std::string row = "task force " + std::to_string(side) + "/" +
                                    std::to_string(rs.Field("TFNum").asInt());
            if (side < 0 || side > kEmpire || (side != kEmpire && side >= st.PlayesNum))
                fault(row + " belongs to no side");
            for (const char* field : {"StartPl", "EndPl"})
                if (FindPlanetIndex(st, rs.Field(field).asText()) < 0)
                    fault(row + " names no planet in " + field + ": '" +
                          rs.Field(field).asText() + "'");
            for (const char* field : {"PlNum", "TFNum", "RemTurns", "NumOfShips"}) {
                const FieldValue v = rs.Field(field);
                if (!v.isNumber() || v.asInt() < kInt16Min || v.asInt() > kInt16Max)
                    fault(row + " holds " + field + " = '" + v.asText() + "'");
            }
            if (rs.Field("NumOfShips").asInt() < 1) fault(row + " carries no ship");
            if (rs.Field("RemTurns").asInt() <= st.CurrentYear)
                fault(row + " was due in " + rs.Field("RemTurns").asText() + " and never landed");
        }
    }

    int year_ = 0;
    std::vector<std::string> faults_;
};

class SoakGame : public ::testing::TestWithParam<int> {};

TEST_P(SoakGame, PlaysThreeHundredYearsWithTheRulesKept) {
    const SoakCase c = CaseOf(GetParam());
    TempProgramFolder out;
    sim::SimulationOptions o;
    o.programDir = ZENTHAR_PROGRAM_DIR;
    o.players = c.players;
    o.planets = c.planets;
    o.skill = c.skill;
    o.bot = c.bot;
    o.years = kYears;
    o.seed = 7000 + static_cast<unsigned long long>(c.n);
    o.saveFinal = out.path() / "final.mdb";

    InvariantCheck check;
    int yearEnds = 0;
    sim::GameResult result;
    ASSERT_NO_THROW(result = sim::RunGame(o, [&](Game& g) {
                        ++yearEnds;
                        check(g);
                    }));
    std::ostringstream faults;
    for (const std::string& f : check.faults()) faults << "\n  " << f;
    EXPECT_TRUE(check.faults().empty()) << "seed " << o.seed << faults.str();

    EXPECT_EQ(yearEnds, result.yearsPlayed);
    EXPECT_EQ(result.firstYear + result.yearsPlayed, result.lastYear);
    if (result.winner == -1) EXPECT_EQ(result.yearsPlayed, kYears);
    else EXPECT_LE(result.yearsPlayed, kYears);

    TestGame reopened;
    ASSERT_NO_THROW(LoadGame(reopened.game, o.saveFinal)) << "seed " << o.seed;
    EXPECT_EQ(reopened.st().CurrentYear, result.lastYear);
    EXPECT_EQ(sim::CountSides(reopened.game).back().planets, result.sides.back().planets);
}

std::string CaseName(const ::testing::TestParamInfo<int>& info) {
    const SoakCase c = CaseOf(info.param);
    static const char* const kSkills[] = {"beginner", "intermediate", "advanced"};
    return "game" + std::to_string(c.n) + "_" + kSkills[c.skill] + "_" +
           std::to_string(c.players) + "players_" + std::to_string(c.planets) + "planets_" +
           (c.bot == sim::BotKind::Greedy ? "greedy" : "passive");
}

INSTANTIATE_TEST_SUITE_P(Soak, SoakGame, ::testing::Range(0, kGames), CaseName);

}  // namespace
}  // namespace zenthar::testing
