// The Production Summary window: for the Empire and every player, the planets owned, their
// total production and the ships stationed on them, as the planet list stands right now.
#pragma once

#include <QDialog>
#include <array>

#include "game/game.h"

class QLineEdit;
class QPushButton;

namespace zenthar::ui {

class ProdSumFrm : public QDialog {
    Q_OBJECT

  public:
    ProdSumFrm(zenthar::Game& game, QWidget* parent);

    // Row 0 the Empire, row r the player r - 1; the cells are named "PlNameLbl_<row>" and so on.
    static constexpr int kRows = 5;

  public slots:
    void CloseBtn_Click();
    // Esc and the window's close box end up here as well.
    void reject() override;

  private:
    void Form_Load();
    QLineEdit* cell(const char* name, const QColor& colour, int left, int top, int width,
                    int height);
    void fillRow(int row, const QString& name, long long owned, long long production,
                 long long ships);

    zenthar::Game& game_;
    bool closing_ = false;
    QLineEdit* Text1_ = nullptr;
    QLineEdit* Text2_ = nullptr;
    QLineEdit* Text3_ = nullptr;
    QLineEdit* Text4_ = nullptr;
    std::array<QLineEdit*, kRows> PlNameLbl_{};
    std::array<QLineEdit*, kRows> PlOwnedLbl_{};
    std::array<QLineEdit*, kRows> TotProdLbLl_{};
    std::array<QLineEdit*, kRows> NumOfFleetfLbl_{};
    QPushButton* CloseBtn_ = nullptr;
};

}  // namespace zenthar::ui
