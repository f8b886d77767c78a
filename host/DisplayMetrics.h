// DisplayMetrics: the density figures the dialogs size themselves by, computed from what the primary
// screen reports. Plain arithmetic so it can be checked without a screen.
#pragma once

#include <cstdint>

namespace ov {

struct DisplayMetrics {
    float densityFactor = 1.0f;       // logical pixels per inch / 96, not clamped
    float physicalPixelRatio = 0.0f;  // (mm per pixel) / 0.35260416666666666
    int32_t densityUnit = 0;          // densityFactor * 25, truncated
    float uiScale = 1.0f;             // densityFactor clamped to [1, 2]
};

// Metrics for a screen of the given logical density, physical width in millimetres and width in pixels.
// A width of 0 pixels leaves the ratio at 0.
DisplayMetrics ComputeDisplayMetrics(double logicalDpi, double widthMm, int widthPixels);

// The metrics when no screen is available: factor and scale 1, ratio and unit 0.
constexpr DisplayMetrics kNoScreenMetrics{};

}  // namespace ov
