// The battle report window of the year end ("Turn Report"): who attacks whom at which planet,
// the ship counts round by round, the ships, the laser and the explosions, and the two skip
// buttons. QtTurnDisplay is the turn engine's view of it (and of the message window).
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "game/platform.h"
#include "game/state.h"
#include "reports/DispInfoDlg.h"

class QLabel;
class QPushButton;

namespace zenthar::ui {

class SoundPlayer;

class TurnRepFrm : public QWidget {
    Q_OBJECT

  public:
    // flags: the display whose skip flags the buttons set.
    TurnRepFrm(TurnDisplay& flags, const std::filesystem::path& programFolder, QWidget* owner);

    // The planet fought over, the two sides and their ships, as the engine tells them.
    void setPlanet(const QString& name);
    void setAttacker(const QString& name);
    void setDefender(const QString& name);
    void setCounts(const QString& attackers, const QString& defenders);

    // The pictures the engine moves about: the attacker's Tracker, the defender's Skimmer and
    // the explosion of the rebels' rounds.
    enum class Ship { Tracker, Skimmer, BlownUp };
    QPoint shipPlace(Ship which) const;
    void moveShip(Ship which, QPoint place);
    void showShip(Ship which, bool shown);
    // Over the names and buttons, as the landing ship comes in.
    void raiseShip(Ship which);

    // The laser is drawn on the window itself, between two points of the window.
    struct Laser {
        QPoint from;
        QPoint to;
        QColor colour;
    };
    void drawLaser(const Laser& laser);
    void eraseLaser();
    bool laserShown() const { return laserShown_; }
    const Laser& laser() const { return laser_; }

    // Twips of the original layout in pixels of this screen.
    int twips(double t) const;

  public slots:
    void SkipBtn_Click();
    void SkipAllBtn_Click();

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The close box: the rest of this year end is skipped, as the player surely meant.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Form_Load();
    void layoutControls();
    QLabel* picture(const char* name, const std::filesystem::path& file);
    void scalePictures();
    QLabel* ship(Ship which) const;

    TurnDisplay& flags_;
    QPushButton* SkipAllBtn_ = nullptr;
    QPushButton* SkipBtn_ = nullptr;
    QLabel* ShipBlownUpImg_ = nullptr;
    QLabel* TrackerImg_ = nullptr;
    QLabel* SkimmerImg_ = nullptr;
    QLabel* Image1_ = nullptr;
    QLabel* AttLbl_ = nullptr;
    QLabel* DefLbl_ = nullptr;
    QLabel* PlanetLbl_ = nullptr;
    QLabel* AttShipsLbl_ = nullptr;
    QLabel* DefShipsLbl_ = nullptr;
    // Each picture's file and its size at scale 1, drawn anew when the window grows.
    struct Picture {
        QLabel* label;
        std::filesystem::path file;
        QSize size;
    };
    void showPicture(const Picture& picture, double scale);
    std::vector<Picture> pictures_;
    double pictureScale_ = 1.0;
    Laser laser_;
    bool laserShown_ = false;
};

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
