// The Send Ships dialog; the checks and the launch live in orders/sendships.
#include "orders/SendShipsFrm.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "orders/sendships.h"
#include "ui/units.h"

namespace zenthar::ui {
namespace {

QString FromText(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

SendShipsFrm::SendShipsFrm(zenthar::Game& game, QWidget* parent) : QDialog(parent), game_(game) {
    setObjectName("SendShipsFrm");
    setWindowTitle("Send Ships");
    UseDialogFont(this);

    Label2_ = new QLabel("From:", this);
    Label2_->setObjectName("Label2");
    FromPlLbl_ = new QLabel(this);
    FromPlLbl_->setObjectName("FromPlLbl");
    QFont bold = FromPlLbl_->font();
    bold.setBold(true);
    FromPlLbl_->setFont(bold);
    FromPlLbl_->setMinimumWidth(180);
    Label1_ = new QLabel("To:", this);
    Label1_->setObjectName("Label1");
    PlSendCmb_ = new QComboBox(this);
    PlSendCmb_->setObjectName("PlSendCmb");
    PlSendCmb_->setEditable(false);  // only planets of the list can be chosen
    PlSendCmb_->setMaxVisibleItems(15);
    // Orders are final: the player sees how far and how long before sending.
    ArrivalLbl_ = new QLabel(this);
    ArrivalLbl_->setObjectName("ArrivalLbl");
    ArrivalLbl_->setAccessibleName("Arrival");
    QPalette quiet = ArrivalLbl_->palette();
    quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
    ArrivalLbl_->setPalette(quiet);
    Label3_ = new QLabel("Ships:", this);
    Label3_->setObjectName("Label3");
    SendShipsEdt_ = new QLineEdit(this);
    SendShipsEdt_->setObjectName("SendShipsEdt");
    SendShipsEdt_->setMaxLength(12);
    SendShipsEdt_->setAlignment(Qt::AlignRight);
    SendShipsEdt_->setFixedWidth(70);
    Label1_->setBuddy(PlSendCmb_);
    Label3_->setBuddy(SendShipsEdt_);

    SendBtn_ = new QPushButton("Send", this);
    SendBtn_->setObjectName("SendBtn");
    SendBtn_->setDefault(true);
    CancelBtn_ = new QPushButton("Close", this);
    CancelBtn_->setObjectName("CancelBtn");
    CancelBtn_->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->addWidget(Label2_, 0, 0);
    grid->addWidget(FromPlLbl_, 0, 1, 1, 2);
    grid->addWidget(Label1_, 1, 0);
    grid->addWidget(PlSendCmb_, 1, 1, 1, 2);
    grid->addWidget(ArrivalLbl_, 2, 1, 1, 2);
    grid->addWidget(Label3_, 3, 0);
    grid->addWidget(SendShipsEdt_, 3, 1);
    grid->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SendBtn_);
    buttons->addWidget(CancelBtn_);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 14, 14, 12);
    outer->setSpacing(14);
    outer->addLayout(grid);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    SendShipsEdt_->installEventFilter(this);
    connect(SendBtn_, &QPushButton::clicked, this, [this] { SendBtn_Click(); });
    connect(CancelBtn_, &QPushButton::clicked, this, [this] { CancelBtn_Click(); });
    connect(PlSendCmb_, &QComboBox::currentIndexChanged, this, [this] { PlSendCmb_Change(); });
    Form_Load();
}

void SendShipsFrm::Form_Load() {
    const GameState& st = game_.st;
    PlSendCmb_->clear();
    for (const std::string& name : zenthar::SendDestinations(st))
        PlSendCmb_->addItem(FromText(zenthar::Trim(name)), FromText(name));
    PlSendCmb_->setCurrentIndex(0);
    if (st.validPlanet(st.SelectedPlanet))
        FromPlLbl_->setText(FromText(st.planet(st.SelectedPlanet).Name.trimmed()));
    SendShipsEdt_->setText(FromText(zenthar::SourceShipsText(st)));
    PlSendCmb_Change();
}

void SendShipsFrm::chooseDestination(int planet) {
    if (planet >= 0 && planet < PlSendCmb_->count()) PlSendCmb_->setCurrentIndex(planet);
}

void SendShipsFrm::PlSendCmb_Change() {
    ArrivalLbl_->setText(FromText(zenthar::ArrivalText(game_.st, PlSendCmb_->currentIndex())));
}

void SendShipsFrm::SendShipsEdt_GotFocus() {
    SendShipsEdt_->setSelection(
        0, static_cast<int>(zenthar::Trim(SendShipsEdt_->text().toStdString()).size()));
}

void SendShipsFrm::SendShipsEdt_LostFocus() {
    if (auto cap = zenthar::CapShipsTyped(game_.st, SendShipsEdt_->text().toStdString())) {
        game_.dialogs.inform(cap->message);
        SendShipsEdt_->setText(FromText(cap->text));
    }
}

void SendShipsFrm::SendBtn_Click() {
    if (auto refusal = zenthar::SendShips(game_.st, PlSendCmb_->currentIndex(),
                                          SendShipsEdt_->text().toStdString())) {
        game_.dialogs.inform(*refusal);
        return;
    }
    SendShipsEdt_->setText(FromText(zenthar::SourceShipsText(game_.st)));
}

void SendShipsFrm::CancelBtn_Click() {
    reject();
}

void SendShipsFrm::reject() {
    QDialog::reject();
    game_.view.DrawGalaxyMap();
}

bool SendShipsFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SendShipsEdt_) {
        if (event->type() == QEvent::FocusIn) {
            // After the click that brought the focus has placed its caret.
            QTimer::singleShot(0, this, [this] {
                if (SendShipsEdt_->hasFocus()) SendShipsEdt_GotFocus();
            });
        } else if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                SendShipsEdt_LostFocus();
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zenthar::ui
