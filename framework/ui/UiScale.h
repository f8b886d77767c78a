// UiScale: how much larger than at 96 dots per inch the library draws the pixel measures of its own
// painted controls (picker cells, toolbar buttons, icons, previews): the logical DPI over 96, kept
// between 1 and 2.
#pragma once

#include <algorithm>

class QPaintDevice;

namespace ov {

constexpr double UiScaleForDpi(double logicalDpi)
{
    return std::clamp(logicalDpi / 96.0, 1.0, 2.0);
}

// The scale of a widget (or any paint device) by its own logical DPI.
double UiScaleOf(const QPaintDevice& device);
// The scale of the primary screen; 1 when there is none.
double PrimaryScreenUiScale();

}  // namespace ov
