// The battle report window of the year end ("Turn Report"): who attacks whom at which planet,
// the ship counts round by round, the ships, the laser and the explosions, and the two skip
// buttons.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <filesystem>
#include <utility>
#include <vector>

#include "game/platform.h"

class QLabel;
class QPushButton;

namespace zenthar::ui {

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

}  // namespace zenthar::ui
