// The range edits of the surface page, evaluated by the one evaluator of typed numbers.
#include "view3d/SurfaceRanges.h"

#include "data/formula/NumericExpression.h"

#include <algorithm>
#include <cmath>

namespace ov {

SurfaceRanges RangesOf(const SurfaceGrid& grid)
{
    return {grid.x_min, grid.x_max, grid.y_min, grid.y_max};
}

bool TakeRangeText(SurfaceRanges& ranges, SurfaceRangeField field, std::u16string_view text)
{
    const ExpressionResult result = EvaluateNumericText(text);
    if (!result.ok || !std::isfinite(result.value)) return false;
    ranges[static_cast<std::size_t>(field)] = result.value;
    return true;
}

bool ApplyRanges(SurfaceGrid& grid, const SurfaceRanges& ranges)
{
    const auto [xMin, xMax] = std::minmax(ranges[kRangeXMin], ranges[kRangeXMax]);
    const auto [yMin, yMax] = std::minmax(ranges[kRangeYMin], ranges[kRangeYMax]);
    if (xMin == grid.x_min && xMax == grid.x_max && yMin == grid.y_min && yMax == grid.y_max) return false;
    grid.x_min = xMin;
    grid.x_max = xMax;
    grid.y_min = yMin;
    grid.y_max = yMax;
    return true;
}

}  // namespace ov
