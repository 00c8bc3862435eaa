// The main window: start-up, the menus, the galaxy map with its scroll bars and the planet
// panel. It owns the running program's Game and is the core's GameView.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/IconCache.h"
#include "app/QtDialogs.h"
#include "game/game.h"
#include "game/random.h"
#include "reports/QtTurnDisplay.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QScrollBar;

namespace zenthar::ui {

class GalaxyMap;
class HandOverScreen;
class DispTurnSumFrm;
class NewGameFrm;
class frmSplash;

class Zenthar : public QMainWindow, public zenthar::GameView {
    Q_OBJECT

  public:
    // MainFormState: 0 before start-up, true (-1) once started, 22 once activated.
    static constexpr int kFormStarted = -1;
    static constexpr int kFormActivated = 22;

    enum class FileDialogKind { Open, Save };
    // Shows the open or save dialog in a folder; the chosen path, or empty when cancelled.
    using FileChooser = std::function<QString(FileDialogKind, const QString& folder)>;

    // An empty folder means the program's own folder (where the executable lives).
    explicit Zenthar(std::filesystem::path programFolder = {}, QWidget* parent = nullptr);
    explicit Zenthar(const zenthar::ProgramFolders& folders, QWidget* parent = nullptr);
    ~Zenthar() override;

    // Form_Load: data files, the fresh working database, placement and layout. False after a
    // fatal error, which the user has been told about.
    bool startUp();

    zenthar::Game& game() { return game_; }
    QtDialogs& dialogs() { return dialogs_; }
    QtTurnDisplay& turnDisplay() { return display_; }
    // Replaced by a seeded source when a game has to be repeatable.
    zenthar::SystemRandom& randomSource() { return random_; }
    int MainFormState() const { return mainFormState_; }
    // True while End Turn runs: no other command may start.
    bool commandRunning() const { return commandRunning_; }
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // ---- GameView ----------------------------------------------------------------------
    void DrawGalaxyMap() override;
    void TurnStatusShown() override;
    void ShowEndTurnSummary() override;
    void CloseEndTurnSummary() override;

    // The planet panel for planet p; with scroll also brings it into view.
    void ShowPlanetInfo(int p, bool scroll);

    // A game now in memory (loaded, or built by a tool) takes over the window: the option
    // marks follow its switches, every image is refreshed, the map scrolls to the current
    // player's home, the turn status is shown and the panel appears.
    void ShowLoadedGame();

    // The story of the game, once, after the game announced its winner (End Turn calls it).
    void showStoryOnce();
    // Start-up found the game in play of a run that did not close properly: asks whether to
    // resume it; a copy that cannot be opened is told about and removed.
    void offerRecoveredGame();
    // The game in play changed since it was last saved or opened (a new or recovered game has
    // not been saved yet).
    bool unsavedChanges() const { return game_.st.GameActive && unsaved_; }
    // The hand-over screen covers the map and panel: the player whose turn it is has not yet
    // come to the screen.
    bool playerHidden() const;

  public slots:
    void Form_Activate();
    void Form_Resize();
    void HorizScrl_Change();
    void VertScrl_Change();
    void System1_Click(int index);
    void System1_DblClick(int index);

    void NewGameItem_Click();
    void LoadGameItem_Click();
    void SaveGameItem_Click();
    void ExitItem_Click();
    void SendItem_Click();
    void IncreaseProdItem_Click();
    void EndTurnItem_Click();
    void OwningMapItem_Click();
    void ShowFleetsItem_Click();
    void ProductionSumItem_Click();
    void LastYearReportItem_Click();
    void StatisticsItem_Click();
    void SearchItem_Click();
    void SkipETDispItem_Click();
    void SoundsOffItem_Click();
    void IntBrowserItem_Click();
    void HelpIndexItem_Click();
    void AboutItem_Click();

    // The map's view (ZentharMap.cpp): zoom, ships sent by pointing, the fleets in flight.
    void ZoomInItem_Click();
    void ZoomOutItem_Click();
    void WholeGalaxyItem_Click();
    void FleetsInFlightItem_Click();
    // Send Ships from the selected planet with this destination chosen; from a planet the
    // player does not own, what Send Ships says.
    void SendToPlanet(int destination);

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    class CommandGuard;

    void createControls();
    void createMenus();
    QAction* addItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& key,
                     void (Zenthar::*handler)());
    void placeWindow();
    void layoutAtStartUp();
    void layoutPlanetName();
    void layoutScrollBars(bool fullHeightVertical);
    void showPanel(bool visible);
    // Both move the map and redraw it once when it moved; false when it was already there.
    bool scrollMapTo(int horizontal, int vertical);
    bool scrollToPlanet(int planet);
    // A game replaced the one in memory: its images are read and placed afresh.
    void forgetShownImages();
    // The option marks, the panel and the keyboard focus follow a game now in memory.
    void showGame();
    void syncOptionMarks();
    void setCommandsEnabled(bool enabled);
    void runCommand(const std::function<void()>& command);
    void endProgram();
    QString chooseFile(FileDialogKind kind);
    void openOwningMap(bool fleets);
    // ZentharMap.cpp
    void createMapMenus(QMenu* reports);
    void setMapScale(double scale, QPoint about);
    void readMapScale();
    QRect mapView() const;
    bool fullyInView(int planet) const;
    void openTurnSummary();
    void openStory();
    // End Turn (or a new game's first turn) with the menus held; a failing game database is
    // told and the turn undone (false).
    bool runEndTurn(void (*step)(zenthar::Game&));

    // What Exit, New Game and Open Game ask before the game in play is left: nothing when it
    // is saved.
    bool mayLeaveGame(const char* question, const char* title);
    void noteChange();
    // The game now is the one in `file`: saved there or opened from it.
    void noteSaved(const QString& file);
    void updateTitle();
    // After every hand-over the game is kept for a restart after a crash.
    void keepRecoveryCopy();
    // After End Turn: the curtain comes down when the turn went from one human to another.
    void handOver(int endedBy);
    // The human player whose turn the screen showed last (-1 before a game).
    void rememberPlayerShown();
    void liftHandOver();

    zenthar::ProgramFolders folders_;
    QtDialogs dialogs_;
    zenthar::SystemRandom random_;
    // The Game is built with a reference to the display, which in turn reads the Game's state:
    // the display is constructed right after it, before anything can use either.
    zenthar::Game game_;
    QtTurnDisplay display_;

    GalaxyMap* map_ = nullptr;
    QScrollBar* HorizScrl_ = nullptr;
    QScrollBar* VertScrl_ = nullptr;
    QFrame* Line1_ = nullptr;
    QLabel* YearLbl_ = nullptr;
    QLabel* PlTurnLbl_ = nullptr;
    QLabel* ScoreLbl_ = nullptr;  // a game of a chosen length: the scores and the years left
    QLabel* CurPlNameLbl_ = nullptr;
    QLabel* CurPlStatusLbl_ = nullptr;
    QLabel* CurProdLbl_ = nullptr;
    QLabel* CurShipsLbl_ = nullptr;
    QLabel* CurHostLbl_ = nullptr;
    QLabel* CurPlanetPct_ = nullptr;
    QLabel* CurPlayerSimPct_ = nullptr;

    IconCache panelIcons_;
    HandOverScreen* handOver_ = nullptr;
    int lastHuman_ = -1;

    // Kept across Cancel so the next New Game shows the entries left in it.
    QPointer<NewGameFrm> newGame_;
    QPointer<DispTurnSumFrm> summary_;
    QPointer<frmSplash> splash_;

    QAction* SkipETDispItem_ = nullptr;
    QAction* SoundsOffItem_ = nullptr;

    int mainFormState_ = 0;
    bool commandRunning_ = false;
    bool exitConfirmed_ = false;
    bool unsaved_ = true;
    // The file the game was last saved to or opened from; empty for a game that has none.
    QString savedName_;
    // A recovery copy that cannot be written is told once, not at every turn.
    bool recoveryFailureTold_ = false;
    bool placedFrame_ = false;
    QSize laidOutSize_;
    QSize placedSize_;
    FileChooser chooseFile_;
};

}  // namespace zenthar::ui
