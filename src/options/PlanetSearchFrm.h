// Tools > Find Planet: the player picks a planet by name from a list and the main window
// scrolls the map to it and shows it in the planet panel.
#pragma once

#include <QDialog>
#include <functional>

#include "game/game.h"
#include "options/planet_search.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace zenthar::ui {

class PlanetSearchFrm : public QDialog {
    Q_OBJECT

  public:
    PlanetSearchFrm(zenthar::Game& game, QWidget* parent);

    // The whole command: without a game it does nothing; otherwise it shows the dialog and,
    // after Ok, calls showPlanet for every planet of the chosen name (scroll, panel, redraw
    // are the main window's). Returns the number of planets shown.
    static int run(zenthar::Game& game, QWidget* parent,
                   const std::function<void(const zenthar::PlanetSearchMatch&)>& showPlanet);

  public slots:
    void OkBtn_Click();
    void CancelBtn_Click();

  private:
    void Form_Load();
    zenthar::Game& game_;
    QLabel* Label1_ = nullptr;
    QComboBox* PlSearchCmb_ = nullptr;
    QPushButton* OkBtn_ = nullptr;
    QPushButton* CancelBtn_ = nullptr;
};

}  // namespace zenthar::ui
