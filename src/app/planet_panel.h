// What the planet panel shows of one planet to the player whose turn it is, and where the map
// scrolls to bring a planet into view. Plain C++ so the rules can be checked without a window.
#pragma once

#include <string>

#include "game/state.h"

namespace zenthar {

struct PlanetPanelText {
    std::string name;        // "Planet: " + the padded name
    std::string status;      // "Status: Scouted" / "Owned" / "Capital" / "Unknown"
    std::string production;  // "Production: " + what the player may see
    std::string ships;
    std::string hostility;
    std::string kindIcon;   // "good.ico", "medium.ico", "bad.ico"; empty for an unknown kind
    std::string ownerIcon;  // the owner's symbol file, or "empire.ico"
};

// The panel of planet p as CurrentPlTurn sees it: scouted values for a scouted planet, the
// real ones for the player's own, nothing for an unknown one. Owner and kind always show.
PlanetPanelText PlanetPanelFor(const GameState& st, int p);

// The player's digit of a planet; 0 while no human player has the turn (-1 or the Empire).
int CurrentPlayerDigit(const GameState& st, int p);

// The horizontal scroll value that brings a planet at XPos into view: six units of margin to
// its left, never before the galaxy's edge.
inline int HorizScrollFor(int xpos) {
    return xpos - 6 < 0 ? 0 : xpos - 6;
}

std::string TurnCaption(const GameState& st);  // "Player's Turn: " + name
std::string YearCaption(const GameState& st);  // "Year: " + year
// In a game of a chosen length, every side's score as it stands and the years left:
// "Score: Ann 35, Bo 30, Empire 250 - 12 years left"; empty in a game until conquest.
std::string ScoreCaption(const GameState& st);

}  // namespace zenthar
