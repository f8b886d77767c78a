// The circle through three points, as the box and angles of the arc from the first point through
// the second to the third.
#pragma once

#include "paths/Vec2.h"

#include <optional>

namespace ov {

struct ArcThrough {
    double x = 0.0;  // box of the circle: left, top, width, height
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
    double startAngle = 0.0;  // degrees, clockwise on a y-down page like the path arcs
    double sweepAngle = 0.0;
};

// None when the points are collinear (or not finite).
std::optional<ArcThrough> CircleThrough(Vec2 p1, Vec2 p2, Vec2 p3);

}  // namespace ov
