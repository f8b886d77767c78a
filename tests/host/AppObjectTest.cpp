// The application object's arithmetic: display density, UI scale and the recent-colour list.
#include "colour/RecentColours.h"
#include "host/DisplayMetrics.h"

#include <gtest/gtest.h>

using namespace ov;

TEST(DisplayMetrics, UiScaleFollowsDensityClampedToOneAndTwo)
{
    struct Case {
        double dpi;
        float scale, factor;
        int unit;
    } cases[] = {{144, 1.5f, 1.5f, 37}, {240, 2.0f, 2.5f, 62}, {72, 1.0f, 0.75f, 18}};
    for (const Case& c : cases) {
        const DisplayMetrics m = ComputeDisplayMetrics(c.dpi, 508, 1920);
        EXPECT_FLOAT_EQ(m.uiScale, c.scale) << c.dpi;
        EXPECT_FLOAT_EQ(m.densityFactor, c.factor) << c.dpi;
        EXPECT_EQ(m.densityUnit, c.unit) << c.dpi;
    }
    EXPECT_NEAR(ComputeDisplayMetrics(96, 352.60416666666666, 1000).physicalPixelRatio, 1.0f, 1e-6);
    EXPECT_EQ(ComputeDisplayMetrics(96, 300, 0).physicalPixelRatio, 0.0f);
}

TEST(RecentColours, NewOrKnownColourGoesFirstKeepingTheOthersInOrder)
{
    RecentColourList list;
    for (uint32_t i = 0; i < 16; ++i) list[i] = i;
    AddRecentColour(list, 0xFFABCDEFu);
    EXPECT_EQ(list, (RecentColourList{0xFFABCDEFu, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    AddRecentColour(list, 9);
    EXPECT_EQ(list, (RecentColourList{9, 0xFFABCDEFu, 0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14}));
    AddRecentColour(list, 9);
    EXPECT_EQ(list[1], 0xFFABCDEFu) << "adding the first colour again changes nothing";
}
