// Elliptic arcs as runs of cubic Béziers, for the path object's arcs.
#pragma once

#include <ornivex/path.h>

#include <vector>

namespace ov {

// Bézier points (start point, then three per piece) of the arc of the ellipse inscribed in the box
// (x, y, width, height), from startAngle over sweepAngle degrees, clockwise on a y-down page. Angles
// are those of the arc's points as seen from the centre; sweeps beyond ±360 draw the full ellipse.
// Each piece spans at most 90 degrees. Empty for a box without area or non-finite input.
std::vector<OvPointF> ArcToBeziers(float x, float y, float width, float height, float startAngle,
                                   float sweepAngle);

}  // namespace ov
