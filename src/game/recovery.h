// The game in play survives a crash: after every hand-over, and as the last player's turn hands
// over to the year end, the whole game is saved to a copy beside GAMES/, which the next start
// offers back and which goes when the game is left on purpose.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/savecheck.h"

namespace zenthar {

inline constexpr const char* kRecoveryFileName = "recovery.mdb";

// In the folder the game writes to, outside the GAMES folder of the player's own saves.
std::filesystem::path RecoveryFile(const Game& game);

// Saves the game to the recovery copy exactly as Save Game would (atomic, synced). Throws
// StorageError as SaveGame does; the copy before stays whole on failure.
void WriteRecoveryCopy(Game& game);

// Gone when the game is left on purpose; a link or a folder at its name is left alone. Never
// throws.
void RemoveRecoveryCopy(const Game& game);

bool RecoveryCopyExists(const Game& game);

// What the start-up question names, and the checked game that Yes opens.
struct RecoveredGame {
    int year = 0;
    std::vector<std::string> players;
    SavedGame saved;
};

// Reads and checks the whole copy with the checks every saved game goes through, without
// touching the game in play; Yes opens the result with LoadCheckedGame. Throws SaveLoadError
// for a cut, damaged or foreign copy.
RecoveredGame CheckRecoveryCopy(const Game& game);

// The question start-up asks when a copy was found.
std::string ResumeQuestion(const RecoveredGame& found);
inline constexpr const char* kResumeTitle = "Zenthar: Resume Game";

// The text told once at start-up when a link, a folder or another non-file stands at the copy's
// name (OwnFileProblem's sentence).
std::string RecoveryNotAFileText(const std::string& problem);

// The text told when the copy cannot be resumed; the copy is removed by then.
std::string RecoveryRefusedText(const std::string& errorMessage);

}  // namespace zenthar
