// The Hard computer player. Each turn it scouts what it does not know, then picks strike after
// strike by what a planet is worth against the ships and years it costs, sized from the combat
// results table and from how old its knowledge is, with fleets from several planets timed to
// land together; what is left buys production.
#include <algorithm>
#include <unordered_map>
#include <vector>

#include "turn/rival.h"
#include "turn/rival_odds.h"
#include "turn/rival_plan.h"

namespace zenthar {
namespace {

using rival::SideView;

constexpr int kStrikesPerTurn = 8;
constexpr int kProbesPerTurn = 3;
constexpr int kStaleYears = 20;   // scouting older than this is scouted again
constexpr double kChance = 0.95;  // a strike should take its planet at least this often
constexpr int kExactUpTo = 64;    // larger garrisons are reckoned in proportion

struct Launch {
    int source = -1;
    int ships = 0;
};

struct Strike {
    int target = -1;
    int arrival = 0;
    int needed = 0;
    std::vector<Launch> now;      // fleets that must leave this year to land in `arrival`
    std::vector<Launch> waiting;  // nearer planets that send their part in a later year
    double score = 0;
};

class HardTurn {
  public:
    HardTurn(Game& game, SideView& view) : game_(game), v_(view), orders_(game, view) {}

    void play() {
        for (const int s : rival::MyPlanets(v_))
            spare_[static_cast<std::size_t>(s)] =
                std::max(v_.planet(s).ships - rival::RebelGuard(v_, s), 0);
        probe();
        for (int k = 0; k < kStrikesPerTurn; ++k) {
            const Strike best = bestStrike();
            if (best.target == -1 || !carryOut(best)) break;
        }
        buyProduction();
    }

  private:
    int& spare(int s) { return spare_[static_cast<std::size_t>(s)]; }

    // Ships that take a garrison of d with the odds wanted, from the table.
    int shipsToTake(int d) {
        if (d <= 0) return 1;
        if (d > kExactUpTo) return (shipsToTake(kExactUpTo) * d + kExactUpTo - 1) / kExactUpTo;
        auto [it, fresh] = toTake_.try_emplace(d, 0);
        if (fresh) it->second = rival::ShipsToTake(game_.st.CrtTable, d, kChance, 1);
        return it->second;
    }

    // What a planet may hold when a fleet lands: scouting grows stale, and a guess from the
    // totals is only a guess.
    int defenceToBeat(int t, int arrival) const {
        const rival::PlanetView& p = v_.planet(t);
        const int expected = v_.expectedDefence(t, arrival);
        if (!p.scouted) return expected * 3 / 2 + 2;
        const int age = v_.year - p.yearSeen;
        return expected + expected * age / 25 + 1;
    }

    // Ships the conquerors should have left so that the planet's rebels cannot take it back.
    int guardAfter(int t) const {
        const rival::PlanetView& p = v_.planet(t);
        const int hostility = p.scouted ? p.hostility : 10;
        return std::max(rival::MostRebels(hostility, v_.skill) - p.production + 1, 0);
    }

    // A single ship to each of the nearest planets it knows nothing or little about.
    void probe() {
        std::vector<std::pair<int, int>> unknown;  // (distance to my nearest planet, planet)
        for (int t = 0; t < v_.size(); ++t) {
            const rival::PlanetView& p = v_.planet(t);
            if (p.mine || (p.scouted && v_.year - p.yearSeen <= kStaleYears)) continue;
            if (v_.shipsBound(t) > 0) continue;
            const int from = rival::NearestMine(v_, t);
            if (from != -1) unknown.push_back({v_.distance(from, t), t});
        }
        std::sort(unknown.begin(), unknown.end());
        int sent = 0;
        for (const auto& [distance, t] : unknown) {
            if (sent == kProbesPerTurn) break;
            int from = -1;
            for (const int s : rival::MyPlanets(v_))
                if (spare(s) >= 1 && (from == -1 || v_.distance(s, t) < v_.distance(from, t)))
                    from = s;
            if (from == -1 || !orders_.send(from, t, 1)) return;
            --spare(from);
            ++sent;
        }
    }

    // Fleets of mine already bound for t: their ships and the year the last of them lands.
    struct Bound {
        int ships = 0;
        int firstArrival = 0;
        int lastArrival = 0;
    };
    Bound boundFor(int t) const {
        Bound b;
        for (const rival::FleetView& f : v_.fleets) {
            if (f.to != t) continue;
            b.firstArrival = b.ships == 0 ? f.arrival : std::min(b.firstArrival, f.arrival);
            b.lastArrival = std::max(b.lastArrival, f.arrival);
            b.ships += f.ships;
        }
        return b;
    }

    Strike planFor(int t) {
        // A strike under way is only ever joined in the year it lands, never followed by a
        // second one that would fight on its own.
        const Bound bound = boundFor(t);
        if (bound.ships > 0 &&
            bound.ships * 5 >= shipsToTake(defenceToBeat(t, bound.firstArrival)) * 4)
            return {};
        std::vector<int> sources;
        for (const int s : rival::MyPlanets(v_))
            if (s != t && spare(s) > 0 &&
                (bound.ships == 0 || v_.year + v_.travel(s, t) <= bound.lastArrival))
                sources.push_back(s);
        std::stable_sort(sources.begin(), sources.end(), [&](int a, int b) {
            return v_.travel(a, t) != v_.travel(b, t) ? v_.travel(a, t) < v_.travel(b, t)
                                                      : spare(a) > spare(b);
        });
        int total = 0;
        for (std::size_t j = 0; j < sources.size(); ++j) {
            total += spare(sources[j]);
            const int arrival =
                bound.ships > 0 ? bound.lastArrival : v_.year + v_.travel(sources[j], t);
            // The next planet lands in the same year: count it before deciding.
            if (j + 1 < sources.size() &&
                (bound.ships > 0 || v_.travel(sources[j + 1], t) == arrival - v_.year))
                continue;
            const int needed = shipsToTake(defenceToBeat(t, arrival)) + guardAfter(t) - bound.ships;
            if (total < needed) continue;
            return launchesFor(t, arrival, needed, sources, j);
        }
        return {};
    }

    // Which of the first planets of `sources` send what: those that need every year left
    // leave now, nearer ones wait for their year.
    Strike launchesFor(int t, int arrival, int needed, const std::vector<int>& sources,
                       std::size_t last) {
        Strike plan;
        plan.target = t;
        plan.arrival = arrival;
        plan.needed = needed;
        int left = needed;
        std::vector<int> leaving;
        for (std::size_t k = 0; k <= last; ++k) {
            const int s = sources[k];
            if (v_.year + v_.travel(s, t) < arrival) {
                plan.waiting.push_back({s, spare(s)});
                left -= spare(s);
            } else {
                leaving.push_back(s);
            }
        }
        for (const int s : leaving) {
            if (left <= 0) break;
            const int ships = std::min(spare(s), left);
            plan.now.push_back({s, ships});
            left -= ships;
        }
        // The largest fleet leaves last, so that it lands and fights first.
        std::sort(plan.now.begin(), plan.now.end(),
                  [](const Launch& a, const Launch& b) { return a.ships < b.ships; });
        const double worth = v_.planet(t).production + 3.0;
        plan.score = worth / (needed + 10.0 * (arrival - v_.year));
        return plan;
    }

    Strike bestStrike() {
        Strike best;
        for (int t = 0; t < v_.size(); ++t) {
            if (v_.planet(t).mine) continue;
            Strike plan = planFor(t);
            if (plan.target != -1 && !plan.now.empty() && plan.score > best.score) best = plan;
        }
        return best;
    }

    bool carryOut(const Strike& plan) {
        for (const Launch& l : plan.waiting) spare(l.source) -= l.ships;
        for (const Launch& l : plan.now) {
            if (!orders_.send(l.source, plan.target, l.ships)) return false;
            spare(l.source) -= l.ships;
        }
        return true;
    }

    void buyProduction() {
        const int price = v_.year - kFirstYear < 80 ? 20 : 8;
        for (const int s : rival::MyPlanets(v_)) {
            const rival::PlanetView& p = v_.planet(s);
            if (p.production > price || spare(s) < p.production) continue;
            if (orders_.raise(s)) spare(s) -= p.production - 1;
        }
    }

    Game& game_;
    SideView& v_;
    rival::Orders orders_;
    std::vector<int> spare_ = std::vector<int>(kPlanetSlots, 0);
    std::unordered_map<int, int> toTake_;
};

}  // namespace

void HardRival::PlayTurn(Game& game) {
    SideView view = rival::BuildSideView(game);
    HardTurn(game, view).play();
}

}  // namespace zenthar
