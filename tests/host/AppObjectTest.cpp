// The application object's arithmetic: display density and UI scale.
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
