// Start-up of the core: data files, the fresh working database, the no-game state.
#include "game/game.h"

#include "game/datafiles.h"
#include "game/savefile.h"
#include "game/schema.h"
#include "game/storage_error.h"

namespace zenthar {

void ResetWorkingDatabase(Game& game) {
    game.FileDta1.release();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(game.TemplateFile(), ec))
        throw StorageError(errors::kFileNotFound,
                           "Missing game database template: " + game.TemplateFile().string());
    std::filesystem::create_directories(game.GamesFolder(), ec);
    std::filesystem::copy_file(game.TemplateFile(), game.WorkingFile(),
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec)
        throw StorageError(errors::kPathFileAccess, "Cannot create the working game database " +
                                                        game.WorkingFile().string() + ": " +
                                                        ec.message());
    game.FileDta1.rebind(game.WorkingFile(), "Ships");
}

void StartUp(Game& game) {
    // The data files are read and checked first, so a damaged installation changes no file.
    ReadCrtFile(game.file("crt.dat"), game.st.CrtTable);
    ReadPlanetsFile(game.file("planets.dat"), game.st);
    CheckPlanetIds(game.file("planets.dat"), game.st);
    ReadBackgroundFile(game.file("backgrnd.dat"), game.st);
    std::error_code missing;
    if (std::filesystem::is_regular_file(game.TemplateFile(), missing))
        CheckTemplateDatabase(game.TemplateFile());
    PrepareUserFolders(game.folders());
    if (!game.Lock.take(game.GamesFolder()))
        throw StorageError(errors::kFileInUse, "Zenthar is already running in this folder: " +
                                                   game.GamesFolder().string());
    ResetWorkingDatabase(game);
    // A run that died in a year end may leave its draft and the report before it: the year
    // never reached the game database, so the earlier report is the one to show.
    std::error_code ec;
    std::filesystem::remove(game.ReportDraftFile(), ec);
    std::filesystem::rename(game.ReportUndoFile(), game.ReportFile(), ec);
    // A run that was killed in the middle of a save leaves its temporary copy beside the target.
    RemoveStaleTemporaries(game.GamesFolder());
    game.st.GameActive = false;
    game.st.PlanetImagesLoaded = 0;
    game.st.CurrentPlTurn = 0;
    game.st.TaskForceLast = -1;
}

}  // namespace zenthar
