// Zoom rules of the galaxy map and the state file that keeps the scale.
#include "options/map_zoom.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "options/inifile.h"

namespace zenthar {

namespace {

constexpr std::array<double, 9> kSteps = {0.25, 0.35, 0.5, 0.65, 0.8, 1.0, 1.25, 1.5, 2.0};
// Two scales this close are the same step (a scale read back from the file, a fitted one).
constexpr double kSameStep = 1e-6;

int ClampScroll(double value) {
    return static_cast<int>(std::clamp(std::lround(value), 0L, static_cast<long>(kMapScrollMax)));
}

}  // namespace

double ClampMapScale(double scale) {
    if (!std::isfinite(scale)) return kDefaultMapScale;
    return std::clamp(scale, kMinMapScale, kMaxMapScale);
}

double ZoomedIn(double scale) {
    for (double step : kSteps)
        if (step > scale + kSameStep) return step;
    return ClampMapScale(scale);
}

double ZoomedOut(double scale) {
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
        if (*it < scale - kSameStep) return *it;
    return ClampMapScale(scale);
}

double WholeGalaxyScale(double viewW, double viewH, int maxX, int maxY, double marginW,
                        double marginH) {
    const double across = (viewW - marginW) / std::max(1, maxX);
    const double down = (viewH - marginH) / std::max(1, maxY);
    return ClampMapScale(std::min({across, down, kDefaultMapScale}));
}

MapScroll CentreOn(int x, int y, double scale, double viewW, double viewH) {
    const double s = ClampMapScale(scale);
    return {ClampScroll(x - viewW / 2 / s), ClampScroll(y - viewH / 2 / s)};
}

MapScroll KeepPointAt(MapScroll now, double atW, double atH, double oldScale, double newScale) {
    const double from = ClampMapScale(oldScale), to = ClampMapScale(newScale);
    return {ClampScroll(now.h + atW / from - atW / to), ClampScroll(now.v + atH / from - atH / to)};
}

double ReadMapScale(const std::filesystem::path& file) {
    const std::string text = ReadIniValue(file, "Map", "Scale");
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
        value <= 0)
        return kDefaultMapScale;
    return ClampMapScale(value);
}

bool WriteMapScale(const std::filesystem::path& file, double scale) {
    // Written and read without the locale: a decimal comma would not read back.
    char text[32];
    const double rounded = std::round(ClampMapScale(scale) * 10000) / 10000;
    const auto [end, error] = std::to_chars(text, text + sizeof text, rounded);
    if (error != std::errc()) return false;
    return WriteIniValue(file, "Map", "Scale", std::string(text, end));
}

}  // namespace zenthar
