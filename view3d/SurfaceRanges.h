// SurfaceRanges: the four range edits of the surface page (x and y minimum and maximum): what each
// typed text evaluates to, and the surface's ranges set from them with each pair in order.
#pragma once

#include <ornivex/surface.h>

#include <array>
#include <string_view>

namespace ov {

enum SurfaceRangeField : int { kRangeXMin, kRangeXMax, kRangeYMin, kRangeYMax, kRangeFields };

// The values the edits hold, in SurfaceRangeField order; they may stand in either order.
using SurfaceRanges = std::array<double, kRangeFields>;

SurfaceRanges RangesOf(const SurfaceGrid& grid);

// Evaluates the text of one edit as an expression (e, pi, PI and Pi known) and takes its value.
// False, with the ranges unchanged, when the text does not evaluate to one finite number.
bool TakeRangeText(SurfaceRanges& ranges, SurfaceRangeField field, std::u16string_view text);

// Sets the grid's ranges to the smaller and the larger value of each pair when that differs from what
// the grid has; true when the grid changed (its headers need recomputing).
bool ApplyRanges(SurfaceGrid& grid, const SurfaceRanges& ranges);

}  // namespace ov
