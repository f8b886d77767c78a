// Tab strips of any count and width: the rectangles, clamping and the wheel, with a zero-width tab.
#include "chart/SheetLayout.h"

#include <gtest/gtest.h>

using namespace ov;

TEST(TabStrip, RectanglesFollowTheCountAndTheWidthFraction)
{
    const ScreenRect frame{10, 20, 810, 620};
    const std::vector<ScreenRect> fifths = SheetTabRects(frame, 24, TabStrip{3, 5, -1});
    ASSERT_EQ(fifths.size(), 3u);
    EXPECT_EQ(fifths[0], (ScreenRect{10, 20, 170, 44}));
    EXPECT_EQ(fifths[2], (ScreenRect{330, 20, 490, 44}));
    const std::vector<ScreenRect> eighths = SheetTabRects(frame, 30, TabStrip{3, 8, -1});
    EXPECT_EQ(eighths[1], (ScreenRect{110, 20, 210, 50}));
    const std::vector<ScreenRect> hidden = SheetTabRects(frame, 24, TabStrip{4, 8, 1});
    EXPECT_EQ(hidden[1].Width(), 0);
    EXPECT_EQ(hidden[2].left, 110);
    EXPECT_EQ(hidden[3].right, 310);
    EXPECT_TRUE(SheetTabRects(frame, 24, TabStrip{0, 8, -1}).empty());
    EXPECT_EQ(SheetTabRects(frame, 24, TabStrip{2, 0, -1})[1].Width(), 0);  // no fraction, no width
}

TEST(TabStrip, ClampAndWheelStayOnTheStrip)
{
    const TabStrip three{3, 5, -1};
    EXPECT_EQ(ClampTab(7, three), 2);
    EXPECT_EQ(ClampTab(-1, three), 0);
    EXPECT_EQ(ClampTab(1, three), 1);
    EXPECT_EQ(ClampTab(5, TabStrip{0, 5, -1}), 0);
    EXPECT_EQ(TabAfterWheel(0, -120, three), 1);
    EXPECT_EQ(TabAfterWheel(2, -120, three), 2);
    EXPECT_EQ(TabAfterWheel(1, 120, three), 0);
    EXPECT_EQ(TabAfterWheel(0, 120, three), 0);
    const TabStrip skipping{5, 8, 2};
    EXPECT_EQ(TabAfterWheel(1, -1, skipping), 3);
    EXPECT_EQ(TabAfterWheel(3, 1, skipping), 1);
    EXPECT_EQ(TabAfterWheel(3, -1, skipping), 4);
    EXPECT_EQ(XYTabStrip(1).zeroWidthTab, kTabAxis);
    EXPECT_EQ(XYTabStrip(2).zeroWidthTab, -1);
    EXPECT_EQ(XYTabStrip(6).count, 7);
    EXPECT_EQ(XYTabStrip(3).count, 6);
}

TEST(TabStrip, AWholeFrameTabAndTheMonitorEdges)
{
    EXPECT_EQ(SheetTabRects({0, 0, 300, 100}, 20, TabStrip{1, 1, -1})[0].Width(), 300);
    // A virtual screen left of and above the primary one: the origin is that screen's corner.
    const ScreenRect work{-100, -50, 1820, 990};
    EXPECT_EQ(KeepOnMonitor({-300, -200, 500, 400}, -100, -50, work), (ScreenRect{-100, -50, 700, 550}));
    // Exactly half the window past the right or the bottom edge still stays where it is.
    const ScreenRect halfOut{1420, 690, 2220, 1290};
    EXPECT_EQ(KeepOnMonitor(halfOut, -100, -50, work), halfOut);
}
