// ColourArithmetic: the ARGB (0xAARRGGBB) arithmetic of the colour picker: byte order, alpha and the
// transparency slider, the info line and random colours.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace ov {

constexpr uint32_t kOpaqueBlack = 0xFF000000u;
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;

// Screen and bitmap pixels come as 0x00BBGGRR; swapping red and blue turns them into 0x00RRGGBB.
constexpr uint32_t SwapRedBlue(uint32_t c)
{
    return (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
}

constexpr int AlphaOf(uint32_t argb)
{
    return static_cast<int>(argb >> 24);
}
constexpr uint32_t WithAlpha(uint32_t argb, int alpha)
{
    return (argb & 0x00FFFFFFu) | (static_cast<uint32_t>(alpha & 0xFF) << 24);
}
// Red, green and blue of rgbSource with the alpha of target.
constexpr uint32_t WithRgbOf(uint32_t target, uint32_t rgbSource)
{
    return (target & 0xFF000000u) | (rgbSource & 0x00FFFFFFu);
}

// The slider runs from 0 (opaque) to SliderMax (transparent) pixels at a UI scale; rounded up so the
// far end always reads as fully transparent.
int SliderMax(double uiScale);
int ClampSliderPosition(int position, double uiScale);
// 255 - position / scale, rounded and limited to 0 .. 255.
int AlphaFromSlider(int position, double uiScale);
int SliderFromAlpha(int alpha, double uiScale);
// Transparency in percent, truncated: position / (scale * 255) * 100.
int TransparencyPercent(int position, double uiScale);

// "RGB-T: RRGGBB-<percent>%" with the colour's low 24 bits in upper-case hex.
std::string InfoLine(uint32_t argb, int sliderPosition, double uiScale);

// Red, green, blue and alpha, in that order, each next() % 255 (so 0 .. 254).
uint32_t RandomArgb(const std::function<uint32_t()>& next);

}  // namespace ov
