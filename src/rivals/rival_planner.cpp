// The planner the computer levels play. Each turn it scouts what it does not know, then picks
// strike after strike by what a planet is worth against the ships and years it costs, sized
// from the combat results table and from how old its knowledge is, gathering the ships of
// several planets where no planet holds enough; production is bought before and after.
#include <algorithm>
#include <array>
#include <vector>

#include "rivals/rival_odds.h"
#include "rivals/rival_orders.h"
#include "rivals/rival_plan.h"

namespace zenthar {
namespace {

using rival::SideView;

constexpr int kStaleYears = 10;         // scouting older than this is scouted again
constexpr int kExactUpTo = 64;          // larger garrisons are reckoned in proportion
constexpr double kProductionWorth = 3;  // a planet's production, in destroyed ships
constexpr double kFinishPlayer = 4;
// Years further from a target a gathering point may lie and still gather for it.
constexpr int kFrontSlack = 3;
// A player's planets further than this many years away are no threat to keep ships against.
constexpr int kThreatYears = 6;
// The score counts ten stationed ships as one point, as much as one ship a year of production.
constexpr int kShipsPerPoint = 10;

// One decision of the turn: a fleet from one planet at a target, or, when no planet holds
// enough, ships of several planets gathered on the planet nearest the target so that one fleet
// can strike from there once they have landed together.
struct Strike {
    int target = -1;
    int from = -1;  // the planet that strikes, or where the ships gather
    int ships = 0;
    std::vector<int> gathering;  // planets that send all they can spare to `from`
    double score = 0;
};

class PlannedTurn {
  public:
    PlannedTurn(Game& game, SideView& view, const rival::Style& style)
        : game_(game), v_(view), orders_(game, view), style_(style) {
        // Orders move ships, never owners: my planets, which of them lies nearest to each
        // planet and how many other players hold planets stay the same all turn, and the
        // planner asks for them thousands of times.
        mine_ = rival::MyPlanets(v_);
        for (int t = 0; t < v_.size(); ++t)
            nearestMine_[static_cast<std::size_t>(t)] = rival::NearestMine(v_, t);
        for (int p = 0; p < v_.players; ++p)
            if (p != v_.me && v_.totals[static_cast<std::size_t>(p)].planets > 0) ++rivals_;
        chance_ = rivals_ > 0 ? style_.contestedChance : style_.chance;
    }

    void play() {
        for (const int s : mine_)
            spare_[static_cast<std::size_t>(s)] =
                std::max(v_.planet(s).ships - std::max(guard(s), reserve(s)), 0);
        if (style_.shoreUp) shoreUp();
        probe();
        buyProduction(style_.raiseFirstUpTo);
        for (int k = 0; k < style_.strikesPerTurn; ++k) {
            const Strike best = bestStrike();
            if (best.target == -1 || !carryOut(best)) break;
        }
        buyProduction(v_.year - kFirstYear < 80 ? style_.raiseLaterUpTo
                                                : std::min(style_.raiseLaterUpTo, 8));
        if (orders_.given() == 0) lookAgain();
    }

  private:
    int& spare(int s) { return spare_[static_cast<std::size_t>(s)]; }

    // Ships that take a garrison of d with the odds wanted, from the table.
    int shipsToTake(int d) {
        if (d <= 0) return 1;
        if (d > kExactUpTo) return (shipsToTake(kExactUpTo) * d + kExactUpTo - 1) / kExactUpTo;
        return rival::RememberedShipsToTake(game_.st.CrtTable, d, chance_);
    }

    // What a planet may hold when a fleet lands: scouting grows stale, and a guess from the
    // totals is only a guess.
    int defenceToBeat(int t, int arrival) const {
        const rival::PlanetView& p = v_.planet(t);
        const int expected = v_.expectedDefence(t, arrival);
        const int age = v_.year - p.yearSeen;
        const int feared = p.scouted ? expected + expected * age / 25 + 1 : expected * 6 / 5 + 2;
        // No planet holds more than its side has stationed in all and builds until the fleet
        // lands: the public totals bound a guess grown stale, most of all near a side's end.
        const rival::SideTotals& side = v_.totals[static_cast<std::size_t>(p.owner)];
        const long long most =
            side.ships + static_cast<long long>(side.production) * (arrival - v_.year) + 1;
        return static_cast<int>(std::min<long long>(feared, most));
    }

    // Ships the conquerors should have left so that the planet's rebels cannot take it back.
    int guardAfter(int t) const {
        const rival::PlanetView& p = v_.planet(t);
        const int hostility = p.scouted ? p.hostility : 6;
        return std::max(rival::MostRebels(hostility, v_.skill) - p.production + 1, 0);
    }

    // Rebels wear a hostile planet down below its guard: the nearest planet that can spare the
    // ships tops it up.
    // The top-up also covers what the rebels take while it is on its way.
    // The capital comes first, and is topped up to its reserve as well.
    void shoreUp() {
        std::vector<int> mine = mine_;
        std::stable_partition(mine.begin(), mine.end(),
                              [&](int s) { return v_.planet(s).capital; });
        for (const int s : mine) {
            const int keep = v_.planet(s).capital ? std::max(guard(s), reserve(s)) : guard(s);
            const int missing = keep - v_.planet(s).ships;
            if (missing <= 0 || v_.shipsBound(s) >= missing) continue;
            const int loss = rival::YearlyRebelLoss(v_.planet(s).hostility, v_.skill);
            int from = -1;
            for (const int f : mine_)
                if (spare(f) >= missing + loss * v_.travel(f, s) &&
                    v_.landsInTime(v_.year + v_.travel(f, s)) &&
                    holdsUntil(s, v_.year + v_.travel(f, s)) &&
                    (from == -1 || v_.distance(f, s) < v_.distance(from, s)))
                    from = f;
            if (from == -1) continue;
            const int ships = missing + loss * (v_.travel(from, s) + 2);
            if (!orders_.send(from, s, std::min(ships, spare(from)))) continue;
            spare(from) -= std::min(ships, spare(from));
        }
    }

    // Whether a planet of mine is still mine when a fleet lands in `arrival`, as far as its
    // rebels tell: a fleet lands before the year's production and rebels, and ships sent to a
    // planet the rebels will have handed to the Empire by then land as an attack of a few ships
    // on it, and are lost.
    bool holdsUntil(int s, int arrival) const {
        const rival::PlanetView& p = v_.planet(s);
        const int loss = rival::YearlyRebelLoss(p.hostility, v_.skill);
        return p.ships + static_cast<long long>(p.production - loss) * (arrival - v_.year - 1) > 0;
    }

    // Ships a planet keeps: more than its rebels can destroy, with some years' losses to spare.
    int guard(int s) const {
        return rival::RebelGuard(v_, s) +
               style_.rebelYears * rival::YearlyRebelLoss(v_.planet(s).hostility, v_.skill);
    }

    // Ships a planet keeps against what another player could bring to it, as far as it is
    // shown: against the capital, the ships of all that player's planets within a strike's
    // reach gathered; against any other planet, the largest of them alone; never more than
    // that player's public total. A player sizes a strike from the garrison it sees, and a
    // planet left bare is taken by any; the capital comes first and is never left empty. The
    // Empire sizes its strikes from the true garrison and would bring more, so its planets
    // call for no reserve.
    int reserve(int s) const {
        const rival::PlanetView& mine = v_.planet(s);
        const double share = mine.capital ? style_.capitalReserve : style_.reserve;
        const int floor = mine.capital ? style_.capitalFloor : 0;
        if (share <= 0) return floor;
        std::array<long long, kSides> near{};
        for (int e = 0; e < v_.size(); ++e) {
            const rival::PlanetView& p = v_.planet(e);
            if (p.mine || p.owner < 0 || p.owner >= kMaxPlayers || v_.travel(e, s) > kThreatYears)
                continue;
            long long& side = near[static_cast<std::size_t>(p.owner)];
            const int ships = v_.expectedDefence(e, v_.year);
            side = mine.capital ? side + ships : std::max<long long>(side, ships);
        }
        // A rival's fleets out may be on their way here: its totals show how many ships fly,
        // though not where to, and a raid from beyond a strike's reach comes from them.
        if (mine.capital && style_.flightShare > 0)
            for (int side = 0; side < kMaxPlayers; ++side)
                if (side != v_.me)
                    near[static_cast<std::size_t>(side)] += static_cast<long long>(
                        style_.flightShare * v_.inFlight[static_cast<std::size_t>(side)]);
        long long mineNear = 0;
        if (style_.deterred > 0)
            for (const int m : mine_)
                if (v_.travel(m, s) <= kThreatYears) mineNear += v_.planet(m).ships;
        // A single rival has no other player to keep its ships at home against.
        const double least = !mine.capital ? style_.threatShare
                             : rivals_ < 2 ? style_.soleRivalThreatShare
                                           : style_.capitalThreatShare;
        long long threat = 0;
        for (std::size_t side = 0; side < kMaxPlayers; ++side) {
            const auto free = static_cast<long long>(
                static_cast<double>(near[side]) - style_.deterred * static_cast<double>(mineNear));
            const auto could = std::max(free, static_cast<long long>(least * near[side]));
            const auto flying =
                mine.capital ? static_cast<long long>(style_.flightShare * v_.inFlight[side]) : 0;
            threat = std::max(threat, std::min<long long>(could, v_.totals[side].ships + flying));
        }
        return std::max(floor, static_cast<int>(share * static_cast<double>(threat)));
    }

    // A single ship to each of the nearest planets it knows nothing or little about.
    void probe() {
        std::vector<std::pair<int, int>> unknown;  // (distance to my nearest planet, planet)
        for (int t = 0; t < v_.size(); ++t) {
            const rival::PlanetView& p = v_.planet(t);
            if (p.mine || (p.scouted && v_.year - p.yearSeen <= kStaleYears)) continue;
            if (v_.shipsBound(t) > 0) continue;
            const int from = nearestMine_[static_cast<std::size_t>(t)];
            if (from != -1 && withinScouting(from, t)) unknown.push_back({v_.distance(from, t), t});
        }
        std::sort(unknown.begin(), unknown.end());
        int sent = 0;
        for (const auto& [distance, t] : unknown) {
            if (sent >= style_.probes) break;
            const int from = nearestSpare(t);
            // What a scout would see after the last year end is of no use.
            if (from != -1 && !v_.landsInTime(v_.year + v_.travel(from, t))) continue;
            if (from == -1 || !orders_.send(from, t, 1)) return;
            --spare(from);
            ++sent;
        }
    }

    // A seat never sits still while it holds ships: with nothing worth a strike it looks again
    // at the planet it knows least about, which refreshes the guesses that held it back; a
    // ship held back against a neighbour goes when none can be spared. Once no ship can land
    // before the game ends, it keeps them at home for the score.
    void lookAgain() {
        int target = -1, from = -1;
        for (int t = 0; t < v_.size(); ++t) {
            const rival::PlanetView& p = v_.planet(t);
            if (p.mine || v_.shipsBound(t) > 0) continue;
            const int age = p.scouted ? v_.year - p.yearSeen : kInt16Max;
            const int source = nearestWithSpare(t);
            if (source == -1 || !v_.landsInTime(v_.year + v_.travel(source, t))) continue;
            if (!withinScouting(source, t)) continue;
            const int targetAge = target == -1                ? -1
                                  : v_.planet(target).scouted ? v_.year - v_.planet(target).yearSeen
                                                              : kInt16Max;
            if (age > targetAge ||
                (age == targetAge && v_.distance(source, t) < v_.distance(from, target))) {
                target = t;
                from = source;
            }
        }
        if (target != -1 && orders_.send(from, target, 1))
            spare(from) = std::max(spare(from) - 1, 0);
    }

    bool withinScouting(int from, int t) const {
        return style_.scoutYears <= 0 || v_.travel(from, t) <= style_.scoutYears;
    }

    // My planet nearest t that can spare a ship, or -1.
    int nearestSpare(int t) {
        int from = -1;
        for (const int s : mine_)
            if (spare(s) >= 1 && (from == -1 || v_.distance(s, t) < v_.distance(from, t))) from = s;
        return from;
    }

    // My planet nearest t that can spare a ship, else one that holds a ship beyond what its
    // rebels need; or -1.
    int nearestWithSpare(int t) {
        int from = nearestSpare(t);
        if (from != -1) return from;
        for (const int s : mine_)
            if (v_.planet(s).ships > rival::RebelGuard(v_, s) + 1 &&
                (from == -1 || v_.distance(s, t) < v_.distance(from, t)))
                from = s;
        return from;
    }

    // Ships a single fleet needs to take t when it lands in `arrival`.
    int shipsNeeded(int t, int arrival) {
        return shipsToTake(defenceToBeat(t, arrival)) + guardAfter(t);
    }

    // A strike at three to one loses nothing: what it costs is its ships kept on the way for
    // years. What it gains is the planet's production for the rest of the game and the
    // defenders it destroys, who would otherwise strike back.
    double scoreOf(int t, int needed, int arrival) const {
        const rival::PlanetView& p = v_.planet(t);
        const double gain = kProductionWorth * (p.production + 1) + v_.expectedDefence(t, arrival);
        // A side down to its last planets is finished off before it can recover; a player
        // more so than the Empire, whose planets the other seats also strike. With several
        // rivals left, though, seats that strike each other leave the galaxy to the Empire.
        const int left = std::max(v_.totals[static_cast<std::size_t>(p.owner)].planets, 1);
        const double finish = 1 + (p.owner == kEmpire ? 1.0 : kFinishPlayer) / left;
        const double worth = p.owner == kEmpire || rivals_ < 2 ? 1.0 : style_.playerWorth;
        return worth * finish * gain / (static_cast<double>(needed) * (arrival - v_.year + 2));
    }

    Strike planFor(int t) {
        Strike best;
        // A fleet under way fights on its own when it lands: no second one joins the fight.
        if (v_.shipsBound(t) > 1) return best;  // a single ship is only a scout
        for (const int s : mine_) {
            const int arrival = v_.year + v_.travel(s, t);
            if (!v_.landsInTime(arrival)) continue;
            const int needed = shipsNeeded(t, arrival);
            if (spare(s) < needed) continue;
            const double score = scoreOf(t, needed, arrival);
            if (score > best.score) best = {t, s, needed, {}, score};
        }
        if (best.target != -1) {
            // A beaten side's fleets still out fly home to its last planets: what is spare
            // stays on the planet taken, so that they land on a garrison they cannot beat.
            if (style_.finishes && beaten(v_.planet(t).owner))
                best.ships =
                    std::max(best.ships, std::min(spare(best.from), best.ships + inFlightOf(t)));
            return best;
        }
        return style_.gather ? gatheringFor(t) : Strike{};
    }

    // The planet of mine nearest t that holds until ships gathered there could land gathers the
    // spare ships of the planets nearest it; a planet where ships are gathering already stays
    // the gathering point for what lies near.
    Strike gatheringFor(int t) {
        int front = -1;
        for (const int s : mine_) {
            const int nearest = nearestMine_[static_cast<std::size_t>(s)];
            if (nearest == -1) return {};  // a lone planet has nothing to gather
            if (holdsUntil(s, v_.year + v_.travel(nearest, s)) &&
                (front == -1 || v_.distance(s, t) < v_.distance(front, t)))
                front = s;
        }
        if (front == -1) return {};
        for (const int s : mine_)
            if (v_.shipsBound(s) > 0 && v_.travel(s, t) <= v_.travel(front, t) + kFrontSlack &&
                (!gatheringAt(front) || v_.travel(s, t) < v_.travel(front, t)))
                front = s;
        std::vector<int> sources;
        for (const int s : mine_)
            if (s != front && spare(s) > 0 && !gatheringAt(s)) sources.push_back(s);
        std::stable_sort(sources.begin(), sources.end(),
                         [&](int a, int b) { return v_.travel(a, front) < v_.travel(b, front); });
        int total = spare(front) + v_.shipsBound(front);
        int gathered = v_.year;
        for (std::size_t k = 0; k < sources.size(); ++k) {
            total += spare(sources[k]);
            gathered = std::max(gathered, v_.year + v_.travel(sources[k], front));
            const int arrival = gathered + v_.travel(front, t);
            if (!v_.landsInTime(arrival)) break;  // gathering more only makes it later
            const int needed = shipsNeeded(t, arrival);
            if (total < needed) continue;
            Strike plan{t, front, needed, {sources.begin(), sources.begin() + k + 1}, 0};
            plan.score = style_.gatheringWorth * scoreOf(t, needed, arrival);
            return plan;
        }
        // Not enough yet: for a beaten side's last planets the ships gather all the same, and
        // strike once what waits at the front is enough, before the side can rebuild.
        if (!style_.finishes || sources.empty() || !beaten(v_.planet(t).owner)) return {};
        const int arrival = gathered + v_.travel(front, t);
        const int needed = shipsNeeded(t, arrival);
        if (!v_.landsInTime(arrival) || myShips() < needed) return {};
        Strike plan{t, front, needed, sources, 0};
        plan.score = style_.gatheringWorth * scoreOf(t, needed, arrival) * total / needed;
        return plan;
    }

    bool gatheringAt(int s) const { return v_.shipsBound(s) > 0; }

    // Ships the owner of planet t has in flight, as its totals tell.
    int inFlightOf(int t) const {
        return v_.inFlight[static_cast<std::size_t>(v_.planet(t).owner)];
    }

    long long myShips() const {
        long long ships = 0;
        for (const int s : mine_) ships += v_.planet(s).ships;
        for (const rival::FleetView& f : v_.fleets) ships += f.ships;
        return ships;
    }

    // A side down to its last two planets, with fewer ships at home and in flight than mine.
    bool beaten(int side) const {
        const rival::SideTotals& t = v_.totals[static_cast<std::size_t>(side)];
        return t.planets <= 2 && t.ships + v_.inFlight[static_cast<std::size_t>(side)] < myShips();
    }

    Strike bestStrike() {
        Strike best;
        for (int t = 0; t < v_.size(); ++t) {
            if (v_.planet(t).mine) continue;
            Strike plan = planFor(t);
            if (plan.target != -1 && plan.score > best.score) best = plan;
        }
        return best;
    }

    bool carryOut(const Strike& plan) {
        if (plan.gathering.empty()) {
            if (!orders_.send(plan.from, plan.target, plan.ships)) return false;
            spare(plan.from) -= plan.ships;
            return true;
        }
        for (const int s : plan.gathering) {
            if (!orders_.send(s, plan.from, spare(s))) return false;
            spare(s) = 0;
        }
        spare(plan.from) = 0;  // what waits there is the strike's
        return true;
    }

    // A raise pays for itself in as many years as it costs ships. Near the end of a game of
    // chosen length it has to pay in score: a point for the raise and the ships it still
    // produces, against the ships it costs.
    void buyProduction(int price) {
        if (v_.gameLength > 0) {
            const int yearsLeft = kFirstYear + v_.gameLength - v_.year;
            price = std::min(price, kShipsPerPoint + yearsLeft - 1);
        }
        for (const int s : mine_) {
            const rival::PlanetView& p = v_.planet(s);
            if (p.production > price || spare(s) < p.production) continue;
            if (orders_.raise(s)) spare(s) -= p.production - 1;
        }
    }

    Game& game_;
    SideView& v_;
    rival::Orders orders_;
    const rival::Style& style_;
    std::vector<int> spare_ = std::vector<int>(kPlanetSlots, 0);
    std::vector<int> mine_;
    std::vector<int> nearestMine_ = std::vector<int>(kPlanetSlots, -1);
    int rivals_ = 0;     // other players still holding planets
    double chance_ = 0;  // the odds this turn's strikes are sized for
};

}  // namespace

void rival::PlayPlanned(Game& game, const Style& style) {
    SideView view = BuildSideView(game);
    PlannedTurn(game, view, style).play();
}

}  // namespace zenthar
