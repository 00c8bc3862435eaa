// What the game shows one side of one planet: the owner and the kind to everybody; ships,
// production and hostility only of the side's own planets, or as its last scouting saw them.
// The planet panel, the map and the computer players all read a planet through here, so
// nothing they show or decide can use more than a player at the screen would know.
#pragma once

#include <optional>

#include "game/state.h"

namespace zenthar {

enum class Knowledge { Unknown, Scouted, Owned, Capital };

struct PlanetShown {
    int owner = kEmpire;  // public: the panel and the Ownership Map show it to everyone
    char kind = ' ';      // 'g', 'm' or 'b' (the map shows the picture to everyone)
    Knowledge knowledge = Knowledge::Unknown;
    // Present for an owned or scouted planet: the true values, or those seen when scouting.
    std::optional<Int16> ships;
    std::optional<Int16> production;
    std::optional<Int16> hostility;
    // The year of that scouting; none for an owned or an unknown planet.
    std::optional<Int16> yearScouted;

    bool owned() const { return knowledge == Knowledge::Owned || knowledge == Knowledge::Capital; }
};

// Planet p as side `side` sees it. Only the players 0..3 scout; any other side (the Empire,
// or no side while none has the turn) is shown the owner and the kind alone.
PlanetShown PlanetShownTo(const GameState& st, int side, int p);

}  // namespace zenthar
