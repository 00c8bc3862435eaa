// Increase Production. The price is the production before the increase, so every step up
// costs one ship more than the last.
#include "orders/production.h"

namespace zenthar {

bool IncreaseProduction(Game& game) {
    GameState& st = game.st;
    if (!st.validPlanet(st.SelectedPlanet)) return false;
    PlanetRecord& p = st.planet(st.SelectedPlanet);
    if (p.digit(st.CurrentPlTurn) <= 1) return false;

    if (p.Ships >= p.Production && p.Production < p.MaxProd && p.WillProd != 0) {
        if (!game.dialogs.confirm("Are you sure that you want to increase the production for " +
                                      p.Name.trimmed() + "?",
                                  "Zenthar"))
            return false;
        p.Ships = Saturate16(static_cast<long long>(p.Ships) - p.Production);
        p.Production = Saturate16(p.Production + 1LL);
        p.WillProd = 0;
        return true;
    }
    if (p.WillProd != -1)
        game.dialogs.inform("Production already increased for this turn.");
    else if (p.Production == p.MaxProd)
        game.dialogs.inform("You have reached the Production limit for this planet.");
    else if (p.Ships < p.Production)
        game.dialogs.inform(
            "You don't have enough ships to increase the Production on this planet.");
    return false;
}

}  // namespace zenthar
