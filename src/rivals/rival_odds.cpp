// Battle forecasts. The rules make odds of three to one and better cost the attackers nothing,
// so most forecasts end in one round; the trials matter near even odds.
#include "rivals/rival_odds.h"

#include <algorithm>
#include <cstdint>

#include "game/numbers.h"
#include "turn/battle.h"

namespace zenthar::rival {
namespace {

constexpr int kTrials = 24;

// The forecast's own dice: the same seed every time, so a forecast never depends on the game's
// random source and the same question always gets the same answer.
class Dice {
  public:
    int roll() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state_ >> 33) % 6) + 1;
    }

  private:
    std::uint64_t state_ = 0x5eedULL;
};

}  // namespace

BattleForecast ForecastBattle(const CrtTableType& crt, int a, int d) {
    if (d <= 0) return {1.0, static_cast<double>(std::max(a, 0))};
    if (a <= 0) return {};
    Dice dice;
    int wins = 0;
    double left = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        Int16 att = Saturate16(a);
        Int16 def = Saturate16(d);
        while (att > 0 && def > 0) {
            const BattleOdds odds = LookUpOdds(crt, att, def, dice.roll(), true);
            if (odds.result < 0)
                att = ShipsAfterLoss(att, odds.result);
            else
                def = ShipsAfterLoss(def, odds.result);
        }
        if (att > def) {
            ++wins;
            left += att;
        }
    }
    BattleForecast f;
    f.winChance = static_cast<double>(wins) / kTrials;
    f.attackersLeft = wins > 0 ? left / wins : 0;
    return f;
}

int ShipsToTake(const CrtTableType& crt, int d, double chance, int keep) {
    if (d <= 0) return std::max(keep, 1);
    auto enough = [&](int a) {
        const BattleForecast f = ForecastBattle(crt, a, d);
        return f.winChance >= chance && f.attackersLeft >= keep;
    };
    // With the game's table three to one costs the attackers nothing; past it only the
    // garrison to keep can ask for more.
    int hi = std::max(3 * d, keep);
    if (!enough(hi)) return hi;
    int lo = d;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (enough(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return hi;
}

int TakeCache::shipsToTake(const CrtTableType& crt, int d, double chance) {
    if (crt != crt_) {
        crt_ = crt;
        known_.clear();
    }
    auto [it, fresh] = known_.try_emplace({chance, d}, 0);
    if (fresh) it->second = ShipsToTake(crt, d, chance, 1);
    return it->second;
}

int RememberedShipsToTake(const CrtTableType& crt, int d, double chance) {
    thread_local TakeCache cache;
    return cache.shipsToTake(crt, d, chance);
}

}  // namespace zenthar::rival
