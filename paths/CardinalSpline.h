// Cardinal splines as runs of cubic Béziers, the way the platform path builds its curves.
#pragma once

#include <ornivex/path.h>

#include <span>
#include <vector>

namespace ov {

// Tension used when the caller gives none, or gives a non-finite one.
inline constexpr float kDefaultTension = 0.5f;

// Bézier control points (start point, then three per piece) of the cardinal spline through pts.
// The tangent at point i is (p[i+1] - p[i-1]) · tension; its Bézier handles are a third of it. An
// open curve repeats its end points for the missing neighbours; a closed one wraps around.
std::vector<OvPointF> CardinalToBeziers(std::span<const OvPointF> pts, float tension, bool closed);

}  // namespace ov
