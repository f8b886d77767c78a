// The colour picker's arithmetic.
#include "colour/ColourArithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ov {

int SliderMax(double uiScale)
{
    return static_cast<int>(std::ceil(255.0 * uiScale));
}

int ClampSliderPosition(int position, double uiScale)
{
    return std::clamp(position, 0, SliderMax(uiScale));
}

int AlphaFromSlider(int position, double uiScale)
{
    const long alpha = std::lround(255.0 - position / uiScale);
    return static_cast<int>(std::clamp(alpha, 0L, 255L));
}

int SliderFromAlpha(int alpha, double uiScale)
{
    return ClampSliderPosition(static_cast<int>(std::lround((255 - alpha) * uiScale)), uiScale);
}

int TransparencyPercent(int position, double uiScale)
{
    const double percent = position / (uiScale * 255.0) * 100.0;
    return std::min(100, static_cast<int>(percent));
}

std::string InfoLine(uint32_t argb, int sliderPosition, double uiScale)
{
    char text[32];
    std::snprintf(text, sizeof text, "RGB-T: %06X-%d%%", static_cast<unsigned>(argb & 0xFFFFFFu),
                  TransparencyPercent(sliderPosition, uiScale));
    return text;
}

uint32_t RandomArgb(const std::function<uint32_t()>& next)
{
    const uint32_t r = next() % 255;
    const uint32_t g = next() % 255;
    const uint32_t b = next() % 255;
    const uint32_t a = next() % 255;
    return (a << 24) | (r << 16) | (g << 8) | b;
}

}  // namespace ov
