// Fleets in Flight: the current player's task forces as a list, soonest arrival first. Enter
// or a double click on one closes the window and shows where it is going on the map.
#pragma once

#include <QDialog>
#include <vector>

#include "game/game.h"
#include "reports/fleets_in_flight.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace zenthar::ui {

class FleetsFrm : public QDialog {
    Q_OBJECT

  public:
    FleetsFrm(zenthar::Game& game, QWidget* parent);

    // The planet to show once the window is closed, or -1.
    int chosenPlanet() const { return chosen_; }

  public slots:
    // Closes the window and shows the chosen fleet's destination.
    void ShowBtn_Click();

  private:
    std::vector<zenthar::FleetInFlight> fleets_;
    QLabel* NoneLbl_ = nullptr;
    QTreeWidget* FleetLst_ = nullptr;
    QPushButton* ShowBtn_ = nullptr;
    QPushButton* CloseBtn_ = nullptr;
    int chosen_ = -1;
};

}  // namespace zenthar::ui
