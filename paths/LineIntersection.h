// Intersections that involve a straight segment: segment with segment, segment with cubic.
#pragma once

#include "paths/Vec2.h"

#include <optional>
#include <vector>

namespace ov {

// Segments AB and CD: an end point lying on the other segment within 0.01 wins (C, D, A, B in that
// order); otherwise the proper crossing; parallel segments without touching ends give none.
std::optional<Vec2> IntersectLines(Vec2 a, Vec2 b, Vec2 c, Vec2 d);

// A crossing of a line with a cubic: the cubic's parameter and the point on it.
struct CurveHit {
    double t = 0.0;
    Vec2 point;
};

// Crossings of segment AB with the cubic, for parameters 0 < t <= 1. Both the segment and the
// cubic's chord must be at least 2.0 long. Near-tangent contacts are searched for as well.
std::vector<CurveHit> IntersectLineBezier(Vec2 a, Vec2 b, const Cubic& cubic);

}  // namespace ov
