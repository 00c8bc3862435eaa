// The turn engine's display on screen: it drives the battle report window and the message
// window, times the animations and plays the sounds.
#include "reports/QtTurnDisplay.h"

#include "game/numbers.h"
#include "reports/DispInfoDlg.h"
#include "reports/TurnRepFrm.h"
#include "reports/event_wait.h"

namespace zenthar::ui {

namespace {

using Ship = TurnRepFrm::Ship;

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
            frm_->showShip(Ship::Tracker, false);
            frm_->moveShip(Ship::Tracker, trackerHome_);
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
    window().setPlanet(fromStd(TrimRight(name)));
}

void QtTurnDisplay::setAttacker(const std::string& name) {
    finishPendingStep();
    window().setAttacker(fromStd(name));
}

void QtTurnDisplay::setDefender(const std::string& name) {
    finishPendingStep();
    window().setDefender(fromStd(name));
}

void QtTurnDisplay::setCounts(const std::string& attackers, const std::string& defenders) {
    finishPendingStep();
    window().setCounts(fromStd(attackers), fromStd(defenders));
}

void QtTurnDisplay::landingAnimation() {
    finishPendingStep();
    TurnRepFrm& w = window();
    trackerHome_ = w.shipPlace(Ship::Tracker);
    w.showShip(Ship::Tracker, true);
    w.raiseShip(Ship::Tracker);
    // Twips are summed and converted once per step so the path does not drift by rounding.
    double dx = -2000;
    double dy = -3000;
    w.moveShip(Ship::Tracker, trackerHome_ + QPoint(w.twips(dx), w.twips(dy)));
    for (int step = 100; step <= 300; step += 10) {
        dx += step;
        dy += step;
        w.moveShip(Ship::Tracker, trackerHome_ + QPoint(w.twips(dx), w.twips(dy)));
        wait(200);
    }
    pending_ = Pending::ShipLanded;
}

void QtTurnDisplay::battleRound(int round, int attackers, int defenders) {
    finishPendingStep();
    TurnRepFrm& w = window();
    w.setCounts(QString::number(attackers), QString::number(defenders));
    w.showShip(Ship::Skimmer, true);
    w.showShip(Ship::Tracker, true);

    const QPoint skimmer = w.shipPlace(Ship::Skimmer) + QPoint(w.twips(400), w.twips(400));
    const QPoint tracker = w.shipPlace(Ship::Tracker) + QPoint(w.twips(500), w.twips(500));
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
    frm_->showShip(Ship::Skimmer, false);
    frm_->showShip(Ship::Tracker, false);
}

void QtTurnDisplay::beginRebelPhase() {
    finishPendingStep();
    TurnRepFrm& w = window();
    skimmerHome_ = w.shipPlace(Ship::Skimmer);
    w.moveShip(Ship::Skimmer, w.shipPlace(Ship::BlownUp));
    w.showShip(Ship::Skimmer, true);
    rebelAlternate_ = false;
    inRebelPhase_ = true;
}

void QtTurnDisplay::rebelRound(int round, int defenders) {
    finishPendingStep();
    TurnRepFrm& w = window();
    // Every other round the rebels' explosion stands in the defender's place.
    w.showShip(Ship::Skimmer, rebelAlternate_);
    w.showShip(Ship::BlownUp, !rebelAlternate_);
    w.setCounts(QString::number(round), QString::number(defenders));
    wait(1000);
    w.showShip(Ship::Skimmer, true);
    w.showShip(Ship::BlownUp, false);
    rebelAlternate_ = !rebelAlternate_;
}

void QtTurnDisplay::endRebelPhase() {
    finishPendingStep();
    if (!frm_) return;
    frm_->showShip(Ship::BlownUp, false);
    frm_->showShip(Ship::Skimmer, false);
    if (inRebelPhase_) frm_->moveShip(Ship::Skimmer, skimmerHome_);
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
