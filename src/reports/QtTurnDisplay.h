// The turn engine's display on screen: it drives the battle report window and the message
// window, times the animations and plays the sounds.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "game/platform.h"
#include "game/state.h"

namespace zenthar::ui {

class DispInfoDlg;
class SoundPlayer;
class TurnRepFrm;

class QtTurnDisplay : public zenthar::TurnDisplay {
  public:
    QtTurnDisplay(QWidget* mainWindow, const zenthar::GameState& st,
                  std::filesystem::path programFolder);
    ~QtTurnDisplay() override;
    QtTurnDisplay(const QtTurnDisplay&) = delete;
    QtTurnDisplay& operator=(const QtTurnDisplay&) = delete;

    // 1 plays at the game's pace; 0.1 ten times faster; 0 never waits and plays no sound.
    void setTimeScale(double scale) { timeScale_ = scale < 0 ? 0 : scale; }
    double timeScale() const { return timeScale_; }

    // The windows, created the first time anything touches them and kept for the program's
    // life.
    TurnRepFrm& window();
    DispInfoDlg& messageWindow();

    void showWindow() override;
    void hideWindow() override;
    void setPlanet(const std::string& name) override;
    void setAttacker(const std::string& name) override;
    void setDefender(const std::string& name) override;
    void setCounts(const std::string& attackers, const std::string& defenders) override;
    // The landed ship stays where it came down until its sound has played (or the engine goes
    // on without one); then it is hidden and parked again. The laser of a round likewise stays
    // up until the round's sound has played.
    void landingAnimation() override;
    void battleRound(int round, int attackers, int defenders) override;
    void battleFinished() override;
    void beginRebelPhase() override;
    void rebelRound(int round, int defenders) override;
    void endRebelPhase() override;
    void showMessage(const std::string& text) override;
    void playSound(Sound sound) override;

  private:
    enum class Pending { None, LaserShown, ShipLanded };
    void finishPendingStep();
    void wait(int ms);

    QPointer<QWidget> mainWindow_;
    const zenthar::GameState& st_;
    std::filesystem::path folder_;
    double timeScale_ = 1.0;
    QPointer<TurnRepFrm> frm_;
    QPointer<DispInfoDlg> info_;
    std::unique_ptr<SoundPlayer> sounds_;

    Pending pending_ = Pending::None;
    QPoint trackerHome_;
    QPoint skimmerHome_;
    bool rebelAlternate_ = false;
    bool inRebelPhase_ = false;
};

}  // namespace zenthar::ui
