// The main window's statistics commands: Reports › Statistics, and the story of the game that
// opens once when the game has announced its winner.
#include "app/Zenthar.h"
#include "reports/StatisticsFrm.h"

namespace zenthar::ui {

void Zenthar::StatisticsItem_Click() {
    if (!game_.st.GameActive) return;
    StatisticsFrm frm(game_, StatisticsFrm::Mode::Statistics, this);
    frm.setStoryOpener([this] { openStory(); });
    frm.exec();
}

void Zenthar::openStory() {
    StatisticsFrm frm(game_, StatisticsFrm::Mode::Story, this);
    frm.exec();
}

// Without blocking: the game goes on (it is never ended by itself), and the window may stay
// open beside it.
void Zenthar::showStoryOnce() {
    GameState& st = game_.st;
    if (st.Decided < 0 || st.StoryShown) return;
    st.StoryShown = true;
    auto* story = new StatisticsFrm(game_, StatisticsFrm::Mode::Story, this);
    story->setAttribute(Qt::WA_DeleteOnClose);
    story->setModal(false);
    story->show();
    story->raise();
}

}  // namespace zenthar::ui
