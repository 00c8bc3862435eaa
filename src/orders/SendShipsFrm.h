// The Send Ships dialog: from the selected planet, to any planet of the list, so many ships.
// Each Send launches one task force; the dialog stays open until Close.
#pragma once

#include <QDialog>

#include "game/game.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zenthar::ui {

class SendShipsFrm : public QDialog {
    Q_OBJECT

  public:
    explicit SendShipsFrm(zenthar::Game& game, QWidget* parent = nullptr);

    // Lists the destinations, names the source and shows its ships.
    void Form_Load();
    // Opened by pointing at a planet on the map: that planet is the destination.
    void chooseDestination(int planet);
    // Shows how far the chosen destination is and when ships sent now would land.
    void PlSendCmb_Change();
    // Selects the number in the box, so typing replaces it.
    void SendShipsEdt_GotFocus();
    // Caps the number at the source planet's ships.
    void SendShipsEdt_LostFocus();
    // Checks the order and launches one task force.
    void SendBtn_Click();
    // Closes the dialog; the map is drawn again with the new fleets.
    void CancelBtn_Click();

    // Escape and the window's close button end up here as well.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    zenthar::Game& game_;
    QLabel* Label2_ = nullptr;
    QLabel* FromPlLbl_ = nullptr;
    QLabel* Label1_ = nullptr;
    QComboBox* PlSendCmb_ = nullptr;
    QLabel* ArrivalLbl_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLineEdit* SendShipsEdt_ = nullptr;
    QPushButton* SendBtn_ = nullptr;
    QPushButton* CancelBtn_ = nullptr;
};

}  // namespace zenthar::ui
