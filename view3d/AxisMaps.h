// AxisMaps: the 3-D box of a chart: its axis ratios (the box's half-extents, normalised in the record)
// and the maps that take data values of each axis to model coordinates in [−ratio, +ratio].
#pragma once

#include <ornivex/surface.h>

namespace ov {

// Smallest ratio after normalising; ratios that are not positive numbers also become this.
constexpr float kMinAxisRatio = 0.1f;

// Divides the 3-D ratios of axes 0, 1 and 2 in the record by the largest; a result below 0.1, and a
// ratio that is not a positive finite number, becomes 0.1. Normalising twice changes nothing more.
void NormaliseAxisRatios(ChartRecord& record);

// Sets a map from the data range [dMin, dMax]: the range is the data range when the axis record's
// automatic flag (its byte at 0x108) is set, else the axis record's own range; an empty range is
// widened to [min, min + 1]; the range then maps to [−ratio, +ratio].
void SetAxisMap(AxisMap& map, double dMin, double dMax, const AxisRecord& axis, double ratio);
inline double MapValue(const AxisMap& map, double v)
{
    return v * map.scale + map.offset;
}
// The range minimum and maximum in model coordinates.
inline double MappedMin(const AxisMap& map)
{
    return MapValue(map, map.range_min);
}
inline double MappedMax(const AxisMap& map)
{
    return MapValue(map, map.range_max);
}

}  // namespace ov
