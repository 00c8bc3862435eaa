// Increase Production. The price is the production before the increase, so every step up
// costs one ship more than the last.
#include "orders/production.h"

namespace zenthar {

ProductionCheck CheckIncreaseProduction(const GameState& st, int planet) {
    if (!st.validPlanet(planet)) return ProductionCheck::NotOwned;
    const PlanetRecord& p = st.planet(planet);
    if (p.digit(st.CurrentPlTurn) <= 1) return ProductionCheck::NotOwned;
    if (p.Ships >= p.Production && p.Production < p.MaxProd && p.WillProd != 0)
        return ProductionCheck::Allowed;
    if (p.WillProd != -1) return ProductionCheck::AlreadyRaised;
    if (p.Production == p.MaxProd) return ProductionCheck::AtLimit;
    if (p.Ships < p.Production) return ProductionCheck::TooFewShips;
    return ProductionCheck::AboveLimit;
}

std::string ProductionRefusalText(ProductionCheck check) {
    switch (check) {
        case ProductionCheck::AlreadyRaised:
            return "Production already increased for this turn.";
        case ProductionCheck::AtLimit:
            return "You have reached the Production limit for this planet.";
        case ProductionCheck::TooFewShips:
            return "You don't have enough ships to increase the Production on this planet.";
        default:
            return "";
    }
}

std::string IncreaseProductionQuestion(const GameState& st, int planet) {
    return "Are you sure that you want to increase the production for " +
           st.planet(planet).Name.trimmed() + "?";
}

ProductionCheck IncreaseProduction(GameState& st, int planet) {
    const ProductionCheck check = CheckIncreaseProduction(st, planet);
    if (check != ProductionCheck::Allowed) return check;
    PlanetRecord& p = st.planet(planet);
    p.Ships = Saturate16(static_cast<long long>(p.Ships) - p.Production);
    p.Production = Saturate16(p.Production + 1LL);
    p.WillProd = 0;
    return check;
}

}  // namespace zenthar
