// The main window's menu tree and its commands. Each handler checks what the command needs,
// calls the core or opens the command's window, and brings the map and the panel up to date.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <optional>

#include "app/GalaxyMap.h"
#include "app/GameFileDialog.h"
#include "app/Zenthar.h"
#include "game/savefile.h"
#include "game/saveload.h"
#include "options/HelpFrm.h"
#include "options/IntBrowserDlg.h"
#include "options/PlanetSearchFrm.h"
#include "options/frmSplash.h"
#include "options/help.h"
#include "orders/SendShipsFrm.h"
#include "orders/production.h"
#include "orders/sendships.h"
#include "reports/DispTurnSumFrm.h"
#include "reports/OwningMapFrm.h"
#include "reports/ProdSumFrm.h"
#include "setup/NewGameFrm.h"
#include "turn/endturn.h"
#include "turn/taskforces.h"

namespace zenthar::ui {

// While End Turn runs its waits let events through: every menu command and shortcut is
// switched off until it returns, so no second command can start inside it.
class Zenthar::CommandGuard {
  public:
    explicit CommandGuard(Zenthar& window) : window_(window) {
        window_.commandRunning_ = true;
        window_.setCommandsEnabled(false);
    }
    ~CommandGuard() {
        window_.commandRunning_ = false;
        window_.setCommandsEnabled(true);
    }
    CommandGuard(const CommandGuard&) = delete;
    CommandGuard& operator=(const CommandGuard&) = delete;

  private:
    Zenthar& window_;
};

// The one gate every command passes: End Turn lets events through during its waits, and a
// command started there (a queued shortcut, a click on the map) is dropped, not run inside it.
void Zenthar::runCommand(const std::function<void()>& command) {
    if (commandRunning_) return;
    command();
}

QAction* Zenthar::addItem(QMenu* menu, const char* name, const char* caption,
                          const QKeySequence& key, void (Zenthar::*handler)()) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) action->setShortcut(key);
    connect(action, &QAction::triggered, this,
            [this, handler] { runCommand([this, handler] { (this->*handler)(); }); });
    return action;
}

// Each caption carries its mnemonic (the letter after '&'), so every command is reachable from
// the keyboard with Alt and the letters; the menus still read as before.
void Zenthar::createMenus() {
    QMenuBar* bar = menuBar();
    auto addMenu = [&](const char* name, const char* caption) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
        return menu;
    };

    QMenu* file = addMenu("FileMenu", "&File");
    addItem(file, "NewGameItem", "&New Game", QKeySequence(Qt::CTRL | Qt::Key_N),
            &Zenthar::NewGameItem_Click);
    addItem(file, "LoadGameItem", "&Open Game", QKeySequence(Qt::CTRL | Qt::Key_O),
            &Zenthar::LoadGameItem_Click);
    addItem(file, "SaveGameItem", "&Save Game", QKeySequence(Qt::CTRL | Qt::Key_S),
            &Zenthar::SaveGameItem_Click);
    file->addSeparator();
    addItem(file, "ExitItem", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q),
            &Zenthar::ExitItem_Click);

    QMenu* orders = addMenu("OrdersItem", "&Orders");
    addItem(orders, "SendItem", "&Send Ships", QKeySequence(Qt::Key_F2), &Zenthar::SendItem_Click);
    addItem(orders, "IncreaseProdItem", "&Increase Production", QKeySequence(Qt::CTRL | Qt::Key_I),
            &Zenthar::IncreaseProdItem_Click);
    orders->addSeparator();
    addItem(orders, "EndTurnItem", "&End Turn", QKeySequence(Qt::CTRL | Qt::Key_E),
            &Zenthar::EndTurnItem_Click);

    QMenu* reports = addMenu("ReportsItem", "&Reports");
    addItem(reports, "OwningMapItem", "&Ownership Map", QKeySequence(Qt::Key_F3),
            &Zenthar::OwningMapItem_Click);
    addItem(reports, "ShowFleetsItem", "Show &Fleets", QKeySequence(Qt::Key_F4),
            &Zenthar::ShowFleetsItem_Click);
    addItem(reports, "ProductionSumItem", "&Production Summary", QKeySequence(Qt::Key_F5),
            &Zenthar::ProductionSumItem_Click);
    addItem(reports, "LastYearReportItem", "End Turn &Report", QKeySequence(Qt::Key_F6),
            &Zenthar::LastYearReportItem_Click);
    createMapMenus(reports);
    addItem(reports, "StatisticsItem", "S&tatistics", QKeySequence(Qt::CTRL | Qt::Key_T),
            &Zenthar::StatisticsItem_Click);

    QMenu* tools = addMenu("ToolsItem", "&Tools");
    addItem(tools, "SearchItem", "&Find Planet", QKeySequence(Qt::CTRL | Qt::Key_F),
            &Zenthar::SearchItem_Click);
    QMenu* options = tools->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("OptionsItem"));
    options->menuAction()->setObjectName(QStringLiteral("OptionsItemAction"));
    SkipETDispItem_ = addItem(options, "SkipETDispItem", "Skip &End Turn Screen", {},
                              &Zenthar::SkipETDispItem_Click);
    SoundsOffItem_ =
        addItem(options, "SoundsOffItem", "&Sounds Off", {}, &Zenthar::SoundsOffItem_Click);
    SkipETDispItem_->setCheckable(true);
    SoundsOffItem_->setCheckable(true);
    options->addSeparator();
    addItem(options, "IntBrowserItem", "Set Internet &Browser Location", {},
            &Zenthar::IntBrowserItem_Click);

    QMenu* help = addMenu("HelpItem", "&Help");
    addItem(help, "HelpIndexItem", "Help &Index", QKeySequence(Qt::Key_F1),
            &Zenthar::HelpIndexItem_Click);
    help->addSeparator();
    addItem(help, "AboutItem", "&About", {}, &Zenthar::AboutItem_Click);
}

void Zenthar::setCommandsEnabled(bool enabled) {
    const auto actions = menuBar()->findChildren<QAction*>();
    for (QAction* action : actions) action->setEnabled(enabled);
    for (QAction* action : menuBar()->actions()) action->setEnabled(enabled);
}

// The check marks show the two switches of the game state.
void Zenthar::syncOptionMarks() {
    SkipETDispItem_->setChecked(game_.st.SkipEndTurnScreen);
    SoundsOffItem_->setChecked(game_.st.SoundsOff);
}

QString Zenthar::chooseFile(FileDialogKind kind) {
    const QString folder = QString::fromStdString(game_.GamesFolder().string());
    if (chooseFile_) return chooseFile_(kind, folder);
    GameFileDialog dialog(
        kind == FileDialogKind::Save ? GameFileDialog::Kind::Save : GameFileDialog::Kind::Open,
        folder, [this](const QString& path) { return IsWorkingFile(game_, path.toStdString()); },
        dialogs_, this);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

// ---- File ----------------------------------------------------------------------------------

void Zenthar::NewGameItem_Click() {
    if (!mayLeaveGame("You will loose the current game.\r Do you want to continue?",
                      "Zenthar: New Game"))
        return;
    if (!newGame_) newGame_ = new NewGameFrm(game_, this);
    if (newGame_->exec() != QDialog::Accepted) return;
    // The galaxy is generated and its rows written; the next New Game starts afresh.
    delete newGame_.data();

    GameState& st = game_.st;
    runEndTurn(StartFirstTurn);
    if (st.CurrentPlTurn >= 0 && st.CurrentPlTurn < kSides)
        scrollToPlanet(st.PlHome[static_cast<std::size_t>(st.CurrentPlTurn)]);
    map_->refreshIcons();
    DrawGalaxyMap();
    showPanel(true);
    liftHandOver();
    rememberPlayerShown();
    noteSaved(QString());
}

void Zenthar::LoadGameItem_Click() {
    std::optional<std::string> error;
    if (mayLeaveGame("You will loose the current game.\r Do you want to continue?",
                     "Zenthar: Load Game")) {
        const QString path = chooseFile(FileDialogKind::Open);
        if (!path.isEmpty()) {
            const std::filesystem::path file = GameFileToOpen(path.toStdString());
            if (IsWorkingFile(game_, file)) {
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
    if (game_.st.GameActive) {
        const QString path = chooseFile(FileDialogKind::Save);
        if (!path.isEmpty() && IsWorkingFile(game_, path.toStdString())) {
            dialogs_.inform("Invalid File Name.");
        } else if (!path.isEmpty()) {
            try {
                SaveGame(game_, std::filesystem::path(path.toStdString()));
                noteSaved(path);
            } catch (const StorageError& e) {
                error = StorageErrorMessage(e);
            }
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

// ---- Orders --------------------------------------------------------------------------------

void Zenthar::SendItem_Click() {
    if (playerHidden() || !game_.st.GameActive) return;
    if (auto refusal = CheckSendFrom(game_.st)) {
        dialogs_.inform(*refusal);
        return;
    }
    const Int16 fleetsBefore = game_.st.TaskForceLast;
    {
        SendShipsFrm frm(game_, this);
        frm.exec();
    }
    if (game_.st.TaskForceLast != fleetsBefore) noteChange();
    // The ships that left are no longer on the planet the panel shows.
    ShowPlanetInfo(game_.st.SelectedPlanet, false);
}

void Zenthar::IncreaseProdItem_Click() {
    if (playerHidden()) return;
    const int planet = game_.st.SelectedPlanet;
    const ProductionCheck check = CheckIncreaseProduction(game_.st, planet);
    if (check != ProductionCheck::Allowed) {
        const std::string refusal = ProductionRefusalText(check);
        if (!refusal.empty()) dialogs_.inform(refusal);
        return;
    }
    if (!dialogs_.confirm(IncreaseProductionQuestion(game_.st, planet), "Zenthar")) return;
    IncreaseProduction(game_.st, planet);
    ShowPlanetInfo(game_.st.SelectedPlanet, false);
    noteChange();
}

void Zenthar::EndTurnItem_Click() {
    if (playerHidden() || !game_.st.GameActive) return;
    const int endedBy = game_.st.CurrentPlTurn;
    if (runEndTurn(EndTurn)) handOver(endedBy);
}

bool Zenthar::runEndTurn(void (*step)(Game&)) {
    std::optional<std::string> error;
    {
        CommandGuard guard(*this);
        try {
            step(game_);
        } catch (const StorageError& e) {
            error = StorageErrorMessage(e);
        }
    }
    if (!error) {
        showStoryOnce();
        noteChange();
        keepRecoveryCopy();
        return true;
    }
    // The turn was undone: nothing of it may stay on the screen.
    display_.hideWindow();
    dialogs_.inform(*error +
                    "\r\rThe turn was not ended: the game is as it was before End Turn. Save it "
                    "under a new name on a disk with free space before you go on.");
    // The turn's new fleets are back in memory only: the panel is redrawn, not reloaded.
    TurnStatusShown();
    DrawGalaxyMap();
    return false;
}

// ---- Reports -------------------------------------------------------------------------------

void Zenthar::openOwningMap(bool fleets) {
    if (playerHidden() || !game_.st.GameActive) return;
    game_.st.ShowFleetsMode = fleets;
    bool picked = false;
    {
        OwningMapFrm frm(game_, this);
        picked = frm.exec() == QDialog::Accepted;
    }
    // A symbol clicked on the map became the selected planet: it is brought into view with one
    // redraw. Closed any other way, the window has redrawn the map itself.
    ShowPlanetInfo(game_.st.SelectedPlanet, false);
    if (!scrollToPlanet(game_.st.SelectedPlanet) && picked) DrawGalaxyMap();
}

void Zenthar::OwningMapItem_Click() {
    openOwningMap(false);
}

void Zenthar::ShowFleetsItem_Click() {
    openOwningMap(true);
}

void Zenthar::ProductionSumItem_Click() {
    if (playerHidden() || !game_.st.GameActive) return;
    ProdSumFrm frm(game_, this);
    frm.exec();
}

// The summary is read from the report file when it opens; a window still open from an
// earlier year would show an old report, so it makes way for a fresh one.
void Zenthar::openTurnSummary() {
    if (summary_) summary_->close();
    summary_ = new DispTurnSumFrm(game_.ReportFile(), game_.st.Chronicle, this);
    summary_->show();
    summary_->raise();
}

void Zenthar::LastYearReportItem_Click() {
    openTurnSummary();
}

void Zenthar::ShowEndTurnSummary() {
    openTurnSummary();
}

void Zenthar::CloseEndTurnSummary() {
    if (summary_) summary_->close();
}

// ---- Tools and Help ------------------------------------------------------------------------

void Zenthar::SearchItem_Click() {
    if (playerHidden()) return;
    PlanetSearchFrm::run(game_, this, [this](const PlanetSearchMatch& match) {
        ShowPlanetInfo(match.planet, false);
        // At the default scale the match's own scroll values; zoomed, what keeps it in view.
        if (!scrollToPlanet(match.planet)) DrawGalaxyMap();
    });
}

void Zenthar::SkipETDispItem_Click() {
    game_.st.SkipEndTurnScreen = !game_.st.SkipEndTurnScreen;
    syncOptionMarks();
    if (game_.st.GameActive) noteChange();
}

void Zenthar::SoundsOffItem_Click() {
    game_.st.SoundsOff = !game_.st.SoundsOff;
    syncOptionMarks();
    if (game_.st.GameActive) noteChange();
}

void Zenthar::IntBrowserItem_Click() {
    IntBrowserDlg dlg(game_.SettingsFile(), this, &dialogs_);
    dlg.exec();
}

void Zenthar::HelpIndexItem_Click() {
    // The launcher stays with the window, which hears of the browser's end through it.
    auto* launcher = findChild<QtProgramLauncher*>();
    if (!launcher) launcher = new QtProgramLauncher(this);
    HelpIndex(game_, *launcher, [this] {
        QPointer<HelpFrm> open = findChild<HelpFrm*>();
        HelpFrm::showHelp(open, HelpPage(game_.ProgramFolder), this);
    });
}

void Zenthar::AboutItem_Click() {
    frmSplash::showAbout(splash_, folders_.program, this);
}

}  // namespace zenthar::ui
