// The picker's colour arithmetic: byte orders, the transparency slider, the
// info line, random colours.
#include "colour/ColourArithmetic.h"
#include "colour/CustomColours.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ov;

// The ends give opaque and fully transparent at every scale, positions outside
// give the ends' values, and every alpha survives the round trip through a
// position.
TEST(TransparencySlider, EndsGiveOpaqueAndFullyTransparentAndAlphaSurvivesAPosition)
{
    for (double scale : {1.0, 1.15, 1.25, 1.5, 1.75, 2.0}) {
        SCOPED_TRACE(scale);
        const int far = SliderMax(scale);
        EXPECT_EQ(AlphaFromSlider(0, scale), 255);
        EXPECT_EQ(TransparencyPercent(0, scale), 0);
        EXPECT_EQ(AlphaFromSlider(far, scale), 0);
        EXPECT_EQ(TransparencyPercent(far, scale), 100);
        EXPECT_EQ(ClampSliderPosition(far + 40, scale), far);
        EXPECT_EQ(ClampSliderPosition(-3, scale), 0);
        EXPECT_EQ(AlphaFromSlider(-3, scale), 255);
        EXPECT_EQ(TransparencyPercent(far + 40, scale), 100);
        for (int alpha = 0; alpha <= 255; ++alpha)
            ASSERT_EQ(AlphaFromSlider(SliderFromAlpha(alpha, scale), scale), alpha);
    }
}

TEST(InfoLine, ShowsRgbInHexAndTruncatedTransparency)
{
    struct Case {
        uint32_t argb;
        int position;
        double scale;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {0xFF000000u, 0, 1.0, "RGB-T: 000000-0%"},    {0x00ABCDEFu, 255, 1.0, "RGB-T: ABCDEF-100%"},
        {0x80102030u, 127, 1.0, "RGB-T: 102030-49%"},  // 49.8 truncates
        {0x7F0A0B0Cu, 255, 2.0, "RGB-T: 0A0B0C-50%"}, {0x12FFFFFFu, 510, 2.0, "RGB-T: FFFFFF-100%"},
    };
    for (const auto& c : cases) EXPECT_EQ(InfoLine(c.argb, c.position, c.scale), c.expected);
}

// A palette pick keeps the target's alpha; screen and COLORREF order swap red
// and blue.
TEST(ColourBytes, PalettePickKeepsTheAlphaAndColorRefOrderSwapsRedAndBlue)
{
    EXPECT_EQ(WithRgbOf(0x80112233u, 0xFFAABBCCu), 0x80AABBCCu);
    EXPECT_EQ(WithRgbOf(0x00112233u, 0x00445566u), 0x00445566u);
    EXPECT_EQ(WithAlpha(0xFF123456u, 0x40), 0x40123456u);
    EXPECT_EQ(SwapRedBlue(0x00332211u), 0x00112233u);
    EXPECT_EQ(SwapRedBlue(SwapRedBlue(0x80A1B2C3u)), 0x80A1B2C3u);
    EXPECT_EQ(ColorRefToArgb(0x0000F0u),
              0xFFF00000u);  // red in the low byte of a COLORREF
    EXPECT_EQ(ArgbToColorRef(0x80F00000u), 0x0000F0u);
    EXPECT_EQ(ArgbToColorRef(ColorRefToArgb(0x2222B2u)), 0x2222B2u);
}

// Every draw is at least 255, so a wrong modulus shows in each byte, and no
// byte is 0, so a wrong shift shows too.
TEST(RandomColour, TakesRedGreenBlueAlphaInOrderEachBelow255)
{
    std::vector<uint32_t> draws = {300, 400, 263, 1000};
    std::size_t next = 0;
    const uint32_t argb = RandomArgb([&] { return draws[next++]; });
    EXPECT_EQ(next, 4u);
    EXPECT_EQ(argb, 235u << 24 | 45u << 16 | 145u << 8 | 8u);
}
