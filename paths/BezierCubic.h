// Evaluation, splitting and boxes of cubic Béziers and point sets.
#pragma once

#include "paths/Vec2.h"

#include <cstddef>

namespace ov {

// Point at t, with t clamped to [0, 1] (NaN counts as 0).
Vec2 BezierPoint(const Cubic& c, double t);
// First derivative at t (not clamped).
Vec2 BezierDerivative(const Cubic& c, double t);
// de Casteljau split at t; either half may be omitted with null.
void SplitBezier(const Cubic& c, double t, Cubic* left, Cubic* right);

Box Bounds(const Vec2* points, size_t n);
inline Box Bounds(const Cubic& c)
{
    return Bounds(c.data(), c.size());
}
Box UnionBounds(const Box& a, const Box& b);
// The box of the curve itself (end points and extrema), never larger than the control-point box.
Box CurveBounds(const Cubic& c);

}  // namespace ov
