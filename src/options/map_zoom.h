// The galaxy map's scale: centimetres on the screen per unit of the galaxy (1 as the game has
// always drawn it), the zoom steps, the scale that shows the whole galaxy, where to scroll to
// bring a planet into view at any scale, and the small state file that keeps the scale for the
// next start (apart from the settings file, which holds the player's settings only).
#pragma once

#include <filesystem>

namespace zenthar {

inline constexpr double kDefaultMapScale = 1.0;
inline constexpr double kMinMapScale = 0.1;
inline constexpr double kMaxMapScale = 2.0;
// The highest value of either scroll bar: the galaxy's 45 units.
inline constexpr int kMapScrollMax = 45;

// The next zoom step above or below a scale (the steps include 1); the ends stay where they are.
double ZoomedIn(double scale);
double ZoomedOut(double scale);
// Any scale read or computed, brought between kMinMapScale and kMaxMapScale (1 when unreadable).
double ClampMapScale(double scale);

// The largest scale at which every planet up to (maxX, maxY) fits a view of viewW x viewH cm,
// with room for an image and its name (marginW x marginH cm) beyond the farthest planet.
double WholeGalaxyScale(double viewW, double viewH, int maxX, int maxY, double marginW,
                        double marginH);

struct MapScroll {
    int h = 0;
    int v = 0;
    bool operator==(const MapScroll&) const = default;
};

// Scroll values that put planet (x, y) in the middle of a view of viewW x viewH cm at a scale,
// within the bars' range. (At scale 1 the game keeps its own rule: HorizScrollFor.)
MapScroll CentreOn(int x, int y, double scale, double viewW, double viewH);

// After a change of scale, the scroll values that keep the galaxy point under (atW, atH) cm
// of the view where it was.
MapScroll KeepPointAt(MapScroll now, double atW, double atH, double oldScale, double newScale);

// The state file beside the settings file.
inline constexpr const char* kStateFileName = "zenthar-state.ini";
// The scale kept in it; 1 when the file, the value or its number is missing or unreadable.
double ReadMapScale(const std::filesystem::path& file);
// False when the file could not be written; nothing has changed then.
bool WriteMapScale(const std::filesystem::path& file, double scale);

}  // namespace zenthar
