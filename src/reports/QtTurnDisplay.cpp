// The turn engine's display on screen: it drives the battle report window and the message
// window, times the animations and plays the sounds.
#include <QLabel>

#include "game/numbers.h"
#include "reports/TurnRepFrm.h"
#include "reports/event_wait.h"

namespace zenthar::ui {

namespace {

QString fromStd(const std::string& s) {
    return QString::fromStdString(s);
}

const char* soundFile(Sound sound) {
    switch (sound) {
        case Sound::Laser:
            return "laserfr3.wav";
        case Sound::Landing:
            return "spcshlnd.wav";
        case Sound::Explosion:
            return "explode.wav";
    }
    return "";
}

}  // namespace

QtTurnDisplay::QtTurnDisplay(QWidget* mainWindow, const zenthar::GameState& st,
                             std::filesystem::path programFolder)
    : mainWindow_(mainWindow),
      st_(st),
      folder_(std::move(programFolder)),
      sounds_(std::make_unique<SoundPlayer>(folder_)) {}

QtTurnDisplay::~QtTurnDisplay() {
    // Without a main window nobody else owns the windows.
    delete info_.data();
    delete frm_.data();
}

TurnRepFrm& QtTurnDisplay::window() {
    if (!frm_) frm_ = new TurnRepFrm(*this, folder_, mainWindow_.data());
    return *frm_;
}

DispInfoDlg& QtTurnDisplay::messageWindow() {
    if (!info_) info_ = new DispInfoDlg(&window());
    return *info_;
}

void QtTurnDisplay::wait(int ms) {
    WaitProcessingEvents(static_cast<int>(ms * timeScale_));
}

void QtTurnDisplay::finishPendingStep() {
    if (!frm_) {
        pending_ = Pending::None;
        return;
    }
    switch (pending_) {
        case Pending::LaserShown:
            frm_->eraseLaser();
            break;
        case Pending::ShipLanded:
            frm_->TrackerImg->hide();
            frm_->TrackerImg->move(trackerHome_);
            break;
        case Pending::None:
            break;
    }
    pending_ = Pending::None;
}

void QtTurnDisplay::showWindow() {
    finishPendingStep();
    TurnRepFrm& w = window();
    w.show();
    w.raise();
    WaitProcessingEvents(0);
}

void QtTurnDisplay::hideWindow() {
    finishPendingStep();
    if (frm_) frm_->hide();
}

void QtTurnDisplay::setPlanet(const std::string& name) {
    finishPendingStep();
    // The name comes padded to its stored width; the blanks would pull it off centre.
    window().PlanetLbl->setText(fromStd(TrimRight(name)));
}

void QtTurnDisplay::setAttacker(const std::string& name) {
    finishPendingStep();
    window().AttLbl->setText(fromStd(name));
}

void QtTurnDisplay::setDefender(const std::string& name) {
    finishPendingStep();
    window().DefLbl->setText(fromStd(name));
}

void QtTurnDisplay::setCounts(const std::string& attackers, const std::string& defenders) {
    finishPendingStep();
    window().AttShipsLbl->setText(fromStd(attackers));
    window().DefShipsLbl->setText(fromStd(defenders));
}

void QtTurnDisplay::landingAnimation() {
    finishPendingStep();
    TurnRepFrm& w = window();
    QLabel* ship = w.TrackerImg;
    trackerHome_ = ship->pos();
    ship->show();
    ship->raise();
    // Twips are summed and converted once per step so the path does not drift by rounding.
    double dx = -2000;
    double dy = -3000;
    ship->move(trackerHome_ + QPoint(w.twips(dx), w.twips(dy)));
    for (int step = 100; step <= 300; step += 10) {
        dx += step;
        dy += step;
        ship->move(trackerHome_ + QPoint(w.twips(dx), w.twips(dy)));
        wait(200);
    }
    pending_ = Pending::ShipLanded;
}

void QtTurnDisplay::battleRound(int round, int attackers, int defenders) {
    finishPendingStep();
    TurnRepFrm& w = window();
    w.AttShipsLbl->setText(QString::number(attackers));
    w.DefShipsLbl->setText(QString::number(defenders));
    w.SkimmerImg->show();
    w.TrackerImg->show();

    const QPoint skimmer = w.SkimmerImg->pos() + QPoint(w.twips(400), w.twips(400));
    const QPoint tracker = w.TrackerImg->pos() + QPoint(w.twips(500), w.twips(500));
    // The defender opens fire in blue; the attacker answers in red, the other way round.
    if (round % 2 == 0)
        w.drawLaser({skimmer, tracker, QColor(0, 0, 255)});
    else
        w.drawLaser({tracker, skimmer, QColor(255, 0, 0)});
    pending_ = Pending::LaserShown;
    wait(1000);
}

void QtTurnDisplay::battleFinished() {
    finishPendingStep();
    if (!frm_) return;
    frm_->SkimmerImg->hide();
    frm_->TrackerImg->hide();
}

void QtTurnDisplay::beginRebelPhase() {
    finishPendingStep();
    TurnRepFrm& w = window();
    skimmerHome_ = w.SkimmerImg->pos();
    w.SkimmerImg->move(w.ShipBlownUpImg->pos());
    w.SkimmerImg->show();
    rebelAlternate_ = false;
    inRebelPhase_ = true;
}

void QtTurnDisplay::rebelRound(int round, int defenders) {
    finishPendingStep();
    TurnRepFrm& w = window();
    if (!rebelAlternate_) {
        w.SkimmerImg->hide();
        w.ShipBlownUpImg->show();
    } else {
        w.SkimmerImg->show();
        w.ShipBlownUpImg->hide();
    }
    w.AttShipsLbl->setText(QString::number(round));
    w.DefShipsLbl->setText(QString::number(defenders));
    wait(1000);
    w.SkimmerImg->show();
    w.ShipBlownUpImg->hide();
    rebelAlternate_ = !rebelAlternate_;
}

void QtTurnDisplay::endRebelPhase() {
    finishPendingStep();
    if (!frm_) return;
    frm_->ShipBlownUpImg->hide();
    frm_->SkimmerImg->hide();
    if (inRebelPhase_) frm_->SkimmerImg->move(skimmerHome_);
    inRebelPhase_ = false;
    frm_->hide();
}

void QtTurnDisplay::showMessage(const std::string& text) {
    finishPendingStep();
    messageWindow().showMessage(fromStd(text));
}

void QtTurnDisplay::playSound(Sound sound) {
    // With "Sounds Off" no time at all is spent on sounds, whoever asks.
    if (!st_.SoundsOff && timeScale_ > 0) sounds_->play(soundFile(sound));
    finishPendingStep();
}

}  // namespace zenthar::ui
