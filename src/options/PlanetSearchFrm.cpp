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

    Label1 = new QLabel("Planet to find:", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(tw(360), tw(360), tw(3000), tw(285));
    PlSearchCmb = new QComboBox(this);
    PlSearchCmb->setObjectName("PlSearchCmb");
    Label1->setBuddy(PlSearchCmb);
    // A list to pick from: what is chosen is always a stored name, blanks and all.
    PlSearchCmb->setEditable(false);
    PlSearchCmb->setMaxVisibleItems(16);
    PlSearchCmb->setGeometry(tw(360), tw(720), tw(3765),
                             std::max(tw(315), PlSearchCmb->sizeHint().height()));

    OkBtn = new QPushButton("Ok", this);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    const int buttonH = std::max(tw(375), OkBtn->sizeHint().height());
    const int buttonTop = tw(2625) - tw(360) - buttonH;
    OkBtn->setGeometry(tw(1440), buttonTop, tw(1215), buttonH);
    CancelBtn->setGeometry(tw(2910), buttonTop, tw(1215), buttonH);
    connect(OkBtn, &QPushButton::clicked, this, &PlanetSearchFrm::OkBtn_Click);
    connect(CancelBtn, &QPushButton::clicked, this, &PlanetSearchFrm::CancelBtn_Click);

    Form_Load();
}

void PlanetSearchFrm::Form_Load() {
    const GameState& st = game_.st;
    const int planets = std::clamp(st.PlanetsNum, 0, kPlanetSlots);
    for (int i = 0; i < planets; ++i)
        PlSearchCmb->addItem(QString::fromStdString(st.planet(i).Name.padded()), i);
    if (PlSearchCmb->count() > 0) PlSearchCmb->setCurrentIndex(0);
    OkBtn->setEnabled(PlSearchCmb->count() > 0);
}

void PlanetSearchFrm::OkBtn_Click() {
    const int index = PlSearchCmb->currentIndex();
    if (index < 0) return;
    // The stored name itself, with its trailing blanks, as the list shows it.
    const int planet = PlSearchCmb->itemData(index).toInt();
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
