// A whole game against the Empire played the way a player plays it: the New Game dialog, clicks
// on the map, the Send Ships dialog, double clicks to raise production, End Turn with the battle
// window and its messages, a save and a load through the File menu, and the two options. The
// rules must hold after every year end and nothing may be lost on the way.
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "app/app_fixture.h"
#include "sim/invariants.h"
#include "sim/simulation.h"
#include "support/savegame_tools.h"
#include "turn/endturn.h"
#include "turn/lookups.h"

namespace zenthar::testing {
namespace {

// A galaxy and a run of dice in which Ann beats the Empire after a century of fighting.
constexpr unsigned long long kSeed = 1;

class FullGameTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        window->dialogs().setAnswerer([this](const MessageRequest& r) {
            asked.push_back(r);
            // The player wants the production, the load, and the end of victory boxes.
            return r.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
        });
        window->setFileChooser(
            [this](ui::Zenthar::FileDialogKind, const QString&) { return savePath; });
        messagesRead = &closeYearEndMessages();
    }

    bool owns(int planet) const {
        return window->game().st.planet(planet).digit(window->game().st.CurrentPlTurn) >= 2;
    }

    // The planet the fleet from `from` should go for: the nearest one not owned.
    int targetFor(int from) {
        int best = -1;
        for (int i = 0; i < st().PlanetsNum; ++i)
            if (!owns(i) &&
                (best < 0 || PlanetDistance(st(), from, i) < PlanetDistance(st(), from, best)))
                best = i;
        return best;
    }

    // One player's turn: production where it is rich, a fleet from every planet with ships to
    // spare, all through the map and the dialogs.
    void playTurn() {
        for (int p = 0; p < st().PlanetsNum; ++p) {
            if (!owns(p)) continue;
            window->System1_Click(p);
            const PlanetRecord& here = st().planet(p);
            if (here.Ships > 60 && here.Production < here.MaxProd) window->System1_DblClick(p);
            const int spare = st().planet(p).Ships - 8;
            const int target = targetFor(p);
            if (target < 0 || spare < 2 * st().planet(target).Ships + 4) continue;
            const std::string name = Trim(st().planet(target).Name.padded());
            onNextModal([&](QWidget* dlg) {
                auto* to = FindChild<QComboBox>(dlg, "PlSendCmb");
                to->setCurrentIndex(target);
                EXPECT_EQ(Trim(to->currentText().toStdString()), name);
                FindChild<QLineEdit>(dlg, "SendShipsEdt")->setText(QString::number(spare));
                Click(dlg, "SendBtn");
                Click(dlg, "CancelBtn");
            });
            const int before = st().TaskForceLast;
            window->SendItem_Click();
            EXPECT_EQ(st().TaskForceLast, before + 1) << "a fleet to " << name;
            ++fleetsSent;
        }
    }

    QString savePath;
    const int* messagesRead = nullptr;
    int fleetsSent = 0;

    // Sets up Ann's game of eight planets through the New Game dialog.
    void newGame() {
        startShown();
        window->randomSource() = SystemRandom(kSeed);
        onNextModal([](QWidget* dlg) {
            FindChild<QLineEdit>(dlg, "PlayerEdt0")->setText("Ann");
            FindChild<QLineEdit>(dlg, "StarsNumberEdt")->setText("8");
            Click(dlg, "OkBtn");
        });
        window->NewGameItem_Click();
        ASSERT_TRUE(st().GameActive) << (asked.empty() ? "" : asked.back().text);
        ASSERT_EQ(st().PlanetsNum, 8);
    }

    // Ends the year, as the only player, and checks the rules and the window.
    void endYear() {
        const int year = st().CurrentYear;
        window->EndTurnItem_Click();
        ASSERT_EQ(st().CurrentYear, year + 1) << "one player: every End Turn ends the year";
        check(window->game());
        ASSERT_TRUE(check.faults().empty()) << check.report();
        EXPECT_EQ(text("YearLbl").trimmed(), QString("Year: %1").arg(year + 1));
        EXPECT_FALSE(window->commandRunning());
    }

    int asks(const std::string& start) const {
        return static_cast<int>(std::count_if(asked.begin(), asked.end(), [&](const auto& r) {
            return r.text.rfind(start, 0) == 0;
        }));
    }

    sim::InvariantCheck check;
};

TEST_F(FullGameTest, AnnBeatsTheEmpireWithSavesLoadsAndBothDisplays) {
    newGame();
    savePath = QString::fromStdString((folder.path() / "GAMES" / "midgame.mdb").string());
    std::string saved;
    bool loaded = false;
    const int firstYear = st().CurrentYear;
    while (Winner(window->game()) < 0 && st().CurrentYear < firstYear + 300) {
        const int year = st().CurrentYear;
        playTurn();
        if (year == firstYear + 10 && saved.empty()) {
            window->SaveGameItem_Click();
            saved = DescribeSavedGame(st());
        }
        if (year == firstYear + 30) {
            // The rest of the game shows no battles: the summary window opens instead.
            child<QAction>("SkipETDispItem")->trigger();
            ASSERT_TRUE(st().SkipEndTurnScreen);
        }
        endYear();
        if (HasFatalFailure()) return;
        if (year == firstYear + 11 && !loaded) {
            // Back to the saved year through the File menu, and on from there.
            loaded = true;
            window->LoadGameItem_Click();
            ASSERT_EQ(DescribeSavedGame(st()), saved);
            EXPECT_EQ(st().CurrentYear, firstYear + 10);
        }
    }
    EXPECT_TRUE(loaded);
    EXPECT_EQ(Winner(window->game()), 0);
    EXPECT_GT(fleetsSent, 10);
    EXPECT_GT(*messagesRead, 0) << "the battle window told of landings and battles";
    EXPECT_EQ(asks("Congratulations"), 1);
    EXPECT_EQ(asks("Are you sure that you want to increase the production"),
              static_cast<int>(asked.size()) - 2)
        << "only the load question and the congratulations besides";
    EXPECT_EQ(st().VictoryAnswer, static_cast<int>(Answer::Yes));

    // Yes stops the boxes: the year ends go on without another one.
    endYear();
    EXPECT_EQ(asks("Congratulations"), 1);
}

}  // namespace
}  // namespace zenthar::testing
