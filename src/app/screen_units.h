// The main window was laid out in twips and draws the map in centimetres; ScreenUnits turns
// both into this screen's pixels from its logical dots per inch.
#pragma once

#include <cmath>

namespace zenthar::ui {

class ScreenUnits {
  public:
    explicit ScreenUnits(double dpi) : dpi_(dpi > 0 ? dpi : 96.0) {}

    double dpi() const { return dpi_; }
    double pxPerCm() const { return dpi_ / 2.54; }
    double cm(double px) const { return px / pxPerCm(); }
    int px(double cm) const { return static_cast<int>(std::lround(cm * pxPerCm())); }
    int twips(double tw) const { return static_cast<int>(std::lround(tw * dpi_ / 1440.0)); }

  private:
    double dpi_;
};

}  // namespace zenthar::ui
