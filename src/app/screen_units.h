// The main window was laid out in twips and draws the map in centimetres; ScreenUnits turns
// both into this screen's pixels from its logical dots per inch.
#pragma once

#include <cmath>

#include "reports/units.h"

namespace zenthar::ui {

class ScreenUnits {
  public:
    explicit ScreenUnits(double dpi) : dpi_(dpi > 0 ? dpi : 96.0) {}

    double dpi() const { return dpi_; }
    double pxPerCm() const { return CmToPixels(1.0, dpi_); }
    double cm(double px) const { return PixelsToCm(px, dpi_); }
    int px(double cm) const { return static_cast<int>(std::lround(CmToPixels(cm, dpi_))); }
    int twips(double tw) const { return TwipsToPixels(tw, dpi_); }

  private:
    double dpi_;
};

}  // namespace zenthar::ui
