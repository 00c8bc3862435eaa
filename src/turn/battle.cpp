// Battle resolution with the combat results table of crt.dat.
#include "turn/battle.h"

#include <algorithm>
#include <cstdlib>

namespace zenthar {
namespace {

constexpr int kEvenOddsRow = 4;
constexpr int kTableReach = 5;  // odds of 6 to 1 and more are not in the table
constexpr int kWipeOut = 100;

int RollDie(RandomSource& random) {
    // The clock seeds every roll afresh; a source that strays outside [0, 1) must still
    // land on a face of the die rather than outside the table.
    random.reseed();
    long long die = Int(random.next() * 6 + 1);
    return static_cast<int>(std::clamp<long long>(die, 1, 6));
}

}  // namespace

BattleOdds LookUpOdds(const CrtTableType& table, int a, int d, int die, bool humanAttacker) {
    die = std::clamp(die, 1, 6);
    BattleOdds odds;
    if (a == d) {
        odds.column = die;
        odds.row = kEvenOddsRow;
    } else if (a < d) {
        const int q = d / a;
        if (q > kTableReach) return {-1, -1, -kWipeOut};
        odds.column = die;
        odds.row = kEvenOddsRow + q;
    } else {
        const int q = a / d;
        if (q > kTableReach) return {-1, -1, kWipeOut};
        odds.column = humanAttacker ? die - 1 : die;
        odds.row = kTableReach - q;
    }
    odds.result = table[static_cast<std::size_t>(odds.column)][static_cast<std::size_t>(odds.row)];
    return odds;
}

Int16 ShipsAfterLoss(Int16 ships, int percent) {
    double loss = static_cast<double>(ships) * std::abs(static_cast<double>(percent)) / 100.0;
    if (Int(loss) == 0) loss = 1;
    return Round16(static_cast<double>(ships) - loss);
}

void ResolveBattle(Game& game, Int16& attackers, Int16& defenders, bool humanAttacker) {
    TurnDisplay& display = game.display;
    for (int round = 0; attackers > 0 && defenders > 0; ++round) {
        display.setCounts(FormatPlain(attackers), FormatPlain(defenders));
        const int die = RollDie(game.random);
        const BattleOdds odds =
            LookUpOdds(game.st.CrtTable, attackers, defenders, die, humanAttacker);
        if (odds.result < 0)
            attackers = ShipsAfterLoss(attackers, odds.result);
        else
            defenders = ShipsAfterLoss(defenders, odds.result);
        if (display.roundsShown()) {
            display.battleRound(round, attackers, defenders);
            if (!game.st.SoundsOff) display.playSound(Sound::Laser);
        }
    }
    display.battleFinished();
    display.resumeRounds();
}

}  // namespace zenthar
