// The Find Planet dialog.
#include "options/PlanetSearchFrm.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "ui/units.h"

namespace zenthar::ui {

PlanetSearchFrm::PlanetSearchFrm(zenthar::Game& game, QWidget* parent)
    : QDialog(parent), game_(game) {
    setObjectName("PlanetSearchFrm");
    setWindowTitle("Planet Search");
    setModal(true);
    const double dpi = logicalDpiX();
    auto tw = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
    setFixedSize(tw(4485), tw(2625));

    Label1_ = new QLabel("Planet to find:", this);
    Label1_->setObjectName("Label1");
    Label1_->setGeometry(tw(360), tw(360), tw(3000), tw(285));
    PlSearchCmb_ = new QComboBox(this);
    PlSearchCmb_->setObjectName("PlSearchCmb");
    Label1_->setBuddy(PlSearchCmb_);
    // A list to pick from: what is chosen is always a stored name, blanks and all.
    PlSearchCmb_->setEditable(false);
    PlSearchCmb_->setMaxVisibleItems(16);
    PlSearchCmb_->setGeometry(tw(360), tw(720), tw(3765),
                              std::max(tw(315), PlSearchCmb_->sizeHint().height()));

    OkBtn_ = new QPushButton("Ok", this);
    OkBtn_->setObjectName("OkBtn");
    OkBtn_->setDefault(true);
    CancelBtn_ = new QPushButton("Cancel", this);
    CancelBtn_->setObjectName("CancelBtn");
    const int buttonH = std::max(tw(375), OkBtn_->sizeHint().height());
    const int buttonTop = tw(2625) - tw(360) - buttonH;
    OkBtn_->setGeometry(tw(1440), buttonTop, tw(1215), buttonH);
    CancelBtn_->setGeometry(tw(2910), buttonTop, tw(1215), buttonH);
    connect(OkBtn_, &QPushButton::clicked, this, &PlanetSearchFrm::OkBtn_Click);
    connect(CancelBtn_, &QPushButton::clicked, this, &PlanetSearchFrm::CancelBtn_Click);

    Form_Load();
}

void PlanetSearchFrm::Form_Load() {
    const GameState& st = game_.st;
    const int planets = std::clamp(st.PlanetsNum, 0, kPlanetSlots);
    for (int i = 0; i < planets; ++i)
        PlSearchCmb_->addItem(QString::fromStdString(st.planet(i).Name.padded()), i);
    if (PlSearchCmb_->count() > 0) PlSearchCmb_->setCurrentIndex(0);
    OkBtn_->setEnabled(PlSearchCmb_->count() > 0);
}

void PlanetSearchFrm::OkBtn_Click() {
    const int index = PlSearchCmb_->currentIndex();
    if (index < 0) return;
    // The stored name itself, with its trailing blanks, as the list shows it.
    const int planet = PlSearchCmb_->itemData(index).toInt();
    if (!game_.st.validPlanet(planet)) return;
    game_.st.SearchPlanetName = game_.st.planet(planet).Name.padded();
    accept();
}

void PlanetSearchFrm::CancelBtn_Click() {
    reject();
}

int PlanetSearchFrm::run(zenthar::Game& game, QWidget* parent,
                         const std::function<void(const zenthar::PlanetSearchMatch&)>& showPlanet) {
    if (!game.st.GameActive || game.st.PlanetsNum <= 0) return 0;
    PlanetSearchFrm dialog(game, parent);
    if (dialog.exec() != QDialog::Accepted) return 0;
    return SearchPlanet(game.st, game.st.SearchPlanetName, showPlanet);
}

}  // namespace zenthar::ui
