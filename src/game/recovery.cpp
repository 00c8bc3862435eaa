// The recovery copy is an ordinary saved game: written by Save Game's own code and read back
// through Open Game's checks, so it can never hold a game that Save would not.
#include "game/recovery.h"

#include "game/numbers.h"
#include "game/savecheck.h"
#include "game/savefile.h"
#include "game/saveload.h"
#include "game/storage.h"

namespace zenthar {

std::filesystem::path RecoveryFile(const Game& game) {
    return game.UserFolder / kRecoveryFileName;
}

void WriteRecoveryCopy(Game& game) {
    SaveGame(game, RecoveryFile(game), NamedBy::Game);
}

void RemoveRecoveryCopy(const Game& game) {
    // A link or a folder at the name is not the game's to delete.
    if (OwnFileProblem(RecoveryFile(game))) return;
    std::error_code ec;
    std::filesystem::remove(RecoveryFile(game), ec);
}

bool RecoveryCopyExists(const Game& game) {
    std::error_code ec;
    // Anything at the name counts, so that a folder or a device there is refused and told.
    return std::filesystem::symlink_status(RecoveryFile(game), ec).type() !=
           std::filesystem::file_type::not_found;
}

RecoveredGame CheckRecoveryCopy(const Game& game) {
    RecoveredGame found;
    CheckOwnFile(RecoveryFile(game));
    found.saved = ReadSavedGame(ReadGameFile(RecoveryFile(game)));
    const GameState& saved = found.saved.config;
    found.year = saved.CurrentYear;
    for (int k = 0; k < saved.PlayesNum && k < kMaxPlayers; ++k)
        found.players.push_back(Trim(saved.PlName[static_cast<std::size_t>(k)].padded()));
    return found;
}

std::string ResumeQuestion(const RecoveredGame& found) {
    std::string names;
    for (std::size_t k = 0; k < found.players.size(); ++k) {
        if (k > 0) names += k + 1 == found.players.size() ? " and " : ", ";
        names += found.players[k];
    }
    return "Zenthar was not closed properly, and the game in play was kept: the year " +
           std::to_string(found.year) + ", played by " + names +
           ".\r\rDo you want to resume it?\r(No throws it away.)";
}

std::string RecoveryNotAFileText(const std::string& problem) {
    return "Zenthar keeps the game in play for a restart after a crash at " + problem +
           ".\r\rIt was left as it is, and no copy can be kept there until it is moved away.";
}

std::string RecoveryRefusedText(const std::string& errorMessage) {
    return "The game kept when Zenthar last stopped cannot be resumed.\r\r" + errorMessage +
           "\r\rIt was removed; start a new game or open a saved one.";
}

}  // namespace zenthar
