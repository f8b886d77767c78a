// Cubic Bézier evaluation, de Casteljau splitting and bounding boxes.
#include "paths/BezierCubic.h"

#include "paths/Polynomial.h"

#include <algorithm>

namespace ov {

namespace {

double ClampUnit(double t)
{
    if (!(t > 0.0)) return 0.0;  // NaN lands here too
    return t < 1.0 ? t : 1.0;
}

void Widen(Box& box, Vec2 p)
{
    box.minX = std::min(box.minX, p.x);
    box.minY = std::min(box.minY, p.y);
    box.maxX = std::max(box.maxX, p.x);
    box.maxY = std::max(box.maxY, p.y);
}

}  // namespace

Vec2 BezierPoint(const Cubic& c, double t)
{
    t = ClampUnit(t);
    const double u = 1.0 - t;
    return c[0] * (u * u * u) + c[1] * (3 * u * u * t) + c[2] * (3 * u * t * t) + c[3] * (t * t * t);
}

Vec2 BezierDerivative(const Cubic& c, double t)
{
    const double u = 1.0 - t;
    return ((c[1] - c[0]) * (u * u) + (c[2] - c[1]) * (2 * u * t) + (c[3] - c[2]) * (t * t)) * 3.0;
}

void SplitBezier(const Cubic& c, double t, Cubic* left, Cubic* right)
{
    const Vec2 a = Lerp(c[0], c[1], t), b = Lerp(c[1], c[2], t), d = Lerp(c[2], c[3], t);
    const Vec2 ab = Lerp(a, b, t), bd = Lerp(b, d, t);
    const Vec2 mid = Lerp(ab, bd, t);
    if (left) *left = {c[0], a, ab, mid};
    if (right) *right = {mid, bd, d, c[3]};
}

Box Bounds(const Vec2* points, size_t n)
{
    Box box;
    if (!points || n == 0) return box;
    box = {points[0].x, points[0].y, points[0].x, points[0].y};
    for (size_t i = 1; i < n; ++i) Widen(box, points[i]);
    return box;
}

Box UnionBounds(const Box& a, const Box& b)
{
    return {std::min(a.minX, b.minX), std::min(a.minY, b.minY), std::max(a.maxX, b.maxX),
            std::max(a.maxY, b.maxY)};
}

Box CurveBounds(const Cubic& c)
{
    Box box = Bounds(c.data(), 1);
    Widen(box, c[3]);
    // The derivative per axis is a quadratic; its roots inside (0, 1) are the extrema.
    auto extrema = [&](double p0, double p1, double p2, double p3) {
        const Roots r = SolveQuadratic(-p0 + 3 * p1 - 3 * p2 + p3, 2 * (p0 - 2 * p1 + p2), p1 - p0);
        for (int i = 0; i < r.count; ++i) {
            if (r.values[i] > 0.0 && r.values[i] < 1.0) Widen(box, BezierPoint(c, r.values[i]));
        }
    };
    extrema(c[0].x, c[1].x, c[2].x, c[3].x);
    extrema(c[0].y, c[1].y, c[2].y, c[3].y);
    return box;
}

}  // namespace ov
