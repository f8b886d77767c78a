// Axis ratio normalisation and the data-to-model axis maps.
#include "view3d/AxisMaps.h"

#include <algorithm>
#include <cmath>

namespace ov {
namespace {

bool UsableRatio(float r)
{
    return std::isfinite(r) && r > 0;
}

}  // namespace

void NormaliseAxisRatios(ChartRecord& record)
{
    float largest = 0;
    for (int a = 0; a < 3; ++a)
        if (UsableRatio(record.axes[a].ratio_3d)) largest = std::max(largest, record.axes[a].ratio_3d);
    for (int a = 0; a < 3; ++a) {
        float& r = record.axes[a].ratio_3d;
        r = UsableRatio(r) ? std::max(r / largest, kMinAxisRatio) : kMinAxisRatio;
    }
}

void SetAxisMap(AxisMap& map, double dMin, double dMax, const AxisRecord& axis, double ratio)
{
    map.data_min = dMin;
    map.data_max = dMax;
    const bool automatic = axis.shown != 0;
    map.range_min = automatic ? dMin : axis.range_min;
    map.range_max = automatic ? dMax : axis.range_max;
    if (map.range_max == map.range_min) map.range_max = map.range_min + 1;
    const double span = map.range_max - map.range_min;
    map.scale = 2 * ratio / span;
    map.offset = -ratio - 2 * ratio * map.range_min / span;
}

}  // namespace ov
