// The Flood Fill Tool's remembered values as the store holds them: stored numbers kept in range, the
// key-point switch on only for numbers above 0.
#include "trace/FloodFillSettings.h"

#include <gtest/gtest.h>

#include "framework/settings/RegKeyHandle.h"

namespace ov {
namespace {

TEST(FloodFillSettings, StoredValuesAreKeptInRange)
{
    RegKeyHandle key("Software\\Ornivex\\MP\\FFF");
    key.WriteDword("SV_Perm", 101);
    key.WriteDword("SV_Debris", 0xFFFFFFFFu);  // -1
    key.WriteDword("SV_Approx", 40);
    key.WriteDword("SV_PSBR", 250);
    key.WriteDword("PathStyle", 0xFFFFFFFFu);
    key.WriteDword("SV_ShowKP", 0xFFFFFFFFu);
    FloodFillSettings s = LoadFloodFillSettings();
    EXPECT_EQ(s.permeability, 100);
    EXPECT_EQ(s.debris, 0);
    EXPECT_EQ(s.approximability, 40);
    EXPECT_EQ(s.blending, 100);
    EXPECT_EQ(s.pathStyle, kPathPolygon);
    EXPECT_FALSE(s.showKeyPoints);
    key.WriteDword("SV_ShowKP", 2);
    key.WriteDword("PathStyle", kPathClosedCurve);
    s = LoadFloodFillSettings();
    EXPECT_TRUE(s.showKeyPoints);
    EXPECT_EQ(s.pathStyle, kPathClosedCurve);
}

}  // namespace
}  // namespace ov
