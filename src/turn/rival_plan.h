// What the three computer levels share: the ships a planet keeps at home, buying production,
// and sending spare ships to the front.
#pragma once

#include <vector>

#include "turn/rival_orders.h"
#include "turn/rival_view.h"

namespace zenthar::rival {

// Ships a planet of mine keeps so that its rebels cannot take it: production is added before
// they rise, so the planet needs more than the most rebels minus one year of production.
int RebelGuard(const SideView& v, int planet);

// The planets of mine, in list order.
std::vector<int> MyPlanets(const SideView& v);

// My planet nearest to planet t (the lower position on a tie), or -1.
int NearestMine(const SideView& v, int t);

// Raises production on every planet of mine that keeps `keep` ships after paying and whose
// price is at most maxPrice.
void RaiseProduction(const SideView& v, Orders& orders, const std::vector<int>& keep, int maxPrice);

// A fixed draw from the game's random source in [0, 1): the levels' only chance.
double Draw(Game& game);

}  // namespace zenthar::rival
