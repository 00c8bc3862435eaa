// The hot seat's curtain between two human players' turns. It comes down before anything of
// the next player is drawn, after the windows that show a player's own view have gone; what the
// turn's passing has to tell waits until the player at the screen lifts it.
#include <QToolTip>

#include "app/GalaxyMap.h"
#include "app/HandOverScreen.h"
#include "app/Zenthar.h"
#include "app/planet_panel.h"

namespace zenthar::ui {

bool Zenthar::playerHidden() const {
    return handOver_ != nullptr && !handOver_->isHidden();
}

void Zenthar::rememberPlayerShown() {
    const GameState& st = game_.st;
    const int now = st.CurrentPlTurn;
    const bool human = st.GameActive && st.validPlayer(now) &&
                       st.Seats[static_cast<std::size_t>(now)] == SeatKind::Human;
    lastHuman_ = human ? now : -1;
}

void Zenthar::passTurn(int endedBy) {
    const GameState& st = game_.st;
    const auto human = [&st](int p) {
        return st.validPlayer(p) && st.Seats[static_cast<std::size_t>(p)] == SeatKind::Human;
    };
    // Whoever ended the turn played last, if a human did; a computer seat's turn leaves the
    // last human as it was.
    if (human(endedBy)) lastHuman_ = endedBy;
    const int last = lastHuman_;
    const int now = st.CurrentPlTurn;
    if (st.GameActive && human(now)) {
        lastHuman_ = now;
        if (last != now && st.validPlayer(last)) lowerCurtain();
    }
    drawTurnStatus();
    DrawGalaxyMap();
    keepRecoveryCopy();
    if (!playerHidden()) afterCurtain();
    refreshCommands();
}

void Zenthar::lowerCurtain() {
    for (const QPointer<QWidget>& window : privateWindows_)
        if (window) window->close();
    privateWindows_.clear();
    QToolTip::hideText();
    showPanel(false);
    const GameState& st = game_.st;
    const int now = st.CurrentPlTurn;
    const auto k = static_cast<std::size_t>(now);
    panelIcons_.setFolder(folders_.program);
    const QPixmap symbol = panelIcons_.pixmap(st.PlSymbol[k].trimmed(), 2 * GalaxyMap::kImageSize,
                                              devicePixelRatioF());
    handOver_->showFor(now, QString::fromStdString(Trim(st.PlName[k].padded())), symbol,
                       QString::fromStdString(YearCaption(st)));
    refreshCommands();
}

// Also when a game replaces the one in play: what waited for its curtain goes with it.
void Zenthar::liftHandOver() {
    if (playerHidden()) handOver_->hide();
    toTell_.clear();
    summaryDue_ = false;
    refreshCommands();
    if (game_.st.GameActive) {
        showPanel(true);
        map_->setFocus(Qt::OtherFocusReason);
    }
}

void Zenthar::curtainLifted() {
    refreshCommands();
    showPanel(true);
    map_->setFocus(Qt::OtherFocusReason);
    // The marks of his own planets were left off while the curtain was down.
    DrawGalaxyMap();
    afterCurtain();
}

void Zenthar::keepPrivate(QWidget* window) {
    std::erase_if(privateWindows_, [](const QPointer<QWidget>& w) { return w.isNull(); });
    privateWindows_.emplace_back(window);
}

void Zenthar::tellPlayer(const std::string& text) {
    if (playerHidden())
        toTell_.push_back(text);
    else
        dialogs_.inform(text);
}

void Zenthar::afterCurtain() {
    showStoryOnce();
    if (std::exchange(summaryDue_, false)) ShowEndTurnSummary();
    for (const std::string& text : std::exchange(toTell_, {})) dialogs_.inform(text);
}

}  // namespace zenthar::ui
