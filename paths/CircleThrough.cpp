// Circle through three points and the sweep that makes its arc pass through the middle point.
#include "paths/CircleThrough.h"

#include <cmath>

namespace ov {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

double AngleAbout(Vec2 centre, Vec2 p)
{
    const double a = std::atan2(p.y - centre.y, p.x - centre.x) * kDegreesPerRadian;
    return a < 0.0 ? a + 360.0 : a;
}

// The sweep from a1 to a3 taken in the direction that meets a2 on the way.
double SweepThrough(double a1, double a2, double a3)
{
    const double s = a3 - a1;
    if (a1 <= a2 && a2 < a3) return s;
    if (a1 < a3 && a3 < a2) return s - 360.0;
    if (a2 <= a1 && a1 < a3) return s - 360.0;
    if (a3 < a2 && a2 < a1) return s;
    return s + 360.0;
}

}  // namespace

std::optional<ArcThrough> CircleThrough(Vec2 p1, Vec2 p2, Vec2 p3)
{
    const double d = (p3.y - p1.y) * (p2.x - p1.x) - (p3.x - p1.x) * (p2.y - p1.y);
    if (!(std::fabs(d) >= 1e-16)) return std::nullopt;
    const double a = ((p2.x * p2.x - p1.x * p1.x) + (p2.y * p2.y - p1.y * p1.y)) / 2;
    const double b = ((p3.x * p3.x - p1.x * p1.x) + (p3.y * p3.y - p1.y * p1.y)) / 2;
    const Vec2 centre{((p3.y - p1.y) * a - (p2.y - p1.y) * b) / d,
                      ((p2.x - p1.x) * b - (p3.x - p1.x) * a) / d};
    const double r = Distance(centre, p1);
    if (!std::isfinite(r)) return std::nullopt;
    const double a1 = AngleAbout(centre, p1), a2 = AngleAbout(centre, p2), a3 = AngleAbout(centre, p3);
    return ArcThrough{centre.x - r, centre.y - r, 2 * r, 2 * r, a1, SweepThrough(a1, a2, a3)};
}

}  // namespace ov
