// One colour per side: the palette keeps the sides apart for the common colour-vision
// deficiencies and on the dark map, and every window that shows a side draws it in that one
// colour: map marks and tooltips and the Ownership Map's rings here, the chart lines in
// StatisticsFrm_test.cpp.
#include <cmath>

#include "app/MapMarks.h"
#include "app/app_fixture.h"
#include "reports/OwningMapFrm.h"
#include "ui/side_colours.h"

namespace zenthar::testing {
namespace {

// A colour as a person with one of the common deficiencies sees it (Machado, Oliveira and
// Fernandes' matrices at full severity, applied in linear light), compared in CIELAB.
using Rgb = std::array<double, 3>;
using Matrix = std::array<Rgb, 3>;

double Linear(double c) {
    c /= 255;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Rgb SeenWith(const Matrix& m, QColor c) {
    const Rgb l{Linear(c.red()), Linear(c.green()), Linear(c.blue())};
    Rgb out{};
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = std::clamp(m[i][0] * l[0] + m[i][1] * l[1] + m[i][2] * l[2], 0.0, 1.0);
    return out;
}

Rgb Lab(const Rgb& l) {
    const double x = (0.4124 * l[0] + 0.3576 * l[1] + 0.1805 * l[2]) / 0.95047;
    const double y = 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2];
    const double z = (0.0193 * l[0] + 0.1192 * l[1] + 0.9505 * l[2]) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double Luminance(QColor c) {
    return 0.2126 * Linear(c.red()) + 0.7152 * Linear(c.green()) + 0.0722 * Linear(c.blue());
}

TEST(SidePalette, SidesStayApartForCommonColourVisionDeficienciesAndOnTheDarkMap) {
    const std::map<std::string, Matrix> sights{
        {"normal", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
        {"red-weak",
         {{{0.152286, 1.052583, -0.204868},
           {0.114503, 0.786281, 0.099216},
           {-0.003882, -0.048116, 1.051998}}}},
        {"green-weak",
         {{{0.367322, 0.860646, -0.227968},
           {0.280085, 0.672501, 0.047413},
           {-0.011820, 0.042940, 0.968881}}}},
        {"blue-weak",
         {{{1.255528, -0.076749, -0.178779},
           {-0.078411, 0.930809, 0.147602},
           {0.004733, 0.691367, 0.303900}}}},
    };
    // 40 CIELAB units apart is a difference seen at a glance, even on a thin chart line.
    for (const auto& [sight, m] : sights)
        for (int a = 0; a < kSides; ++a)
            for (int b = a + 1; b < kSides; ++b) {
                const Rgb la = Lab(SeenWith(m, ui::SideColour(a)));
                const Rgb lb = Lab(SeenWith(m, ui::SideColour(b)));
                const double apart = std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]);
                EXPECT_GE(apart, 40) << "sides " << a << " and " << b << " for " << sight;
            }
    // Readable as text on the map's darkest background (contrast 4.5 : 1 at least).
    const double dark = Luminance(QColor::fromRgb(ui::kDarkestBackground));
    for (int side = 0; side < kSides; ++side)
        EXPECT_GE((Luminance(ui::SideColour(side)) + 0.05) / (dark + 0.05), 4.5) << side;
    // Anything outside the sides falls back on the Empire, never on a player's colour.
    EXPECT_EQ(ui::SideColour(-1), ui::SideColour(kEmpire));
    EXPECT_EQ(ui::SideColour(17), ui::SideColour(kEmpire));
}

// Pixels within a few steps of `colour` in `area`: the exact colour blurs a little at the
// rounded edges of a drawn ring.
int PixelsNear(const QImage& image, QRect area, QColor colour) {
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - colour.red()) <= 6 &&
                 std::abs(c.green() - colour.green()) <= 6 &&
                 std::abs(c.blue() - colour.blue()) <= 6;
        }
    return n;
}

using OnePaletteTest = AppTest;

// Four players and the Empire, one planet each.
TEST_F(OnePaletteTest, EveryWindowDrawsEachSideInItsOneColour) {
    startShown(1200, 800);
    // clang-format off
    galaxy().players({"Ann", "Bob", "Cid", "Dee"})
        .planet(0, 5, 5).owner(0).home()
        .planet(1, 15, 5).owner(1).home()
        .planet(2, 5, 15).owner(2).home()
        .planet(3, 15, 15).owner(3).home()
        .planet(4, 25, 10).build();
    // clang-format on
    window->ShowLoadedGame();
    std::map<int, std::set<QRgb>> seen;

    // The map's marks: each planet's badge ring in its owner's colour.
    const QImage mapPicture = map().grab().toImage();
    for (int p = 0; p < kSides; ++p) {
        const QRect mark = map().imageRect(p).adjusted(-ui::kMarkReach, -ui::kMarkReach,
                                                       ui::kMarkReach, ui::kMarkReach);
        ASSERT_FALSE(mark.isEmpty()) << p;
        for (int side = 0; side < kSides; ++side)
            if (PixelsNear(mapPicture, mark, ui::SideColour(side)) >= 6)
                seen[side].insert(ui::SideColour(side).rgb());
        EXPECT_GE(PixelsNear(mapPicture, mark, ui::SideColour(p)), 6) << "the map mark of " << p;
        // The tooltip's owner line carries the same colour.
        const QString tip = map().toolTipShown(map().imageRect(p).center());
        for (int side = 0; side < kSides; ++side)
            if (tip.contains(ui::SideColour(side).name()))
                seen[p].insert(ui::SideColour(side).rgb());
        EXPECT_TRUE(tip.contains(ui::SideColour(p).name())) << tip.toStdString();
    }

    // The Ownership Map: a ring in the owner's colour round each symbol.
    ui::OwningMapFrm owning(window->game(), window.get());
    const QImage picture = owning.grab().toImage();
    for (int p = 0; p < kSides; ++p)
        EXPECT_GE(
            PixelsNear(picture, owning.ownerRing(p).adjusted(-1, -1, 1, 1), ui::SideColour(p)), 6)
            << "the Ownership Map's ring of " << p;

    for (int side = 0; side < kSides; ++side)
        EXPECT_EQ(seen[side], std::set<QRgb>{ui::SideColour(side).rgb()}) << "side " << side;
}

}  // namespace
}  // namespace zenthar::testing
