// The map's zoom rules and the state file that keeps the scale.
#include "options/map_zoom.h"

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

TEST(MapZoom, StepsFitScrollsAndAnchorsStayWithinTheirBounds) {
    // scale, one step in, one step out
    const std::tuple<double, double, double> steps[] = {
        {1.0, 1.25, 0.8}, {2.0, 2.0, 1.5}, {0.25, 0.35, 0.25}, {0.1, 0.25, 0.1}, {0.9, 1.0, 0.8}};
    for (const auto& [scale, in, out] : steps)
        EXPECT_EQ(std::pair(ZoomedIn(scale), ZoomedOut(scale)), std::pair(in, out)) << scale;
    EXPECT_EQ(std::tuple(ClampMapScale(9), ClampMapScale(0), ClampMapScale(std::nan(""))),
              std::tuple(kMaxMapScale, kMinMapScale, kDefaultMapScale));

    // 45 units across 22 cm less 2 of margin, 30 units down 14 cm less 2: the height decides.
    EXPECT_DOUBLE_EQ(WholeGalaxyScale(22, 14, 45, 30, 2, 2), 12.0 / 30);
    EXPECT_DOUBLE_EQ(WholeGalaxyScale(200, 140, 45, 30, 2, 2), 1.0) << "never above the default";
    EXPECT_DOUBLE_EQ(WholeGalaxyScale(3, 3, 45, 45, 2, 2), kMinMapScale);

    // Planet (x, y) in the middle of a 10 x 6 cm view at scale 0.5: 10 and 6 units each way.
    const std::tuple<int, int, double, MapScroll> centred[] = {
        {20, 20, 0.5, {10, 14}}, {3, 2, 0.5, {0, 0}}, {45, 45, 2.0, {43, 44}}};
    for (const auto& [x, y, scale, scroll] : centred)
        EXPECT_EQ(CentreOn(x, y, scale, 10, 6), scroll) << x << ", " << y;

    // Zooming from 1 to 2 about a point 4 cm into the view keeps the unit under it (4 at 1,
    // 2 at 2) in place; about the corner the scroll stays; it never leaves the bars' range.
    EXPECT_EQ(KeepPointAt({10, 10}, 4, 4, 1, 2), (MapScroll{12, 12}));
    EXPECT_EQ(KeepPointAt({10, 10}, 0, 0, 1, 0.5), (MapScroll{10, 10}));
    EXPECT_EQ(KeepPointAt({1, 44}, 10, 10, 0.5, 1), (MapScroll{11, 45}));
    EXPECT_EQ(KeepPointAt({1, 44}, 10, 10, 1, 0.5), (MapScroll{0, 34}));
}

TEST(MapZoom, TheScaleIsKeptInItsOwnFileAndAnythingUnreadableMeansTheDefault) {
    TempProgramFolder folder;
    const auto file = folder.path() / kStateFileName;
    EXPECT_EQ(ReadMapScale(file), kDefaultMapScale) << "no file yet";
    ASSERT_TRUE(WriteMapScale(file, 0.65));
    EXPECT_EQ(ReadMapScale(file), 0.65);
    ASSERT_TRUE(WriteMapScale(file, 0.123456789));
    EXPECT_EQ(ReadMapScale(file), 0.1235);
    // What a damaged or hand-edited file may hold.
    const std::pair<const char*, double> texts[] = {
        {"[Map]\nScale=1.5\n", 1.5}, {"[Map]\nScale=40\n", kMaxMapScale},
        {"[Map]\nScale=-2\n", 1.0},  {"[Map]\nScale=0,5\n", 1.0},
        {"[Map]\nScale=nan\n", 1.0}, {"[Map]\nScale=\n", 1.0},
        {"garbage\0\xff", 1.0},      {"[Other]\nScale=0.5\n", 1.0}};
    for (const auto& [text, scale] : texts) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
        EXPECT_EQ(ReadMapScale(file), scale) << text;
    }
    EXPECT_FALSE(WriteMapScale(folder.path() / "no-such-folder" / kStateFileName, 0.5));
}

}  // namespace
}  // namespace zenthar::testing
