// The Tools and Help menus: Find Planet, the two option switches saved with the game, the
// browser that shows the help page, the help itself and About.
#include <QAction>

#include "app/Zenthar.h"
#include "options/HelpFrm.h"
#include "options/IntBrowserDlg.h"
#include "options/PlanetSearchFrm.h"
#include "options/frmSplash.h"
#include "options/help.h"

namespace zenthar::ui {

void Zenthar::SearchItem_Click() {
    PlanetSearchFrm::run(game_, this, [this](const PlanetSearchMatch& match) {
        ShowPlanetInfo(match.planet, false);
        // At the default scale the match's own scroll values; zoomed, what keeps it in view.
        if (!scrollToPlanet(match.planet)) DrawGalaxyMap();
    });
}

// The check marks show the two switches of the game state.
void Zenthar::syncOptionMarks() {
    SkipETDispItem_->setChecked(game_.st.SkipEndTurnScreen);
    SoundsOffItem_->setChecked(game_.st.SoundsOff);
}

void Zenthar::SkipETDispItem_Click() {
    game_.st.SkipEndTurnScreen = !game_.st.SkipEndTurnScreen;
    syncOptionMarks();
    if (game_.st.GameActive) noteChange();
}

void Zenthar::SoundsOffItem_Click() {
    game_.st.SoundsOff = !game_.st.SoundsOff;
    syncOptionMarks();
    if (game_.st.GameActive) noteChange();
}

void Zenthar::IntBrowserItem_Click() {
    IntBrowserDlg dlg(game_.SettingsFile(), this, &dialogs_);
    dlg.exec();
}

void Zenthar::HelpIndexItem_Click() {
    // The launcher stays with the window, which hears of the browser's end through it.
    auto* launcher = findChild<QtProgramLauncher*>();
    if (!launcher) launcher = new QtProgramLauncher(this);
    HelpIndex(game_, *launcher, [this] {
        QPointer<HelpFrm> open = findChild<HelpFrm*>();
        HelpFrm::showHelp(open, HelpPage(game_.ProgramFolder), this);
    });
}

void Zenthar::AboutItem_Click() {
    frmSplash::showAbout(splash_, folders_.program, this);
}

}  // namespace zenthar::ui
