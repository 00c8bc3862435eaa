// A new game: the checks of the set-up dialog's choices, and the creation of the game from
// them (settings, galaxy, and the first rows of the working game database).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "game/game.h"

namespace zenthar {

struct NewGameSettings {
    int players = 1;
    std::array<std::string, 4> names;
    // The texts shown by the four home-planet lists (the planets' padded 40-character names).
    std::array<std::string, 4> homePlanets;
    // Symbol icon file names of rows 0 to 3.
    std::array<std::string, 4> symbols;
    int planets = 26;
    int gameType = 1;  // 1 simple, 0 advanced
    int skill = 0;     // 0 Beginner, 1 Intermidiate, 2 Advanced
    // Who plays each row: the person at the screen or the computer at a level.
    std::array<SeatKind, 4> seats{};
    // Years until the highest score wins; 0 plays until one side holds the galaxy.
    int gameLength = 0;
};

// The four player symbols, in the order a click steps through them; row k starts on symbol k.
inline constexpr std::array<const char*, 4> kPlayerSymbols{"shipvert.ico", "mac.ico",
                                                           "shiporiz.ico", "flsp.ico"};
// The symbol after `symbol` in the cycle (trailing blanks ignored); a name outside the cycle
// stays as it is.
std::string NextSymbol(std::string_view symbol);

// The number of planets as typed in the dialog, from its leading number (0 for no number): in
// range it is rounded half to even; out of range it stays out of range (50.5 gives 51).
int NumberOfPlanetsTyped(std::string_view typed);
// The range check made when the number-of-planets field is left, and again at OK.
std::optional<std::string> CheckNumberOfPlanets(int planets);

// The game length typed as a number of years: a whole number from 1 to kLongestGame, blanks
// around it allowed; -1 for anything else, which CheckNewGame refuses.
int GameLengthTyped(std::string_view typed);

// The message of the first check that fails, or nothing when the choices make a game.
std::optional<std::string> CheckNewGame(const GameState& st, const NewGameSettings& settings);

// Replaces whatever game there was by a new one: stores the settings, generates the galaxy and
// writes the new game's AppCfg and Planets rows (the earlier game's rows of all three tables
// removed first), all in one transaction. FileDta1 is left on the working file's Ships table.
// The game is not started: GameActive and the first turn belong to the caller.
// Throws std::invalid_argument when CheckNewGame refuses the settings, and StorageError when
// the database cannot be written; the game in memory and on disk is then left as it was.
void CreateNewGame(Game& game, const NewGameSettings& settings);

}  // namespace zenthar
