// Vec2, Cubic and Box: the double-precision value types the Bézier geometry works on.
#pragma once

#include <array>
#include <cmath>

namespace ov {

struct Vec2 {
    double x = 0.0;
    double y = 0.0;

    friend Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
    friend Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
    friend Vec2 operator*(Vec2 a, double f) { return {a.x * f, a.y * f}; }
    friend Vec2 operator*(double f, Vec2 a) { return {a.x * f, a.y * f}; }
    friend bool operator==(Vec2 a, Vec2 b) = default;
};

inline double Dot(Vec2 a, Vec2 b)
{
    return a.x * b.x + a.y * b.y;
}
inline double Cross(Vec2 a, Vec2 b)
{
    return a.x * b.y - a.y * b.x;
}
inline double Length(Vec2 a)
{
    return std::hypot(a.x, a.y);
}
inline double Distance(Vec2 a, Vec2 b)
{
    return Length(b - a);
}
inline double DistanceSquared(Vec2 a, Vec2 b)
{
    return Dot(b - a, b - a);
}
inline Vec2 Lerp(Vec2 a, Vec2 b, double t)
{
    return a + (b - a) * t;
}
inline bool IsFinite(Vec2 a)
{
    return std::isfinite(a.x) && std::isfinite(a.y);
}

// A cubic Bézier: start point, two control points, end point.
using Cubic = std::array<Vec2, 4>;

// Axis-aligned box; an empty box has min above max.
struct Box {
    double minX = INFINITY;
    double minY = INFINITY;
    double maxX = -INFINITY;
    double maxY = -INFINITY;

    double Width() const { return maxX - minX; }
    double Height() const { return maxY - minY; }
    bool IsEmpty() const { return !(minX <= maxX && minY <= maxY); }
};

// True when the boxes share at least a point; false whenever a coordinate is NaN.
inline bool Overlaps(const Box& a, const Box& b)
{
    return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

}  // namespace ov
