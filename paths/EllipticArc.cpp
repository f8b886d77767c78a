// Elliptic arc to Bézier conversion: equal pieces of at most a quarter turn, each approximated
// with handles of length 4/3·tan(quarter of its span) along the ellipse's tangents.
#include "paths/EllipticArc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ov {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// The ellipse's own parameter of the point that lies at the given angle from the centre.
double ParameterOfAngle(double degrees, double rx, double ry)
{
    const double a = degrees * kRadiansPerDegree;
    const double turns = std::floor(degrees / 360.0);  // keep the winding of the original angle
    double t = std::atan2(std::sin(a) / ry, std::cos(a) / rx);
    if (t < 0.0) t += 2 * std::numbers::pi;
    return t + turns * 2 * std::numbers::pi;
}

}  // namespace

std::vector<OvPointF> ArcToBeziers(float x, float y, float width, float height, float startAngle,
                                   float sweepAngle)
{
    const double rx = width / 2.0, ry = height / 2.0;
    const double values[] = {x, y, rx, ry, startAngle, sweepAngle};
    if (!std::all_of(std::begin(values), std::end(values), [](double v) { return std::isfinite(v); }))
        return {};
    if (!(rx > 0.0 && ry > 0.0)) return {};
    const double cx = x + rx, cy = y + ry;
    const double sweep = std::clamp<double>(sweepAngle, -360.0, 360.0);
    const double t0 = ParameterOfAngle(startAngle, rx, ry);
    const double span = std::fabs(sweep) >= 360.0 ? std::copysign(2 * std::numbers::pi, sweep)
                                                  : ParameterOfAngle(startAngle + sweep, rx, ry) - t0;
    const int pieces =
        std::max(1, static_cast<int>(std::ceil(std::fabs(span) / (std::numbers::pi / 2) - 1e-9)));
    const double step = span / pieces;
    const double handle = 4.0 / 3.0 * std::tan(step / 4);
    auto point = [&](double t) {
        return OvPointF{float(cx + rx * std::cos(t)), float(cy + ry * std::sin(t))};
    };
    std::vector<OvPointF> out{point(t0)};
    for (int i = 0; i < pieces; ++i) {
        const double a = t0 + step * i, b = a + step;
        out.push_back({float(cx + rx * (std::cos(a) - handle * std::sin(a))),
                       float(cy + ry * (std::sin(a) + handle * std::cos(a)))});
        out.push_back({float(cx + rx * (std::cos(b) + handle * std::sin(b))),
                       float(cy + ry * (std::sin(b) - handle * std::cos(b)))});
        out.push_back(point(b));
    }
    return out;
}

}  // namespace ov
