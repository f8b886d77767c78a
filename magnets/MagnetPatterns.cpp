// MagnetPatterns: point order, counts and the limits of each generator.
#include "magnets/MagnetPatterns.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ov {
namespace {

constexpr int32_t kMaxSideCount = 100;
constexpr int32_t kMinCirclePoints = 2;
constexpr int32_t kMaxCirclePoints = 120;
constexpr int32_t kMinLineIntervals = 3;
constexpr int32_t kShortLineIntervals = 2;
constexpr int32_t kFullCircle = 360;

int32_t SideCount(int32_t n)
{
    return std::clamp(n, 1, kMaxSideCount);
}

}  // namespace

std::vector<UserPoint> CrossPoints(CrossParams& p)
{
    p.xd = SideCount(p.xd);
    p.yd = SideCount(p.yd);
    const double xc = p.xc, yc = p.yc, xg = p.xg, yg = p.yg;
    std::vector<UserPoint> points;
    points.push_back({xc, yc});
    for (int32_t i = 1; i <= p.xd; ++i) points.push_back({xc + i * xg, yc});
    for (int32_t i = 1; i <= p.xd; ++i) points.push_back({xc - i * xg, yc});
    for (int32_t j = 1; j <= p.yd; ++j) points.push_back({xc, yc - j * yg});
    for (int32_t j = 1; j <= p.yd; ++j) points.push_back({xc, yc + j * yg});
    return points;
}

std::vector<UserPoint> LinePoints(LineParams& p)
{
    if (p.nd < kMinLineIntervals) p.nd = kShortLineIntervals;
    const double nd = p.nd;
    const double dx = (double(p.x1) - p.x0) / nd, dy = (double(p.y1) - p.y0) / nd;
    std::vector<UserPoint> points(static_cast<std::size_t>(p.nd) + 1);
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = {p.x0 + double(i) * dx, p.y0 + double(i) * dy};
    return points;
}

std::vector<UserPoint> CirclePoints(CircleParams& p, bool withCentre)
{
    p.rd = std::clamp(p.rd, kMinCirclePoints, kMaxCirclePoints);
    const int32_t divisor = p.dA >= kFullCircle ? p.rd : p.rd - 1;
    const double step = double(p.dA) / divisor;
    std::vector<UserPoint> points;
    if (withCentre) points.push_back({p.px, p.py});
    for (int32_t k = 0; k < p.rd; ++k) {
        const double theta = (p.A0 - k * step) * std::numbers::pi / 180.0;
        points.push_back({p.px + p.RR * std::cos(theta), p.py - p.RR * std::sin(theta)});
    }
    return points;
}

std::vector<UserPoint> GridPoints(GridParams& p)
{
    p.xd1 = SideCount(p.xd1);
    p.yd1 = SideCount(p.yd1);
    const int32_t nx = 2 * p.xd1 + 1, ny = 2 * p.yd1 + 1;
    const double left = p.xc1 - p.xd1 * double(p.xg1), top = p.yc1 + p.yd1 * double(p.yg1);
    std::vector<UserPoint> points;
    for (int32_t j = 0; j < ny; ++j)
        for (int32_t i = 0; i < nx; ++i)
            points.push_back({left + i * double(p.xg1), top - j * double(p.yg1)});
    return points;
}

std::vector<UserPoint> StaggeredPoints(StaggerParams& p, bool staggeredRows)
{
    p.xd2 = SideCount(p.xd2);
    p.yd2 = SideCount(p.yd2);
    const int32_t nx = 2 * p.xd2 + 1, ny = 2 * p.yd2 + 1;
    const double g = p.gg2, h = g * std::sqrt(3.0) / 2.0;
    const double xPitch = staggeredRows ? g : h, yPitch = staggeredRows ? h : g;
    const double left = p.xc2 - p.xd2 * xPitch, top = p.yc2 + p.yd2 * yPitch;
    std::vector<UserPoint> points;
    for (int32_t j = 0; j < ny; ++j) {
        for (int32_t i = 0; i < nx; ++i) {
            UserPoint point{left + i * xPitch, top - j * yPitch};
            if (staggeredRows && j % 2 != p.yd2 % 2) point.x += g / 2;
            if (!staggeredRows && i % 2 != p.xd2 % 2) point.y -= g / 2;
            points.push_back(point);
        }
    }
    return points;
}

}  // namespace ov
