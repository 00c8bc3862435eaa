// A main window on a private program folder (data files, template and pictures), with its
// message boxes answered by the test and the turn display at full speed.
#pragma once

#include <QAction>
#include <QPushButton>
#include <QScrollBar>

#include "app/GalaxyMap.h"
#include "app/Zenthar.h"
#include "reports/DispInfoDlg.h"
#include "support/widgets.h"

namespace zenthar::testing {

class AppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CopyPictures(folder.path());
        openWindow();
    }

    // A fresh main window on the test's folder: the questions are answered from `answers` (the
    // default button once they run out) and the turn display runs at full speed.
    void openWindow() {
        window = std::make_unique<ui::Zenthar>(folder.path());
        window->dialogs().setAnswerer([this](const MessageRequest& r) {
            asked.push_back(r);
            if (answers.empty()) return r.buttons == Buttons::Ok ? Answer::Ok : r.defaultButton;
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        });
        window->turnDisplay().setTimeScale(0);
    }

    void TearDown() override {
        // Nothing may ask on the way out of a test.
        if (window) window->game().st.GameActive = false;
        window.reset();
    }

    // Starts the window up and shows it with an inner area of the given size in pixels.
    void startShown(int mapWidth = 1200, int mapHeight = 800) {
        ASSERT_TRUE(window->startUp());
        window->show();
        QApplication::processEvents();
        setMapSize(mapWidth, mapHeight);
    }

    // The window grows by what the map is to grow; its frame and panel keep their size.
    void setMapSize(int w, int h) {
        window->resize(window->size() - map().size() + QSize(w, h));
        QApplication::processEvents();
    }

    // From now on the file dialog answers with nextPath; what was asked for is kept.
    void answerFileDialogs() {
        window->setFileChooser([this](ui::Zenthar::FileDialogKind kind, const QString& folder) {
            choices.push_back(kind);
            folders.push_back(folder);
            return nextPath;
        });
    }
    fs::path games(const char* name) { return window->game().GamesFolder() / name; }
    QString gamesPath(const char* name) { return QString::fromStdString(games(name).string()); }

    // A fresh run of the program on the same folder, started up and shown.
    void startAgain(int mapWidth = 1200, int mapHeight = 800) {
        TearDown();  // the program ends as at the end of a test
        openWindow();
        startShown(mapWidth, mapHeight);
    }
    // End Turn, and the next player comes to the screen and lifts the hand-over screen.
    void endTurn() {
        window->EndTurnItem_Click();
        if (window->playerHidden())
            QTest::keyClick(child<QWidget>("HandOverScreen"), Qt::Key_Space);
    }

    // A command given as its menu item, key or map gesture gives it: through the window's gate.
    void give(const char* name) { window->give(ui::Zenthar::command(name)); }

    GameState& st() { return window->game().st; }
    GalaxyBuilder galaxy() { return GalaxyBuilder(window->game()); }
    ui::GalaxyMap& map() { return *child<ui::GalaxyMap>("GalaxyMap"); }
    // Two players: Ann's capital at x 20, Bob's at x 4; Ann's turn. Five planets, the fewest a
    // saved game may hold, add one more of the Empire's.
    void twoPlayers(int planets = 4) {
        GalaxyBuilder g = galaxy();
        // clang-format off
        g.players({"Ann", "Bob"})
            .planet(0, 20, 12).owner(0).home().ships(30).production(3, 6)
            .planet(1, 4, 7).owner(1).home().ships(25)
            .planet(2, 23, 14).owner(0).ships(10).production(3, 6)
            .planet(3, 25, 15).ships(8);
        // clang-format on
        if (planets > 4) g.planet(4, 30, 20).ships(5);
        g.build();
        window->ShowLoadedGame();
    }

    template <class T>
    T* child(const char* name) {
        return FindChild<T>(window.get(), name);
    }
    auto texts(std::initializer_list<const char*> labels) { return Texts(window.get(), labels); }
    QScrollBar* horiz() { return child<QScrollBar>("HorizScrl"); }
    QScrollBar* vert() { return child<QScrollBar>("VertScrl"); }
    std::pair<int, int> scroll() { return {horiz()->value(), vert()->value()}; }

    // From now on the year end's messages are closed as they come; hiddenAtMessages notes for
    // each whether the hand-over screen hid the player meanwhile.
    void closeYearEndMessages() {
        QObject::connect(&messageCloser_, &QTimer::timeout, [this] {
            if (auto* dlg = qobject_cast<ui::DispInfoDlg*>(QApplication::activeModalWidget())) {
                hiddenAtMessages.push_back(window->playerHidden());
                FindChild<QPushButton>(dlg, "OKButton")->click();
            }
        });
        messageCloser_.start(0);
    }

    TempProgramFolder folder;
    std::unique_ptr<ui::Zenthar> window;
    std::vector<MessageRequest> asked;
    std::deque<Answer> answers;
    QString nextPath;
    std::vector<bool> hiddenAtMessages;
    std::vector<ui::Zenthar::FileDialogKind> choices;
    std::vector<QString> folders;

  private:
    QTimer messageCloser_;
};

// The window started up and shown, its file dialogs answering with nextPath.
class ShownAppTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        answerFileDialogs();
        startShown();
    }
};

}  // namespace zenthar::testing
