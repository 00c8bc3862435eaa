// The surface of the main window: the background stars over the whole inner area, and on the
// map part (right of 5 cm) the planet images System1 with their names printed below them and
// their owners' marks. DrawGalaxyMap decides which planets are in view and how each is marked;
// painting only copies cached pixmaps. The map may be zoomed: one galaxy unit is scale() cm.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QStaticText>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "app/IconCache.h"
#include "game/state.h"
#include "reports/map_marks.h"

namespace zenthar::ui {

class GalaxyMap : public QWidget {
    Q_OBJECT

  public:
    static constexpr double kMapLeftCm = 5.0;  // the planet panel's width
    static constexpr int kImageSize = 32;      // System1 images, logical pixels

    explicit GalaxyMap(QWidget* parent = nullptr);

    // The stars come from the game's state; they are drawn even while no game exists.
    void setState(const GameState* st);
    void setProgramFolder(const std::filesystem::path& folder) { icons_.setFolder(folder); }
    // Whether the map may show the player on turn what only he may see: the marks of his own
    // planets and capital, and the tooltips. Asked at every redraw and tooltip; without it, or
    // while it says no, the map shows only what every player sees (the owners).
    void setPrivateView(std::function<bool()> allowed) { privateView_ = std::move(allowed); }
    // The stars were read anew (start-up).
    void starsChanged();
    // The icon files may have changed (a game was loaded): read them again at the next redraw.
    void refreshIcons();

    // DrawGalaxyMap for scroll position (hv, vv): hides the shown images, clears the surface,
    // then shows every planet in view and sets OnMap accordingly. Nothing without a game.
    void DrawGalaxyMap(GameState& st, int hv, int vv);

    // Centimetres on the screen per galaxy unit; 1 unless zoomed. Takes effect at the next
    // DrawGalaxyMap.
    double scale() const { return scale_; }
    void setScale(double scale);
    // Where System1(i) of a planet at (x, y) would stand at scroll position (hv, vv).
    QRect imageRectAt(int x, int y, int hv, int vv) const;
    // The mark drawn on planet i, while it is in view.
    std::optional<zenthar::PlanetMark> markOf(int i) const;
    // The tooltip over a point of the map: the planet's text, or empty.
    QString toolTipAt(QPoint pos) const;
    // The tooltip as it is shown: the same text, its owner's line marked in the owner's colour.
    QString toolTipShown(QPoint pos) const;
    // What the empty galaxy says about how to begin, with the keys of the window's own New
    // Game and Open Game commands; empty while a game is shown.
    QStringList startHint() const;
    // Where the start hint is drawn, centred in the map's part of the window.
    QRect startHintRect() const;

    double pxPerCm() const;
    // Inner width and height in centimetres, the height rounded half to even (the map's rule).
    double widthCm() const;
    long long heightCm() const;

    // Where System1(i) stands; an empty rectangle while it is hidden.
    QRect imageRect(int i) const;
    bool imageShown(int i) const { return !imageRect(i).isEmpty(); }
    // The image under a point (the one drawn last when images overlap), or -1.
    int imageAt(QPoint pos) const;
    int shownCount() const { return static_cast<int>(items_.size()); }

    // The planet the keyboard is on (Tab and Shift+Tab move it, Enter or Space click it), or -1.
    int focusedPlanet() const { return focused_; }
    void setFocusedPlanet(int i);
    // The next planet from `from` in reading order (top to bottom, left to right): every planet
    // is reached, not just those in view. -1 without a game.
    int nextPlanet(int from, bool forward) const;

  signals:
    void System1_Click(int index);
    void System1_DblClick(int index);
    // Wheel or arrow keys over the map: whole steps, positive downwards / to the right.
    void scrollRequested(int horizontalSteps, int verticalSteps);
    // The inner area of the window changed size.
    void resized();
    // A right click on a planet, or a drag from the selected planet onto another one.
    void sendRequested(int destination);
    // Ctrl with the wheel: whole steps in (positive) or out, about a point of the map.
    void zoomRequested(int steps, QPoint at);
    // The keyboard moved onto a planet, which may be out of view.
    void planetFocused(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Item {
        int index = 0;
        QRect image;
        QPoint namePos;
        std::string ico;
        QPixmap pixmap;
        std::string nameKey;  // the padded name
        QStaticText name;     // shares its laid-out glyphs with names_
        zenthar::PlanetMark mark;
        QPixmap markPicture;  // the mark, kMarkReach beyond the image on every side
    };
    using MarkKey = std::tuple<int, bool, bool, std::string, double>;

    QStaticText nameText(const std::string& name);
    const QPixmap& markPicture(const GameState& st, const zenthar::PlanetMark& mark, double dpr);
    // Where an item paints: its image with its name below.
    static QRect itemArea(const Item& item);
    // What a redraw of it paints: its area and its owner's mark.
    static QRect paintedArea(const Item& item);
    const QPixmap& starLayer();
    bool hasPlanets() const;
    void updateFocusMark();
    QRect focusMarkRect() const;
    // The line of a drag from the selected planet to the pointer.
    QRect dragLineRect() const;
    bool canSendFrom(int i) const;
    bool privateShown() const { return privateView_ && privateView_(); }

    const GameState* st_ = nullptr;
    std::function<bool()> privateView_;
    IconCache icons_;
    std::vector<Item> items_;
    std::map<std::string, QStaticText> names_;
    std::map<MarkKey, QPixmap> marks_;
    QPixmap starLayer_;
    bool starsDirty_ = true;
    int pressedImage_ = -1;
    int wheelRemainder_ = 0;
    int zoomRemainder_ = 0;
    int focused_ = -1;
    double scale_ = 1.0;
    int dragFrom_ = -1;
    QPoint pressPos_;
    QPoint dragTo_;
    bool dragging_ = false;
};

}  // namespace zenthar::ui
