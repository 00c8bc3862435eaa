// The Production Summary window.
#include "reports/ProdSumFrm.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "game/side_totals.h"
#include "ui/units.h"

namespace zenthar::ui {

namespace {

const QColor kDarkGrey(64, 64, 64);
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);

}  // namespace

ProdSumFrm::ProdSumFrm(zenthar::Game& game, QWidget* parent) : QDialog(parent), game_(game) {
    setObjectName("ProdSumFrm");
    setWindowTitle("Production Summary");
    setModal(true);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kDarkGrey);
    setPalette(p);

    const double dpi = logicalDpiX();
    auto tw = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
    // The last column reaches 8775 twips: a right margin as wide as the left one keeps it whole.
    setFixedSize(tw(7200 + 1575 + 240), tw(5820));
    // The cells were sized for a small 8-point face; the headings must fit them.
    QFont f = font();
    f.setPointSizeF(8.25);
    setFont(f);

    Text1_ = cell("Text1", kGreen, 240, 360, 735, 285);
    Text1_->setText("Player");
    Text2_ = cell("Text2", kGreen, 3720, 360, 1455, 285);
    Text2_->setText("Planets Owned");
    Text3_ = cell("Text3", kGreen, 5520, 360, 1575, 285);
    Text3_->setText("Total Production");
    Text4_ = cell("Text4", kGreen, 7200, 360, 1575, 285);
    Text4_->setText("Number of Fleets");
    for (QLineEdit* heading : {Text1_, Text2_, Text3_, Text4_}) {
        heading->setCursorPosition(0);
        heading->setAccessibleName(heading->text());
    }

    for (int r = 0; r < kRows; ++r) {
        const int top = 840 + 360 * r;
        const auto i = static_cast<std::size_t>(r);
        const QString n = QString::number(r);
        PlNameLbl_[i] = cell(qPrintable("PlNameLbl_" + n), kYellow, 240, top, 3255, 285);
        PlOwnedLbl_[i] = cell(qPrintable("PlOwnedLbl_" + n), kYellow, 3720, top, 1335, 285);
        TotProdLbLl_[i] = cell(qPrintable("TotProdLbLl_" + n), kYellow, 5520, top, 1335, 285);
        // As high as its neighbours: a taller cell centres its number lower than theirs.
        NumOfFleetfLbl_[i] = cell(qPrintable("NumOfFleetfLbl_" + n), kYellow, 7200, top, 1335, 285);
        int column = 0;
        for (QLineEdit* c : {PlNameLbl_[i], PlOwnedLbl_[i], TotProdLbLl_[i], NumOfFleetfLbl_[i]}) {
            const QLineEdit* heading = std::array{Text1_, Text2_, Text3_, Text4_}[column++];
            c->setAccessibleName(heading->text() + ", row " + QString::number(r + 1));
        }
        // Rows 2 to 4 stay hidden until a player fills them.
        if (r >= 2)
            for (QLineEdit* c :
                 {PlNameLbl_[i], PlOwnedLbl_[i], TotProdLbLl_[i], NumOfFleetfLbl_[i]})
                c->hide();
    }

    CloseBtn_ = new QPushButton("Close", this);
    CloseBtn_->setObjectName("CloseBtn");
    CloseBtn_->setGeometry(tw(240), tw(5040), tw(975), tw(375));
    CloseBtn_->setDefault(true);
    CloseBtn_->setAutoDefault(true);
    connect(CloseBtn_, &QPushButton::clicked, this, &ProdSumFrm::CloseBtn_Click);

    Form_Load();
    CloseBtn_->setFocus();
}

QLineEdit* ProdSumFrm::cell(const char* name, const QColor& colour, int left, int top, int width,
                            int height) {
    const double dpi = logicalDpiX();
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setFrame(false);
    // The cells are for reading: typed keys and pasted text change nothing.
    e->setReadOnly(true);
    e->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette p = e->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, kDarkGrey);
        p.setColor(group, QPalette::Text, colour);
    }
    e->setPalette(p);
    e->setGeometry(TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(width, dpi),
                   TwipsToPixels(height, dpi));
    return e;
}

void ProdSumFrm::fillRow(int row, const QString& name, long long owned, long long production,
                         long long ships) {
    const auto i = static_cast<std::size_t>(row);
    PlNameLbl_[i]->setText(name);
    PlOwnedLbl_[i]->setText(QString::number(owned));
    TotProdLbLl_[i]->setText(QString::number(production));
    NumOfFleetfLbl_[i]->setText(QString::number(ships));
    for (QLineEdit* c : {PlNameLbl_[i], PlOwnedLbl_[i], TotProdLbLl_[i], NumOfFleetfLbl_[i]}) {
        c->setCursorPosition(0);
        c->show();
    }
}

void ProdSumFrm::Form_Load() {
    const GameState& st = game_.st;
    const auto totals = ComputeProductionTotals(st);
    const OwnerTotals& empire = totals[kEmpire];
    fillRow(0, "Empire", empire.planets, empire.production, empire.ships);
    const int players = std::clamp(st.PlayesNum, 1, kMaxPlayers);
    for (int p = 0; p < players; ++p) {
        const auto i = static_cast<std::size_t>(p);
        fillRow(p + 1, QString::fromStdString(st.PlName[i].padded()), totals[i].planets,
                totals[i].production, totals[i].ships);
    }
}

void ProdSumFrm::CloseBtn_Click() {
    if (closing_) return;
    closing_ = true;
    QDialog::reject();
    game_.view.DrawGalaxyMap();
}

void ProdSumFrm::reject() {
    CloseBtn_Click();
}

}  // namespace zenthar::ui
