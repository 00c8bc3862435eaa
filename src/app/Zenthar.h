// The main window: start-up, the menus, the galaxy map with its scroll bars and the planet
// panel. It owns the running program's Game and is the core's GameView. Its commands are one
// table (ZentharCommands.cpp); their handlers live in one file per menu.
#pragma once

#include <QKeyCombination>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

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
class Zenthar;

// What a command of the main window needs before it may run.
enum class Need : unsigned {
    Nothing = 0,
    Game = 1U << 0,         // a game in play
    Idle = 1U << 1,         // End Turn is not running (its waits let events through)
    PlayerShown = 1U << 2,  // the curtain is lifted: the screen is the player's on turn
    HumanOnTurn = 1U << 3,  // a human seat holds the turn (a watched game takes no orders)
};

// A set of needs. It has no default: a row of the command table that does not say what its
// command needs does not compile.
class Needs {
  public:
    constexpr Needs(Need need) : bits_(static_cast<unsigned>(need)) {}  // NOLINT: a set of one
    constexpr Needs operator|(Need need) const {
        return Needs(bits_ | static_cast<unsigned>(need), 0);
    }
    constexpr bool has(Need need) const { return (bits_ & static_cast<unsigned>(need)) != 0; }
    constexpr bool operator==(const Needs&) const = default;

  private:
    constexpr Needs(unsigned bits, int) : bits_(bits) {}
    unsigned bits_;
};
constexpr Needs operator|(Need a, Need b) {
    return Needs(a) | b;
}

// Where a command is given. Map: on the galaxy map only (a click, a tooltip), with no item.
enum class Menu { File, Orders, View, Reports, Tools, Options, Help, Map };

// One command of the main window: its item, its keys, its handler and what it needs. The table
// of them builds the menus and is the one gate every menu item, key and map gesture passes.
struct Command {
    Menu menu;
    const char* name;     // the item's object name, by which tests and the help page know it
    const char* caption;  // '&' before the letter that picks it in its menu
    std::array<QKeyCombination, 2> keys;
    void (Zenthar::*handler)();
    Needs needs;
    bool separatorBefore = false;
    bool checkable = false;
};

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
    bool commandRunning() const { return turnPassing_; }
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // ---- the commands (ZentharCommands.cpp) ----------------------------------------------
    static std::span<const Command> commands();
    // The row of a command by its item's name (a map row by its own name).
    static const Command& command(std::string_view name);
    // Whether a command may run now: the one gate of every item, key and map gesture.
    bool allowed(const Command& row) const;
    // Gives a command as its item would: nothing when its needs are not met.
    void give(const Command& row);

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
    // resume it; a copy that cannot be opened is told about and removed, and a link or a folder
    // at its name is told about once and left alone. A copy kept as the year end began runs
    // that year end at once. Without a game resumed, no report is left to show.
    void offerRecoveredGame();
    // The game in play changed since it was last saved or opened (a new or recovered game has
    // not been saved yet).
    bool unsavedChanges() const { return game_.st.GameActive && unsaved_; }
    // The hand-over screen covers the map and panel: the player whose turn it is has not yet
    // come to the screen.
    bool playerHidden() const;

  signals:
    // A command passed the gate and is about to run.
    void commandGiven(const QString& name);

  public slots:
    void Form_Activate();
    void Form_Resize();
    void HorizScrl_Change();
    void VertScrl_Change();
    void System1_Click(int index);
    void System1_DblClick(int index);

    // File (ZentharFile.cpp)
    void NewGameItem_Click();
    void LoadGameItem_Click();
    void SaveGameItem_Click();
    void ExitItem_Click();
    // Orders (ZentharOrders.cpp)
    void SendItem_Click();
    void IncreaseProdItem_Click();
    void EndTurnItem_Click();
    // Send Ships from the selected planet with this destination chosen; from a planet the
    // player does not own, what Send Ships says.
    void SendToPlanet(int destination);
    // View (ZentharView.cpp)
    void ZoomInItem_Click();
    void ZoomOutItem_Click();
    void WholeGalaxyItem_Click();
    // Reports (ZentharReports.cpp)
    void OwningMapItem_Click();
    void ShowFleetsItem_Click();
    void ProductionSumItem_Click();
    void LastYearReportItem_Click();
    void FleetsInFlightItem_Click();
    void StatisticsItem_Click();
    // Tools and Help (ZentharTools.cpp)
    void SearchItem_Click();
    void SkipETDispItem_Click();
    void SoundsOffItem_Click();
    void IntBrowserItem_Click();
    void HelpIndexItem_Click();
    void AboutItem_Click();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // ---- the window (Zenthar.cpp) ----
    struct StatusRow;
    // The planet panel's labels from top to bottom.
    static std::span<const StatusRow> statusRows();
    void createControls();
    void placeWindow();
    void layoutAtStartUp();
    void layoutPlanetName();
    void layoutScrollBars(bool fullHeightVertical);
    void showPanel(bool visible);
    // Both move the map and redraw it once when it moved; false when it was already there.
    bool scrollMapTo(int horizontal, int vertical);
    bool scrollToPlanet(int planet);
    // The turn status of the player on turn: the map at his home, the panel's texts.
    void drawTurnStatus();
    // A game replaced the one in memory: its images are read and placed afresh.
    void forgetShownImages();
    // The option marks, the panel and the keyboard focus follow a game now in memory.
    void showGame();

    // ---- the commands (ZentharCommands.cpp) ----
    void createMenus();
    void connectGestures();
    // Every item enabled as its needs are met now; called whenever a need may have changed.
    void refreshCommands();

    // ---- File (ZentharFile.cpp) ----
    QString chooseFile(FileDialogKind kind);
    void endProgram();
    // What Exit, New Game and Open Game ask before the game in play is left: nothing when it
    // is saved.
    bool mayLeaveGame(const char* question, const char* title);
    void noteChange();
    // The game now is the one in `file`: saved there or opened from it.
    void noteSaved(const QString& file);
    void updateTitle();
    // After every hand-over the game is kept for a restart after a crash.
    void keepRecoveryCopy();
    // A game opened or resumed as its year end began: the year end runs now.
    void resumeYearEnd();

    // ---- Orders (ZentharOrders.cpp) ----
    // End Turn (or a new game's first turn) with every command held; a failing game database
    // is told and the turn undone (false).
    bool runEndTurn(void (*step)(zenthar::Game&));

    // ---- View (ZentharView.cpp) ----
    void setMapScale(double scale, QPoint about);
    void readMapScale();
    QRect mapView() const;
    bool fullyInView(int planet) const;

    // ---- Reports (ZentharReports.cpp) ----
    void openOwningMap(bool fleets);
    void openTurnSummary();
    void openStory();

    // ---- Tools (ZentharTools.cpp) ----
    void syncOptionMarks();

    // ---- the curtain (ZentharHandOver.cpp) ----
    // After End Turn: the curtain comes down first when the turn went from one human to
    // another, then the next turn is drawn beneath it.
    void passTurn(int endedBy);
    // The human player whose turn the screen showed last (-1 before a game).
    void rememberPlayerShown();
    void lowerCurtain();
    // The curtain goes without a word (a game was opened or started).
    void liftHandOver();
    // The player came to the screen and lifted the curtain.
    void curtainLifted();
    // A window that shows the player's own view, not modal: it goes when the curtain comes.
    void keepPrivate(QWidget* window);
    // A message of the turn's passing: shown now, or once the player lifts the curtain.
    void tellPlayer(const std::string& text);
    // What waited for the curtain: the story, the summary of a skipped year end, the messages.
    void afterCurtain();

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
    QLabel* CurPlNameLbl_ = nullptr;
    QLabel* CurPlStatusLbl_ = nullptr;
    QLabel* CurProdLbl_ = nullptr;
    QLabel* CurShipsLbl_ = nullptr;
    QLabel* CurHostLbl_ = nullptr;
    QLabel* ScoreLbl_ = nullptr;  // a game of a chosen length: the scores and the years left
    QLabel* CurPlanetPct_ = nullptr;
    QLabel* CurPlayerSimPct_ = nullptr;

    IconCache panelIcons_;
    HandOverScreen* handOver_ = nullptr;
    int lastHuman_ = -1;

    // Kept across Cancel so the next New Game shows the entries left in it.
    QPointer<NewGameFrm> newGame_;
    QPointer<DispTurnSumFrm> summary_;
    QPointer<frmSplash> splash_;
    std::vector<QPointer<QWidget>> privateWindows_;
    // What the turn's passing has for the player, until the curtain is lifted.
    std::vector<std::string> toTell_;
    bool summaryDue_ = false;

    // The item of each row of commands(), in the same order; null for a map row.
    std::vector<QAction*> items_;
    QAction* SkipETDispItem_ = nullptr;
    QAction* SoundsOffItem_ = nullptr;

    int mainFormState_ = 0;
    bool turnPassing_ = false;
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
