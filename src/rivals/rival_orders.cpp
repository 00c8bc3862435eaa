// The orders go through the selected planet, as a player's clicks do; the selection the
// player last left on the map is put back afterwards.
#include "rivals/rival_orders.h"

#include "orders/production.h"
#include "orders/sendships.h"

namespace zenthar::rival {
namespace {

class SelectionKeeper {
  public:
    SelectionKeeper(GameState& st, int planet) : st_(st), kept_(st.SelectedPlanet) {
        st.SelectedPlanet = static_cast<Int16>(planet);
    }
    ~SelectionKeeper() { st_.SelectedPlanet = kept_; }
    SelectionKeeper(const SelectionKeeper&) = delete;
    SelectionKeeper& operator=(const SelectionKeeper&) = delete;

  private:
    GameState& st_;
    Int16 kept_;
};

}  // namespace

// The rules alone say what may be ordered, as they do for a player; the view only follows what
// they allowed.
bool Orders::send(int from, int to, int ships) {
    GameState& st = game_.st;
    const SelectionKeeper keep(st, from);
    if (SendShips(st, to, FormatPlain(ships))) return false;
    PlanetView& source = view_.planets[static_cast<std::size_t>(from)];
    source.ships = st.planet(from).Ships;
    view_.addFleet({to, view_.year + view_.travel(from, to), ships});
    ++given_;
    return true;
}

bool Orders::raise(int planet) {
    GameState& st = game_.st;
    const SelectionKeeper keep(st, planet);
    if (IncreaseProduction(st, planet) != ProductionCheck::Allowed) return false;
    PlanetView& p = view_.planets[static_cast<std::size_t>(planet)];
    p.ships = st.planet(planet).Ships;
    p.production = st.planet(planet).Production;
    ++given_;
    return true;
}

}  // namespace zenthar::rival
