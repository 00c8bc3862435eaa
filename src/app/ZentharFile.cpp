// The File menu: New Game, Open Game, Save Game and Exit, with what leaving a game asks, the
// window's title that names the game's file, and the copy kept for a restart after a crash.
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QThread>
#include <optional>
#include <utility>

#include "app/GalaxyMap.h"
#include "app/GameFileDialog.h"
#include "app/Zenthar.h"
#include "game/recovery.h"
#include "game/savefile.h"
#include "game/saveload.h"
#include "game/storage_error.h"
#include "setup/NewGameFrm.h"
#include "turn/endturn.h"

namespace zenthar::ui {

QString Zenthar::chooseFile(FileDialogKind kind) {
    const QString folder = QString::fromStdString(game_.GamesFolder().string());
    if (chooseFile_) return chooseFile_(kind, folder);
    GameFileDialog dialog(
        kind == FileDialogKind::Save ? GameFileDialog::Kind::Save : GameFileDialog::Kind::Open,
        folder, [this](const QString& path) { return IsOwnGameFile(game_, path.toStdString()); },
        dialogs_, this);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void Zenthar::NewGameItem_Click() {
    if (!mayLeaveGame("You will loose the current game.\r Do you want to continue?",
                      "Zenthar: New Game"))
        return;
    if (!newGame_) newGame_ = new NewGameFrm(game_, this);
    if (newGame_->exec() != QDialog::Accepted) return;
    // The galaxy is generated and its rows written; the next New Game starts afresh.
    delete newGame_.data();

    runEndTurn(StartFirstTurn);
    map_->refreshIcons();
    // A curtain of the game before goes; the first player is at the screen.
    liftHandOver();
    rememberPlayerShown();
    drawTurnStatus();
    DrawGalaxyMap();
    showPanel(true);
    noteSaved(QString());
    keepRecoveryCopy();
}

void Zenthar::LoadGameItem_Click() {
    std::optional<std::string> error;
    if (mayLeaveGame("You will loose the current game.\r Do you want to continue?",
                     "Zenthar: Load Game")) {
        const QString path = chooseFile(FileDialogKind::Open);
        if (!path.isEmpty()) {
            const std::filesystem::path file = GameFileToOpen(path.toStdString());
            if (IsOwnGameFile(game_, file)) {
                dialogs_.inform("Invalid File Name.");
            } else {
                try {
                    // Images are read again at the next redraw; the loaded game shows its turn
                    // status itself, so it is not shown twice.
                    forgetShownImages();
                    LoadGame(game_, file);
                    showGame();
                    noteSaved(QString::fromStdString(file.string()));
                    keepRecoveryCopy();
                    resumeYearEnd();
                } catch (const StorageError& e) {
                    error = StorageErrorMessage(e);
                }
            }
        }
    }
    DrawGalaxyMap();
    if (error) dialogs_.inform(*error);
}

void Zenthar::SaveGameItem_Click() {
    std::optional<std::string> error;
    const QString path = chooseFile(FileDialogKind::Save);
    if (!path.isEmpty() && IsOwnGameFile(game_, path.toStdString())) {
        dialogs_.inform("Invalid File Name.");
    } else if (!path.isEmpty()) {
        try {
            SaveGame(game_, std::filesystem::path(path.toStdString()));
            noteSaved(path);
        } catch (const StorageError& e) {
            error = StorageErrorMessage(e);
        }
    }
    DrawGalaxyMap();
    if (error) dialogs_.inform(*error);
}

void Zenthar::ExitItem_Click() {
    if (mayLeaveGame("You will loose the current game.\r Do you still want to quit?",
                     "Zenthar: Exit Program"))
        endProgram();
}

// ---- leaving -------------------------------------------------------------------------------

void Zenthar::endProgram() {
    exitConfirmed_ = true;
    if (!close()) exitConfirmed_ = false;
}

void Zenthar::closeEvent(QCloseEvent* event) {
    // End Turn is running and lets events through: the window must outlive it.
    if (turnPassing_) {
        event->ignore();
        return;
    }
    if (exitConfirmed_ ||
        mayLeaveGame("You will loose the current game.\r Do you still want to quit?",
                     "Zenthar: Exit Program")) {
        event->accept();
        // Left on purpose: nothing to offer at the next start.
        RemoveRecoveryCopy(game_);
        // Report windows may still be open: the program ends with its main window. Only a
        // running event loop can be left (a test drives the window without one).
        if (QThread::currentThread()->loopLevel() > 0)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    }
    event->ignore();
}

// ---- unsaved changes and the recovery copy ---------------------------------------------------

bool Zenthar::mayLeaveGame(const char* question, const char* title) {
    return !unsavedChanges() || dialogs_.confirm(question, title);
}

void Zenthar::noteChange() {
    unsaved_ = true;
    updateTitle();
}

void Zenthar::noteSaved(const QString& file) {
    savedName_ = QFileInfo(file).fileName();
    unsaved_ = file.isEmpty();
    updateTitle();
}

// As desktop programs do: the file's name, marked while it has changes not yet saved.
void Zenthar::updateTitle() {
    if (!game_.st.GameActive) {
        setWindowTitle(QStringLiteral("Zenthar"));
        setWindowModified(false);
        return;
    }
    const QString name = savedName_.isEmpty() ? QStringLiteral("Untitled") : savedName_;
    setWindowTitle(name + QStringLiteral("[*] - Zenthar"));
    setWindowModified(unsaved_);
}

void Zenthar::keepRecoveryCopy() {
    if (!game_.st.GameActive) return;
    // The copy taken as the year end began may have failed where this one works: the year end
    // was not protected, and that is told too.
    std::string fault = std::exchange(game_.RecoveryCopyFault, {});
    try {
        WriteRecoveryCopy(game_);
    } catch (const StorageError& e) {
        fault = StorageErrorMessage(e);
    }
    if (fault.empty()) {
        recoveryFailureTold_ = false;
        return;
    }
    // The game goes on; only the protection against a crash is missing until a write works.
    if (recoveryFailureTold_) return;
    recoveryFailureTold_ = true;
    // Told to the player on turn, who may not have come to the screen yet.
    tellPlayer("Zenthar could not keep a copy of this game for a restart after a crash.\r\r" +
               fault + "\r\rThe game goes on; save it yourself to be safe.");
}

void Zenthar::offerRecoveredGame() {
    if (!RecoveryCopyExists(game_)) {
        game_.Report.clear();
        return;
    }
    // Not a file the game made: told once, left as it is, and not told again at End Turn.
    if (const auto problem = OwnFileProblem(RecoveryFile(game_))) {
        game_.Report.clear();
        recoveryFailureTold_ = true;
        dialogs_.inform(RecoveryNotAFileText(*problem));
        return;
    }
    std::string refused;
    try {
        const RecoveredGame found = CheckRecoveryCopy(game_);
        const Answer answer = dialogs_.ask(MessageRequest{
            ResumeQuestion(found), kResumeTitle, Buttons::YesNo, Icon::Critical, Answer::Yes});
        if (answer != Answer::Yes) {
            RemoveRecoveryCopy(game_);
            game_.Report.clear();
            return;
        }
        forgetShownImages();
        LoadCheckedGame(game_, found.saved);
        showGame();
        DrawGalaxyMap();
        // Whether it was saved after its last change is not known: it counts as unsaved, so
        // Exit still asks before it is thrown away.
        noteSaved(QString());
        resumeYearEnd();
        return;
    } catch (const StorageError& e) {
        refused = StorageErrorMessage(e);
    }
    RemoveRecoveryCopy(game_);
    game_.Report.clear();
    dialogs_.inform(RecoveryRefusedText(refused));
}

void Zenthar::resumeYearEnd() {
    if (!game_.st.YearEndDue) return;
    // The last player's orders are in: the year end their End Turn began runs now, as it would
    // have, and the turn goes on from there.
    const int endedBy = game_.st.PlayesNum - 1;
    if (runEndTurn(ResumeYearEnd)) passTurn(endedBy);
}

}  // namespace zenthar::ui
