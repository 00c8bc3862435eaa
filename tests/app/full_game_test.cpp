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
        window->setFileChooser([this](ui::Zenthar::FileDialogKind, const QString&) {
            return QString::fromStdString((folder.path() / "GAMES" / "midgame.mdb").string());
        });
        messagesRead = &closeYearEndMessages();
    }

    bool owns(int planet) { return st().planet(planet).digit(st().CurrentPlTurn) >= 2; }

    // One player's turn: production where it is rich, and from every planet with ships to spare
    // a fleet to the nearest planet not owned, all through the map and the dialogs.
    void playTurn() {
        for (int p = 0; p < st().PlanetsNum; ++p) {
            if (!owns(p)) continue;
            window->System1_Click(p);
            const PlanetRecord& here = st().planet(p);
            if (here.Ships > 60 && here.Production < here.MaxProd) window->System1_DblClick(p);
            int target = -1;
            for (int i = 0; i < st().PlanetsNum; ++i)
                if (!owns(i) &&
                    (target < 0 || PlanetDistance(st(), p, i) < PlanetDistance(st(), p, target)))
                    target = i;
            const int spare = st().planet(p).Ships - 8;
            if (target < 0 || spare < 2 * st().planet(target).Ships + 4) continue;
            onNextModal([&](QWidget* dlg) {
                FindChild<QComboBox>(dlg, "PlSendCmb")->setCurrentIndex(target);
                FindChild<QLineEdit>(dlg, "SendShipsEdt")->setText(QString::number(spare));
                Click(dlg, "SendBtn");
                Click(dlg, "CancelBtn");
            });
            const int before = st().TaskForceLast;
            window->SendItem_Click();
            EXPECT_EQ(st().TaskForceLast, before + 1) << "a fleet to " << target;
            EXPECT_EQ(st().TaskForceList[static_cast<std::size_t>(before + 1)].EndPl.padded(),
                      st().planet(target).PlanetId.padded());
            ++fleetsSent;
        }
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

    const int* messagesRead = nullptr;
    int fleetsSent = 0;
    sim::InvariantCheck check;
};

TEST_F(FullGameTest, AnnBeatsTheEmpireWithSavesLoadsAndBothDisplays) {
    // Ann's game of eight planets through the New Game dialog.
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
        }
    }
    EXPECT_TRUE(loaded);
    EXPECT_EQ(Winner(window->game()), 0);
    EXPECT_GT(fleetsSent, 10);
    EXPECT_GT(*messagesRead, 0) << "the battle window told of landings and battles";
    const auto production = std::count_if(asked.begin(), asked.end(), [](const auto& r) {
        return r.text.rfind("Are you sure that you want to increase the production", 0) == 0;
    });
    EXPECT_EQ(production, static_cast<long>(asked.size()) - 2)
        << "only the load question and the congratulations besides";
    EXPECT_EQ(asked.back().text.rfind("Congratulations", 0), 0u);
}

}  // namespace
}  // namespace zenthar::testing
