// The New Game dialog: number of players, their names, capitals, symbols and who plays them,
// the number of planets, the game type, the Empire's skill and the game's length. OK creates the
// game; Cancel only hides the dialog so the entries are still there next time.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "game/game.h"
#include "setup/newgame.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zenthar::ui {

class NewGameFrm : public QDialog {
    Q_OBJECT

  public:
    explicit NewGameFrm(zenthar::Game& game, QWidget* parent = nullptr);

    // Fills the lists and symbols and sets every control to its default.
    void Form_Load();
    // Enables the name boxes of the chosen number of players and disables the rest.
    void PlayerNumCmb_LostFocus();
    // Steps row `index` to the next symbol of the cycle.
    void PlayerSimbol_Click(int index);
    // The range check of the number of planets; an out-of-range value becomes "5".
    void StarsNumberEdt_LostFocus();
    // Checks the choices and, when they pass, creates the game and closes with Accepted.
    void OkBtn_Click();
    // Hides the dialog (Rejected), keeping every entry.
    void CancelBtn_Click();

    // The choices as they stand, in the form the core checks.
    zenthar::NewGameSettings settings() const;
    // The symbol icon file name of each row.
    const std::array<std::string, 4>& symbols() const { return symbols_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void showSymbol(int index);
    // A rectangle of the layout in twips, in pixels of this screen.
    QRect twips(int left, int top, int width, int height) const;
    // Places a control on its twips rectangle; controls that need more height than the
    // rectangle gives keep its vertical centre.
    void place(QWidget* w, int left, int top, int width, int height);

    zenthar::Game& game_;
    std::array<std::string, 4> symbols_;

    QLabel* Label1_ = nullptr;
    QComboBox* PlayerNumCmb_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* StarsNumberEdt_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QRadioButton* SimpleOpt_ = nullptr;
    QRadioButton* AdvancedOpt_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* Label4_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLabel* SeatLbl_ = nullptr;
    std::array<QLineEdit*, 4> PlayerEdt_{};
    std::array<QComboBox*, 4> HomePlanet_{};
    std::array<QLabel*, 4> PlayerSimbol_{};
    std::array<QComboBox*, 4> SeatCmb_{};
    QLabel* Label5_ = nullptr;
    QComboBox* SkillCmb_ = nullptr;
    QLabel* LengthLbl_ = nullptr;
    QComboBox* LengthCmb_ = nullptr;
    QLineEdit* LengthEdt_ = nullptr;
    QPushButton* OkBtn_ = nullptr;
    QPushButton* CancelBtn_ = nullptr;
};

}  // namespace zenthar::ui
