// A main window on a private program folder (data files, template and pictures), with its
// message boxes answered by the test and the turn display at full speed.
#pragma once

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <deque>
#include <vector>

#include "app/GalaxyMap.h"
#include "app/Zenthar.h"
#include "reports/DispInfoDlg.h"
#include "support/widgets.h"

namespace zenthar::testing {

class AppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CopyPictures(folder.path());
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

    GameState& st() { return window->game().st; }
    GalaxyBuilder galaxy() { return GalaxyBuilder(window->game()); }
    ui::GalaxyMap& map() { return *child<ui::GalaxyMap>("GalaxyMap"); }
    // Two players: Ann's capital at x 20, Bob's at x 4; Ann's turn.
    void twoPlayers() {
        // clang-format off
        galaxy().players({"Ann", "Bob"})
            .planet(0, 20, 12).owner(0).home().ships(30).production(3, 6)
            .planet(1, 4, 7).owner(1).home().ships(25)
            .planet(2, 23, 14).owner(0).ships(10).production(3, 6)
            .planet(3, 25, 15).ships(8)
            .build();
        // clang-format on
        window->ShowLoadedGame();
    }

    // The same two players in a galaxy of five planets, the fewest a saved game may hold.
    void twoPlayersToSave() {
        // clang-format off
        galaxy().players({"Ann", "Bob"})
            .planet(0, 20, 12).owner(0).home().ships(30).production(1, 6)
            .planet(1, 4, 7).owner(1).home().ships(25)
            .planet(2, 23, 14).owner(0).ships(10).production(3, 6)
            .planet(3, 25, 15).ships(8)
            .planet(4, 30, 20).ships(5)
            .build();
        // clang-format on
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

    // From now on the year end's messages are closed as they come.
    void closeYearEndMessages() {
        QObject::connect(&messageCloser_, &QTimer::timeout, [] {
            if (auto* dlg = qobject_cast<ui::DispInfoDlg*>(QApplication::activeModalWidget()))
                FindChild<QPushButton>(dlg, "OKButton")->click();
        });
        messageCloser_.start(0);
    }

    TempProgramFolder folder;
    std::unique_ptr<ui::Zenthar> window;
    std::vector<MessageRequest> asked;
    std::deque<Answer> answers;

  private:
    QTimer messageCloser_;
};

}  // namespace zenthar::testing
