// Reports › Statistics and the story of the game from the main window: the story opening once
// after the game's own message, never for a game that goes on. The command's key is
// command_table_test.cpp's; that the story waits for a decided game StatisticsFrm_test.cpp's.
#include "app_fixture.h"
#include "reports/StatisticsFrm.h"
#include "turn/endturn.h"

namespace zenthar::testing {
namespace {

using StatisticsCommandTest = ShownAppTest;

TEST_F(StatisticsCommandTest, TheStoryOpensOnceAfterTheEmpiresVictoryIsAnnounced) {
    auto stories = [this] {
        std::vector<ui::StatisticsFrm*> found;
        for (auto* w : window->findChildren<ui::StatisticsFrm*>("GameStoryFrm"))
            if (w->isVisible()) found.push_back(w);
        return found;
    };
    // A year of a game that goes on tells no story.
    twoPlayers();
    closeYearEndMessages();
    for (int i = 0; i < 2; ++i) endTurn();
    ASSERT_EQ(st().CurrentYear, 4101);
    EXPECT_TRUE(stories().empty());
    startAgain();

    galaxy().players({"Ann"}).planet(0, 3, 3).planet(1, 6, 6).build();
    window->ShowLoadedGame();
    std::size_t storiesAtMessage = 99;
    window->dialogs().setAnswerer([&](const MessageRequest& r) {
        asked.push_back(r);
        if (r.text == kEmpireHasWon) storiesAtMessage = stories().size();
        return Answer::Ok;
    });
    window->EndTurnItem_Click();
    ASSERT_EQ(stories().size(), 1u);
    EXPECT_EQ(storiesAtMessage, 0u) << "the game's own message comes first";
    EXPECT_EQ(Text(stories().front(), "OutcomeLbl"), "The Empire has won after 1 year of war.");
    stories().front()->close();
    QApplication::processEvents();

    window->EndTurnItem_Click();  // the message again, the story not
    EXPECT_EQ(std::pair(asked.size(), stories().size()), std::pair(std::size_t{2}, std::size_t{0}));

    // Still there from the Statistics window while the game stays open.
    std::string opened;
    OnNextModal([&](QWidget* statistics) {
        OnNextModal([&](QWidget* story) {
            opened = story->objectName().toStdString();
            story->close();
        });
        Click(statistics, "StoryBtn");
        statistics->close();
    });
    window->StatisticsItem_Click();
    EXPECT_EQ(opened, "GameStoryFrm");
}

}  // namespace
}  // namespace zenthar::testing
