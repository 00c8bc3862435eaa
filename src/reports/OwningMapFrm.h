// The Ownership Map: the whole galaxy on one black screen, every planet as its owner's symbol
// with its name below, and in fleets mode the current player's task forces as red lines.
// Clicking a symbol selects that planet; a click elsewhere or Esc just closes the map.
#pragma once

#include <QDialog>
#include <vector>

#include "game/game.h"
#include "reports/owning_map_geometry.h"

class QLabel;

namespace zenthar::ui {

class OwningMapFrm : public QDialog {
    Q_OBJECT

  public:
    OwningMapFrm(zenthar::Game& game, QWidget* parent);

    static constexpr int kSymbolPixels = 32;

    const zenthar::OwningMapMetrics& metrics() const { return metrics_; }
    double dpi() const { return dpi_; }
    QPointF toPixels(const zenthar::CmPoint& p) const;
    // The task forces as this window draws them in fleets mode.
    std::vector<zenthar::FleetDrawing> fleets() const;
    // The colour the planets' names are printed in at the next repaint.
    QColor textColour() const { return textColour_; }
    // Where the names and, in fleets mode, the fleets' labels are printed (one per fleet of
    // fleets()), in centimetres; the symbols' boxes.
    const std::vector<zenthar::CmRect>& nameBoxes() const { return names_; }
    const std::vector<zenthar::CmRect>& labelBoxes() const { return labels_; }
    const std::vector<zenthar::CmRect>& symbolBoxes() const { return symbols_; }
    // The fleet labels' colour: the blue of old, light enough to read on black.
    static QColor labelColour() { return {110, 170, 255}; }
    // Where the ring in the owner's colour is drawn round a planet's symbol.
    QRect ownerRing(int planet) const;

  public slots:
    void PlayerSimPct_Click(int index);
    void Form_Click();
    void reject() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Form_Load();
    void placeSymbols();
    void placeLabels();
    QFont labelFont() const;
    void closeKeepingSelection();

    zenthar::Game& game_;
    zenthar::OwningMapMetrics metrics_;
    double dpi_ = 96;
    QColor textColour_{255, 255, 255};
    QObject* pressedOn_ = nullptr;
    bool closing_ = false;
    // One symbol per planet, index = planet index, named "PlayerSimPct_<index>".
    std::vector<QLabel*> PlayerSimPct_;
    std::vector<zenthar::CmRect> symbols_;
    std::vector<zenthar::CmRect> names_;
    std::vector<zenthar::CmRect> labels_;
};

}  // namespace zenthar::ui
