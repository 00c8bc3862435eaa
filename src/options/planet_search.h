// Find Planet: every planet whose stored name equals the chosen one is brought into view in
// turn, so with two planets of one name the later one stays shown.
#pragma once

#include <functional>
#include <string>

#include "game/state.h"

namespace zenthar {

// Where the main window's map scrolls to show a found planet.
struct PlanetSearchMatch {
    int planet = 0;
    int horizScroll = 0;  // XPos - 6, but not below 0
    int vertScroll = 0;   // YPos
};

// Compares the padded stored names exactly (case and trailing blanks included) and calls
// onMatch for every match in index order. Returns the number of matches.
int SearchPlanet(const GameState& st, const std::string& paddedName,
                 const std::function<void(const PlanetSearchMatch&)>& onMatch);

}  // namespace zenthar
