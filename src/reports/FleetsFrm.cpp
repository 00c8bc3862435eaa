// The Fleets in Flight window; the list itself comes from reports/fleets_in_flight.
#include "reports/FleetsFrm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/units.h"
#include "ui/window_title.h"

namespace zenthar::ui {

FleetsFrm::FleetsFrm(zenthar::Game& game, QWidget* parent)
    : QDialog(parent), fleets_(zenthar::FleetsInFlight(game.st)) {
    setObjectName("FleetsFrm");
    setWindowTitle("Fleets in Flight");
    UseDialogFont(this);

    NoneLbl_ = new QLabel("You have no fleets in flight.", this);
    NoneLbl_->setObjectName("NoneLbl");
    FleetLst_ = new QTreeWidget(this);
    FleetLst_->setObjectName("FleetLst");
    FleetLst_->setAccessibleName("Fleets in flight");
    FleetLst_->setRootIsDecorated(false);
    FleetLst_->setUniformRowHeights(true);
    FleetLst_->setAllColumnsShowFocus(true);
    FleetLst_->setHeaderLabels({"From", "To", "Ships", "Arrives", "Years left"});
    for (const zenthar::FleetInFlight& f : fleets_) {
        auto* row = new QTreeWidgetItem(
            FleetLst_, QStringList{QString::fromStdString(f.fromName),
                                   QString::fromStdString(f.toName), QString::number(f.ships),
                                   QString::number(f.arrival), QString::number(f.yearsLeft)});
        for (int c = 2; c < 5; ++c) row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int c = 2; c < 5; ++c)
        FleetLst_->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    FleetLst_->header()->setStretchLastSection(false);
    FleetLst_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FleetLst_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    // Wide enough for two long names side by side, high enough for a dozen fleets.
    const QFontMetrics metrics(font());
    FleetLst_->setMinimumSize(metrics.horizontalAdvance(QString(52, QLatin1Char('n'))),
                              metrics.lineSpacing() * 14);
    NoneLbl_->setVisible(fleets_.empty());
    FleetLst_->setVisible(!fleets_.empty());
    if (!fleets_.empty()) FleetLst_->setCurrentItem(FleetLst_->topLevelItem(0));

    ShowBtn_ = new QPushButton("&Show on Map", this);
    ShowBtn_->setObjectName("ShowBtn");
    ShowBtn_->setDefault(true);
    ShowBtn_->setEnabled(!fleets_.empty());
    CloseBtn_ = new QPushButton("Close", this);
    CloseBtn_->setObjectName("CloseBtn");
    CloseBtn_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ShowBtn_);
    buttons->addWidget(CloseBtn_);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 14, 14, 12);
    outer->setSpacing(12);
    outer->addWidget(NoneLbl_);
    outer->addWidget(FleetLst_, 1);
    outer->addLayout(buttons);

    KeepTitleWhole(this);

    connect(ShowBtn_, &QPushButton::clicked, this, &FleetsFrm::ShowBtn_Click);
    connect(CloseBtn_, &QPushButton::clicked, this, &QDialog::reject);
    // Enter activates a row on every desktop; a double click does not on all of them.
    connect(FleetLst_, &QTreeWidget::itemActivated, this, [this] { ShowBtn_Click(); });
    connect(FleetLst_, &QTreeWidget::itemDoubleClicked, this, [this] { ShowBtn_Click(); });
}

void FleetsFrm::ShowBtn_Click() {
    const int row = FleetLst_->indexOfTopLevelItem(FleetLst_->currentItem());
    if (row < 0 || row >= static_cast<int>(fleets_.size())) return;
    chosen_ = fleets_[static_cast<std::size_t>(row)].to;
    accept();
}

}  // namespace zenthar::ui
