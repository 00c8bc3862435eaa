// Building a computer player's view. Other planets are read only through PlanetShownTo and the
// Production Summary's totals; a planet its side never scouted is guessed from those totals.
#include "rivals/rival_view.h"

#include <algorithm>
#include <utility>

#include "game/side_totals.h"
#include "game/skill.h"
#include "turn/knowledge.h"
#include "turn/lookups.h"

namespace zenthar::rival {
namespace {

// The unscouted planets of each side share what the side's totals leave over once its scouted
// planets are counted at what they should hold by now.
void GuessUnscouted(SideView& v) {
    std::array<long long, kSides> ships{}, production{}, unknown{};
    for (const PlanetView& p : v.planets) {
        const auto s = static_cast<std::size_t>(p.owner);
        if (p.mine || p.scouted) {
            ships[s] += p.ships + static_cast<long long>(p.production) * (v.year - p.yearSeen);
            production[s] += p.production;
        } else {
            ++unknown[s];
        }
    }
    for (PlanetView& p : v.planets) {
        if (p.mine || p.scouted) continue;
        const auto s = static_cast<std::size_t>(p.owner);
        const SideTotals& t = v.totals[s];
        const long long average = t.planets > 0 ? t.ships / t.planets : 0;
        const long long left = (t.ships - ships[s]) / std::max<long long>(unknown[s], 1);
        p.ships = static_cast<int>(std::max(left, average / 2));
        const long long prodLeft = (t.production - production[s]) / std::max(unknown[s], 1LL);
        p.production = static_cast<int>(std::max(prodLeft, 1LL));
        p.hostility = 10;  // the worst a planet can be
        p.yearSeen = v.year;
    }
}

// Launches not yet known to have landed, oldest first: (year, ships). A gain lands the oldest.
class FlightLedger {
  public:
    void change(int year, long long left) {
        if (left > 0) {
            out_.push_back({year, left});
            return;
        }
        for (long long back = -left; back > 0 && !out_.empty();) {
            const long long landed = std::min(back, out_.front().second);
            out_.front().second -= landed;
            back -= landed;
            if (out_.front().second == 0) out_.erase(out_.begin());
        }
    }
    // Ships of launches younger than the longest flight: older ones have landed or fought.
    long long inFlight(int year, int longest) const {
        long long ships = 0;
        for (const auto& [launched, n] : out_)
            if (year - launched <= longest) ships += n;
        return ships;
    }

  private:
    std::vector<std::pair<int, long long>> out_;
};

// Ships that left a side's planets between two sets of its totals, `produced` added in between.
// A raise costs about the average production. A planet lost counts as ships gone out: the
// Empire empties a planet it is about to lose, and the share of the garrison would hide that.
long long ShipsLeft(const SideYear& was, long long planets, long long production, long long ships,
                    long long produced) {
    long long left = was.ships + produced - ships;
    if (planets == was.planets && production > was.production && was.planets > 0)
        left -= (production - was.production) * was.production / was.planets;
    return left;
}

void InferFleets(const GameState& st, SideView& v) {
    const History& years = st.Chronicle;
    if (years.empty()) return;
    const std::size_t first = years.size() > static_cast<std::size_t>(2 * v.longestFlight + 2)
                                  ? years.size() - static_cast<std::size_t>(2 * v.longestFlight + 2)
                                  : 0;
    for (int s = 0; s < kSides; ++s) {
        if (s == v.me) continue;
        FlightLedger ledger;
        const SideYear* was = nullptr;
        for (std::size_t i = first; i < years.size(); ++i) {
            const SideYear* now = years[i].find(s);
            if (was && now)
                ledger.change(years[i].year, ShipsLeft(*was, now->planets, now->production,
                                                       now->ships, now->production));
            was = now;
        }
        // The sides that played before me this year launched their fleets since the year end.
        const SideTotals& t = v.totals[static_cast<std::size_t>(s)];
        if (was && years.back().year == v.year - 1)
            ledger.change(v.year, ShipsLeft(*was, t.planets, t.production, t.ships, 0));
        v.inFlight[static_cast<std::size_t>(s)] = static_cast<int>(
            std::min<long long>(ledger.inFlight(v.year, v.longestFlight), kInt16Max * 1000LL));
    }
}

}  // namespace

int SideView::travel(int a, int b) const {
    return TravelTime(distance(a, b));
}

int SideView::expectedDefence(int t, int arrival) const {
    const PlanetView& p = planet(t);
    if (p.mine) return p.ships;
    const long long grown =
        p.ships + static_cast<long long>(p.production) * std::max(arrival - p.yearSeen, 0);
    const SideTotals& side = totals[static_cast<std::size_t>(std::clamp(p.owner, 0, kSides - 1))];
    const long long later = static_cast<long long>(side.production) * std::max(arrival - year, 0);
    long long guess = grown;
    const int age = year - p.yearSeen;
    if (p.scouted && age > kFreshYears) {
        // Weight kFreshYears / age on what was seen, the rest on the side's average planet.
        const long long average = side.planets > 0 ? side.ships / side.planets + later : grown;
        guess = (grown * kFreshYears + average * (age - kFreshYears)) / age;
    }
    return static_cast<int>(std::clamp<long long>(guess, 0, side.ships + later));
}

SideView BuildSideView(const Game& game) {
    const GameState& st = game.st;
    SideView v;
    v.me = st.CurrentPlTurn;
    v.year = st.CurrentYear;
    v.players = st.PlayesNum;
    v.skill = st.EmpireSkill;
    v.gameLength = st.GameLength;
    const int n = std::clamp(st.PlanetsNum, 0, kPlanetSlots);
    v.planets.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const PlanetShown shown = PlanetShownTo(st, v.me, i);
        PlanetView& p = v.planets[static_cast<std::size_t>(i)];
        p.x = st.planet(i).XPos;
        p.y = st.planet(i).YPos;
        p.owner = shown.owner;
        p.mine = shown.owned();
        p.scouted = !p.mine && shown.knowledge == Knowledge::Scouted;
        p.capital = shown.knowledge == Knowledge::Capital;
        p.ships = shown.ships.value_or(0);
        p.production = shown.production.value_or(0);
        p.hostility = shown.hostility.value_or(0);
        p.yearSeen = shown.yearScouted.value_or(v.year);
    }
    const std::array<OwnerTotals, kSides> totals = ComputeProductionTotals(st);
    for (std::size_t s = 0; s < kSides; ++s)
        v.totals[s] = {static_cast<int>(totals[s].planets), static_cast<int>(totals[s].production),
                       static_cast<int>(totals[s].ships)};
    GuessUnscouted(v);

    v.bound_.assign(static_cast<std::size_t>(n), 0);
    for (int k = 0; k <= st.TaskForceLast && k < kTaskForceSlots; ++k) {
        const TaskForceRecord& tf = std::as_const(st.TaskForceList)[static_cast<std::size_t>(k)];
        const int to = FindPlanetIndex(st, tf.EndPl.padded());
        if (to >= 0 && tf.NumOfShips > 0) v.addFleet({to, tf.RemTurns, tf.NumOfShips});
    }

    v.distances_.resize(static_cast<std::size_t>(n * n));
    int farthest = 0;
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b) {
            const int d = PlanetDistance(st, a, b);
            v.distances_[static_cast<std::size_t>(a * n + b)] = d;
            farthest = std::max(farthest, d);
        }
    v.longestFlight = TravelTime(farthest);
    InferFleets(st, v);
    return v;
}

int MostRebels(int hostility, int skill) {
    const SkillRules* rules = RulesOfSkill(skill);
    if (hostility <= 0 || !rules) return 0;
    return static_cast<int>(hostility * rules->rebelStrength + 1);
}

int YearlyRebelLoss(int hostility, int skill) {
    const SkillRules* rules = RulesOfSkill(skill);
    if (hostility <= 0 || !rules) return 0;
    return (rules->risingChance * (MostRebels(hostility, skill) + 1) / 2 + 99) / 100;
}

}  // namespace zenthar::rival
