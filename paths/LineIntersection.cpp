// Segment–segment and segment–cubic intersection with the fixed tolerances of the clipping code.
#include "paths/LineIntersection.h"

#include "paths/BezierCubic.h"
#include "paths/Polynomial.h"

#include <cmath>

namespace ov {

namespace {

constexpr double kOnSegment = 0.01;
constexpr double kMinLength = 2.0;

// |AP| + |PB| - |AB| is zero exactly on the segment and grows with the distance from it.
bool LiesOn(Vec2 p, Vec2 a, Vec2 b)
{
    return std::fabs(Distance(a, p) + Distance(p, b) - Distance(a, b)) < kOnSegment;
}

// Height of the cubic above the line after rotating the line onto the x axis.
struct Heights {
    double y[4];

    double At(double t) const
    {
        const double u = 1 - t;
        return y[0] * u * u * u + 3 * y[1] * u * u * t + 3 * y[2] * u * t * t + y[3] * t * t * t;
    }
    double SlopeAt(double t) const
    {
        const double u = 1 - t;
        return 3 * ((y[1] - y[0]) * u * u + 2 * (y[2] - y[1]) * u * t + (y[3] - y[2]) * t * t);
    }
};

Heights HeightsAbove(Vec2 a, Vec2 b, const Cubic& c)
{
    const double angle = std::atan2(b.y - a.y, b.x - a.x);
    const double s = std::sin(angle), co = std::cos(angle);
    Heights h{};
    for (int i = 0; i < 4; ++i) h.y[i] = -s * (c[i].x - a.x) + co * (c[i].y - a.y);
    return h;
}

// A curve that grazes the line can lose its double root to rounding. When the ends are close to
// the line, bisect the slope for the turning point and accept it when it touches the line.
Roots GrazingRoot(const Heights& h)
{
    constexpr double kNearEnds = 3.0, kTouch = 0.01;
    Roots r;
    if (!(std::fabs(h.y[0]) <= kNearEnds || std::fabs(h.y[3]) <= kNearEnds)) return r;
    double lo = 0.0, hi = 1.0;
    const double slopeLo = h.SlopeAt(lo);
    if (!(slopeLo * h.SlopeAt(hi) < 0.0)) return r;
    for (int step = 0; step < 100 && hi - lo > 1e-12; ++step) {
        const double mid = (lo + hi) / 2;
        (h.SlopeAt(mid) * slopeLo > 0.0 ? lo : hi) = mid;
    }
    const double t = (lo + hi) / 2;
    if (std::fabs(h.At(t)) < kTouch) r.Add(t);
    return r;
}

// A lone root next to an end is snapped onto it; two roots closer than 0.001 are one contact.
Roots Tidy(Roots r)
{
    constexpr double kSnap = 0.0001, kClose = 0.001;
    if (r.count == 1 && r.values[0] < kSnap) r.values[0] = 0.0;
    if (r.count == 1 && r.values[0] > 1.0 - kSnap) r.values[0] = 1.0;
    if (r.count == 2 && std::fabs(r.values[0] - r.values[1]) < kClose) {
        r.values[0] = (r.values[0] + r.values[1]) / 2;
        r.count = 1;
    }
    return r;
}

}  // namespace

std::optional<Vec2> IntersectLines(Vec2 a, Vec2 b, Vec2 c, Vec2 d)
{
    if (LiesOn(c, a, b)) return c;
    if (LiesOn(d, a, b)) return d;
    if (LiesOn(a, c, d)) return a;
    if (LiesOn(b, c, d)) return b;
    const Vec2 dAB = b - a, dCD = d - c, w = c - a;
    const double denom = Cross(dCD, dAB);
    if (denom == 0.0) return std::nullopt;
    const double t = Cross(dCD, w) / denom;
    const double u = Cross(dAB, w) / denom;
    if (!(t >= 0.0 && t <= 1.0 && u >= 0.0 && u <= 1.0)) return std::nullopt;
    return a + dAB * t;
}

std::vector<CurveHit> IntersectLineBezier(Vec2 a, Vec2 b, const Cubic& cubic)
{
    std::vector<CurveHit> hits;
    if (!(Distance(cubic[0], cubic[3]) >= kMinLength && Distance(a, b) >= kMinLength)) return hits;
    const Heights h = HeightsAbove(a, b, cubic);
    const double* y = h.y;
    Roots roots = CubicRootsInUnit(-y[0] + 3 * y[1] - 3 * y[2] + y[3], 3 * y[0] - 6 * y[1] + 3 * y[2],
                                   3 * y[1] - 3 * y[0], y[0]);
    roots = roots.count == 0 ? GrazingRoot(h) : Tidy(roots);
    for (int i = 0; i < roots.count; ++i) {
        const double t = roots.values[i];
        if (!(t > 0.0 && t <= 1.0)) continue;
        const Vec2 p = BezierPoint(cubic, t);
        if (LiesOn(p, a, b)) hits.push_back({t, p});
    }
    return hits;
}

}  // namespace ov
