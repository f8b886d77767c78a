// Marker geometry: 1 square, 2 circle, 3 diamond, 4 and 5 triangles, 6 pentagon, 7 star, 8 plus,
// 9 cross, 10 plus and cross.
#include "chart/MarkerShapes.h"

#include <cmath>
#include <numbers>

namespace ov {
namespace {

constexpr float kSpan = 13.0f;  // polygons are about this many pixels across

// Regular polygon (or star when inner > 0) with its first corner straight up.
std::vector<MarkerPoint> Regular(int corners, float radius, float inner = 0)
{
    std::vector<MarkerPoint> points;
    const int steps = inner > 0 ? corners * 2 : corners;
    for (int i = 0; i < steps; ++i) {
        const double a = -std::numbers::pi / 2 + 2 * std::numbers::pi * i / steps;
        const float r = inner > 0 && i % 2 == 1 ? inner : radius;
        points.push_back({static_cast<float>(r * std::cos(a)), static_cast<float>(r * std::sin(a))});
    }
    return points;
}

MarkerShape Polygon(std::vector<MarkerPoint> points)
{
    return {MarkerKind::Polygon, kSpan, std::move(points), {}};
}

void AddPlus(MarkerShape& s)
{
    const float h = kSpan / 2;
    s.strokes.push_back({{-h, 0}, {h, 0}});
    s.strokes.push_back({{0, -h}, {0, h}});
}

void AddCross(MarkerShape& s)
{
    s.strokes.push_back({{-5, -5}, {5, 5}});
    s.strokes.push_back({{-5, 5}, {5, -5}});
}

}  // namespace

MarkerShape MarkerGeometry(int index)
{
    const float h = kSpan / 2;
    switch (index) {
    case 1: return {MarkerKind::Square, 11, {}, {}};
    case 2: return {MarkerKind::Circle, 12, {}, {}};
    case 3: return Polygon({{0, -h}, {h, 0}, {0, h}, {-h, 0}});
    case 4: return Polygon({{0, -h}, {h, h * 0.8f}, {-h, h * 0.8f}});
    case 5: return Polygon({{-h, -h * 0.8f}, {h, -h * 0.8f}, {0, h}});
    case 6: return Polygon(Regular(5, h));
    case 7: return Polygon(Regular(5, h, h * 0.45f));
    case 8:
    case 9:
    case 10: {
        MarkerShape s{MarkerKind::Strokes, kSpan, {}, {}};
        if (index != 9) AddPlus(s);
        if (index != 8) AddCross(s);
        return s;
    }
    default: return {};
    }
}

}  // namespace ov
