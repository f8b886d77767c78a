// Colour maps, hatch patterns, the sheet's layout and placement rules and tab strips of any width.
#include "chart/ColourMap.h"
#include "chart/HatchPatterns.h"
#include "chart/SheetLayout.h"

#include <gtest/gtest.h>

#include <bit>
#include <numeric>

using namespace ov;

namespace {

int BitCount(int style)
{
    const auto& tile = HatchPattern(style);
    return std::accumulate(tile.begin(), tile.end(), 0,
                           [](int n, uint8_t row) { return n + std::popcount(row); });
}

}  // namespace

TEST(ColourMap, EdgesOfTheRange)
{
    ColourMap map;
    map.ChooseControlColours(1);
    map.SetRange(10, 20);
    // Control colour 15 at and above the maximum, control 0 below the minimum, control 1 exactly on its
    // level and the mean of controls 0 and 1 halfway to it.
    const std::pair<double, uint32_t> inside[] = {{20, 0xff660000u},
                                                  {20.001, 0xff660000u},
                                                  {9, 0xff000099u},
                                                  {10 + 10.0 / 15, 0xff0000ffu},
                                                  {10 + 10.0 / 30, 0xff0000ccu}};
    for (auto [value, argb] : inside) EXPECT_EQ(ToArgb(map.ColourOf(value)), argb) << value;
    map.SetOutOfRangeColours(true, {0, 1, 0}, {1, 0, 1});  // the limits themselves stay inside
    const std::pair<double, uint32_t> outside[] = {
        {21, 0xff00ff00u}, {-1, 0xffff00ffu}, {20, 0xff660000u}, {10, 0xff000099u}};
    for (auto [value, argb] : outside) EXPECT_EQ(ToArgb(map.ColourOf(value)), argb) << value;
}

TEST(ColourMap, ANewMapSpansZeroToOneWithTheDefaultScaleLevelsMayRoundEitherWayAndEqualLimits)
{
    ColourMap map, ranged;  // range 0 ... 1, 16 levels, the default scale
    ranged.SetRange(0, 1);
    ranged.ChooseControlColours(10);  // index 10 is the default scale too
    for (double v : {0.25, 0.5, 0.75}) EXPECT_EQ(map.ColourOf(v), ranged.ColourOf(v)) << v;
    ranged.SetRange(0, 0.7);  // level lines that land a rounding below or above a whole number
    for (int k = 1; k < 16; ++k) EXPECT_TRUE(ranged.OnLevel(0.7 * k / 16)) << k;
    EXPECT_TRUE(map.OnLevel(0.5));
    EXPECT_FALSE(map.OnLevel(0.51));
    EXPECT_TRUE(map.OnLevel(0.0625));
    ranged.SetRange(0.3, 1.3);  // levels counted from the minimum
    EXPECT_TRUE(ranged.OnLevel(0.3625));
    map.SetRange(3, 3);
    EXPECT_EQ(map.Scale(), 0);
    EXPECT_EQ(map.ColourOf(3), map.Control(0));
}

TEST(HatchPatterns, LinesCrossesDensitiesAndTheCheckerBoards)
{
    EXPECT_EQ(BitCount(kHatchHorizontal), 8);
    for (int y = 0; y < 8; ++y) EXPECT_EQ(HatchBit(kHatchHorizontal, 3, y), y == 0);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(HatchBit(kHatchVertical, x, 5), x == 0);
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(HatchBit(kHatchForwardDiagonal, i, i));  // top-left to bottom-right
        EXPECT_TRUE(HatchBit(kHatchBackwardDiagonal, 7 - i, i));
        const auto row = [i](int s) { return HatchPattern(s)[static_cast<std::size_t>(i)]; };
        EXPECT_EQ(row(kHatchCross), row(kHatchHorizontal) | row(kHatchVertical));
        EXPECT_EQ(row(kHatchDiagonalCross), row(kHatchForwardDiagonal) | row(kHatchBackwardDiagonal));
    }
    // The percentage styles grow denser in order; 50 % is the one-pixel checkerboard.
    for (int s = kHatch05Percent; s < kHatch90Percent; ++s) EXPECT_LT(BitCount(s), BitCount(s + 1)) << s;
    for (int i = 0; i < 8; ++i) EXPECT_NE(HatchBit(kHatch50Percent, i, 0), HatchBit(kHatch50Percent, i, 1));
    EXPECT_TRUE(HatchBit(kHatchLargeCheckerBoard, 3, 3) && !HatchBit(kHatchLargeCheckerBoard, 4, 3));
    EXPECT_TRUE(HatchBit(kHatchLargeCheckerBoard, 4, 4) && HatchBit(kHatchLargeCheckerBoard, 8, 8));
    EXPECT_EQ(BitCount(kHatchStyleCount), 0);
}

TEST(SheetLayout, TabsPerKind)
{
    const ScreenRect frame{10, 20, 810, 620};
    const auto tabs2 = SheetTabRects(frame, 24, 2);
    EXPECT_EQ(tabs2[0], (ScreenRect{10, 20, 110, 44}));
    EXPECT_EQ(tabs2[5].left, 510);
    EXPECT_EQ(tabs2[6].Width(), 0);  // no 3-D tab outside kind 6
    const auto tabs1 = SheetTabRects(frame, 24, 1);
    EXPECT_EQ(tabs1[3].Width(), 0);
    EXPECT_EQ(tabs1[4].left, 310);  // the following tabs close up
    EXPECT_EQ(SheetTabRects(frame, 24, 6)[6].left, 610);
    const SheetAreas a = SheetPageAreas(frame, 24, 150, 6);
    EXPECT_EQ(a.page, (ScreenRect{11, 45, 809, 619}));
    EXPECT_EQ(a.right.left, 161);
    EXPECT_EQ(a.view.Width(), 574 * 270 / 256);
}

// Tab strips of any count and width fraction, with a zero-width tab the following ones close up to.
TEST(TabStrip, RectanglesClampAndWheel)
{
    const ScreenRect frame{10, 20, 810, 620};
    const std::vector<ScreenRect> fifths = SheetTabRects(frame, 24, TabStrip{3, 5, -1});
    ASSERT_EQ(fifths.size(), 3u);
    EXPECT_EQ(fifths[0], (ScreenRect{10, 20, 170, 44}));
    EXPECT_EQ(fifths[2], (ScreenRect{330, 20, 490, 44}));
    EXPECT_EQ(SheetTabRects(frame, 30, TabStrip{3, 8, -1})[1], (ScreenRect{110, 20, 210, 50}));
    const std::vector<ScreenRect> hidden = SheetTabRects(frame, 24, TabStrip{4, 8, 1});
    EXPECT_EQ(hidden[1].Width(), 0);
    EXPECT_EQ(hidden[2].left, 110);
    EXPECT_EQ(hidden[3].right, 310);
    EXPECT_TRUE(SheetTabRects(frame, 24, TabStrip{0, 8, -1}).empty());
    EXPECT_EQ(SheetTabRects(frame, 24, TabStrip{2, 0, -1})[1].Width(), 0);  // no fraction, no width
    EXPECT_EQ(SheetTabRects({0, 0, 300, 100}, 20, TabStrip{1, 1, -1})[0].Width(), 300);

    const TabStrip three{3, 5, -1};
    EXPECT_EQ(ClampTab(7, three), 2);
    EXPECT_EQ(ClampTab(-1, three), 0);
    EXPECT_EQ(ClampTab(1, three), 1);
    EXPECT_EQ(ClampTab(5, TabStrip{0, 5, -1}), 0);
    struct Wheel {
        int tab, delta;
        TabStrip strip;
        int expected;
    } wheels[] = {{0, -120, three, 1},          {2, -120, three, 2},           {1, 120, three, 0},
                  {0, 120, three, 0},           {1, -1, TabStrip{5, 8, 2}, 3}, {3, 1, TabStrip{5, 8, 2}, 1},
                  {3, -1, TabStrip{5, 8, 2}, 4}};
    for (const Wheel& w : wheels)
        EXPECT_EQ(TabAfterWheel(w.tab, w.delta, w.strip), w.expected) << w.tab << " " << w.delta;
}

// A window more than half past an edge of the work area comes back inside; the origin is the corner
// of the virtual screen (here left of and above the primary one).
TEST(SheetLayout, KeepOnMonitor)
{
    struct Case {
        ScreenRect in;
        int originX, originY;
        ScreenRect work;
        ScreenRect out;
    } cases[] = {
        {{-50, -10, 750, 590}, 0, 0, {0, 0, 1920, 1040}, {0, 0, 800, 600}},
        {{1400, 100, 2200, 700}, 0, 0, {0, 0, 1920, 1040}, {1400, 100, 2200, 700}},
        {{1600, 100, 2400, 700}, 0, 0, {0, 0, 1920, 1040}, {1120, 100, 1920, 700}},
        {{100, 800, 900, 1400}, 0, 0, {0, 0, 1920, 1040}, {100, 440, 900, 1040}},
        {{-300, -200, 500, 400}, -100, -50, {-100, -50, 1820, 990}, {-100, -50, 700, 550}},
        {{1420, 690, 2220, 1290}, -100, -50, {-100, -50, 1820, 990}, {1420, 690, 2220, 1290}},  // half
    };
    for (const Case& c : cases) EXPECT_EQ(KeepOnMonitor(c.in, c.originX, c.originY, c.work), c.out);
}
