// The Reports menu: the Ownership Map and Show Fleets, the Production Summary, the End Turn
// Report, Fleets in Flight, Statistics, and the Story of the Game that opens once when the game
// has announced its winner. Each shows the player on turn his own view.
#include "app/Zenthar.h"
#include "reports/DispTurnSumFrm.h"
#include "reports/FleetsFrm.h"
#include "reports/OwningMapFrm.h"
#include "reports/ProdSumFrm.h"
#include "reports/StatisticsFrm.h"

namespace zenthar::ui {

void Zenthar::openOwningMap(bool fleets) {
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
    ProdSumFrm frm(game_, this);
    frm.exec();
}

// The summary is read from the report file when it opens; a window still open from an
// earlier year would show an old report, so it makes way for a fresh one.
void Zenthar::openTurnSummary() {
    if (summary_) summary_->close();
    summary_ = new DispTurnSumFrm(game_.ReportPath(), game_.st.Chronicle, this);
    keepPrivate(summary_);
    summary_->show();
    summary_->raise();
}

void Zenthar::LastYearReportItem_Click() {
    openTurnSummary();
}

// A year end whose screens were skipped: the summary waits, as F6 would, for the next player
// to come to the screen.
void Zenthar::ShowEndTurnSummary() {
    if (allowed(command("LastYearReportItem")))
        openTurnSummary();
    else
        summaryDue_ = true;
}

void Zenthar::CloseEndTurnSummary() {
    summaryDue_ = false;
    if (summary_) summary_->close();
}

void Zenthar::FleetsInFlightItem_Click() {
    int chosen = -1;
    {
        FleetsFrm frm(game_, this);
        frm.exec();
        chosen = frm.chosenPlanet();
    }
    // The chosen fleet's destination is shown; either way the map is drawn once.
    if (chosen >= 0) ShowPlanetInfo(chosen, false);
    if (chosen < 0 || !scrollToPlanet(chosen)) DrawGalaxyMap();
}

void Zenthar::StatisticsItem_Click() {
    StatisticsFrm frm(game_, StatisticsFrm::Mode::Statistics, this);
    frm.setStoryOpener([this] { openStory(); });
    frm.exec();
}

void Zenthar::openStory() {
    StatisticsFrm frm(game_, StatisticsFrm::Mode::Story, this);
    frm.exec();
}

// Without blocking: the game goes on (it is never ended by itself), and the window may stay
// open beside it. It is the Statistics window's other face and waits as Statistics would.
void Zenthar::showStoryOnce() {
    GameState& st = game_.st;
    if (st.Decided < 0 || st.StoryShown || !allowed(command("StatisticsItem"))) return;
    st.StoryShown = true;
    auto* story = new StatisticsFrm(game_, StatisticsFrm::Mode::Story, this);
    story->setAttribute(Qt::WA_DeleteOnClose);
    story->setModal(false);
    keepPrivate(story);
    story->show();
    story->raise();
}

}  // namespace zenthar::ui
