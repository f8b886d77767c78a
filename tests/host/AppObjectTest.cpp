// The application object's arithmetic: display density, UI scale and the recent-colour list.
#include "framework/RecentColours.h"
#include "host/DisplayMetrics.h"

#include <gtest/gtest.h>

using namespace ov;

TEST(DisplayMetrics, UiScaleFollowsDensityClampedToOneAndTwo)
{
    struct Case {
        double dpi;
        float scale;
        float factor;
        int unit;
    } cases[] = {{96, 1.0f, 1.0f, 25},
                 {144, 1.5f, 1.5f, 37},
                 {240, 2.0f, 2.5f, 62},
                 {72, 1.0f, 0.75f, 18},
                 {120, 1.25f, 1.25f, 31}};
    for (const Case& c : cases) {
        const DisplayMetrics m = ComputeDisplayMetrics(c.dpi, 508, 1920);
        EXPECT_FLOAT_EQ(m.uiScale, c.scale) << c.dpi;
        EXPECT_FLOAT_EQ(m.densityFactor, c.factor) << c.dpi;
        EXPECT_EQ(m.densityUnit, c.unit) << c.dpi;
    }
}

TEST(DisplayMetrics, PhysicalRatioIsMillimetresPerPixelOverTheReferencePitch)
{
    // A pitch equal to the reference gives exactly 1.
    EXPECT_NEAR(ComputeDisplayMetrics(96, 0.35260416666666666 * 1000, 1000).physicalPixelRatio, 1.0f, 1e-6);
    EXPECT_EQ(ComputeDisplayMetrics(96, 300, 0).physicalPixelRatio, 0.0f);
    EXPECT_EQ(kNoScreenMetrics.densityUnit, 0);
    EXPECT_EQ(kNoScreenMetrics.uiScale, 1.0f);
}

TEST(RecentColours, NewColourGoesFirstAndTheLastFallsOff)
{
    RecentColourList list;
    for (uint32_t i = 0; i < 16; ++i) list[i] = 0xFF000000u + i;
    AddRecentColour(list, 0xFFABCDEFu);
    EXPECT_EQ(list[0], 0xFFABCDEFu);
    EXPECT_EQ(list[1], 0xFF000000u);
    EXPECT_EQ(list[15], 0xFF00000Eu);
}

TEST(RecentColours, KnownColourMovesToTheFrontKeepingTheOthersInOrder)
{
    RecentColourList list;
    for (uint32_t i = 0; i < 16; ++i) list[i] = i;
    AddRecentColour(list, 9);
    const RecentColourList expected = {9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15};
    EXPECT_EQ(list, expected);
    AddRecentColour(list, 9);
    EXPECT_EQ(list, expected) << "adding the first colour again changes nothing";
}
