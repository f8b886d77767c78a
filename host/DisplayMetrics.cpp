// Density arithmetic of the application object.
#include "host/DisplayMetrics.h"

#include <algorithm>

namespace ov {

DisplayMetrics ComputeDisplayMetrics(double logicalDpi, double widthMm, int widthPixels)
{
    DisplayMetrics m;
    m.densityFactor = static_cast<float>(logicalDpi / 96.0);
    if (widthPixels > 0)
        m.physicalPixelRatio = static_cast<float>((widthMm / widthPixels) / 0.35260416666666666);
    m.densityUnit = static_cast<int32_t>(m.densityFactor * 25.0);
    m.uiScale = std::clamp(m.densityFactor, 1.0f, 2.0f);
    return m;
}

}  // namespace ov
