// Start-up of the core: data files, the fresh working database, the no-game state.
#include "game/game.h"

#include <vector>

#include "game/datafiles.h"
#include "game/savefile.h"
#include "game/schema.h"
#include "game/storage.h"
#include "game/storage_error.h"

namespace zenthar {

void ResetWorkingDatabase(Game& game) {
    game.FileDta1.release();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(game.TemplateFile(), ec))
        throw StorageError(errors::kFileNotFound,
                           "Missing game database template: " + game.TemplateFile().string());
    std::filesystem::create_directories(game.GamesFolder(), ec);
    try {
        const std::vector<unsigned char> pages = ReadGameFile(game.TemplateFile());
        ReplaceFile(
            game.WorkingFile(), [&](TemporaryFile& working) { working.write(pages); },
            NamedBy::Game);
    } catch (const SaveLoadError& e) {
        throw StorageError(e.code(), "Cannot create the working game database " +
                                         game.WorkingFile().string() + ": " + e.reason());
    }
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
    // Told as a folder that cannot be written, not as a missing program file.
    std::error_code games;
    CheckWritableFolder(std::filesystem::is_directory(game.GamesFolder(), games)
                            ? game.GamesFolder()
                            : game.UserFolder);
    if (!game.Lock.take(game.GamesFolder()))
        throw StorageError(errors::kFileInUse, "Zenthar is already running in this folder: " +
                                                   game.GamesFolder().string());
    ResetWorkingDatabase(game);
    // Drafts and kept reports of earlier versions' year ends; a year end cut short is run
    // again when its game is resumed.
    std::error_code ec;
    for (const char* suffix : {".new", ".undo"}) {
        const std::filesystem::path left = std::filesystem::path(game.ReportPath()).concat(suffix);
        if (!OwnFileProblem(left)) std::filesystem::remove(left, ec);
    }
    // A run that was killed in the middle of a write leaves its temporary beside the target.
    for (const std::filesystem::path& folder :
         {game.GamesFolder(), game.UserFolder, game.SettingsFolder})
        RemoveStaleTemporaries(folder);
    game.st.GameActive = false;
    game.st.PlanetImagesLoaded = 0;
    game.st.CurrentPlTurn = 0;
    game.st.TaskForceLast = -1;
}

}  // namespace zenthar
