// The library's path object and the cardinal-spline conversion it uses for curves.
#include "paths/PathObject.h"

#include <algorithm>

namespace ov {

void PathObject::Reset()
{
    points_.clear();
    types_.clear();
    figureOpen_ = false;
}

void PathObject::CloseFigure()
{
    if (figureOpen_ && !types_.empty()) types_.back() |= OV_PATH_CLOSE;
    figureOpen_ = false;
}

uint8_t PathObject::FirstType() const
{
    return figureOpen_ ? OV_PATH_LINE : OV_PATH_START;
}

bool PathObject::AddLines(std::span<const OvPointF> points)
{
    if (points.empty()) return false;
    Append(points[0], FirstType());
    for (size_t i = 1; i < points.size(); ++i) Append(points[i], OV_PATH_LINE);
    figureOpen_ = true;
    return true;
}

bool PathObject::AddPolygon(std::span<const OvPointF> points)
{
    if (points.size() < 3) return false;
    StartFigure();
    AddLines(points);
    CloseFigure();
    return true;
}

bool PathObject::AddBeziers(std::span<const OvPointF> points)
{
    if (points.size() < 4 || (points.size() - 1) % 3 != 0) return false;
    Append(points[0], FirstType());
    for (size_t i = 1; i < points.size(); ++i) Append(points[i], OV_PATH_BEZIER);
    figureOpen_ = true;
    return true;
}

bool PathObject::AddCurve(std::span<const OvPointF> points, float tension)
{
    if (points.size() < 2) return false;
    auto beziers = CardinalToBeziers(points, tension, false);
    return AddBeziers(beziers);
}

bool PathObject::AddClosedCurve(std::span<const OvPointF> points, float tension)
{
    if (points.size() < 3) return false;
    StartFigure();
    auto beziers = CardinalToBeziers(points, tension, true);
    AddBeziers(beziers);
    CloseFigure();
    return true;
}

std::vector<OvPointF> CardinalToBeziers(std::span<const OvPointF> pts, float tension, bool closed)
{
    const size_t n = pts.size();
    const float k = tension / 3.0f;  // tangent of point i is (p[i+1] - p[i-1]) * tension / 3
    auto at = [&](ptrdiff_t i) -> OvPointF {
        if (closed)
            return pts[static_cast<size_t>((i + static_cast<ptrdiff_t>(n)) % static_cast<ptrdiff_t>(n))];
        return pts[static_cast<size_t>(std::clamp<ptrdiff_t>(i, 0, static_cast<ptrdiff_t>(n) - 1))];
    };
    const size_t segments = closed ? n : n - 1;
    std::vector<OvPointF> out;
    out.reserve(segments * 3 + 1);
    out.push_back(pts[0]);
    for (size_t s = 0; s < segments; ++s) {
        const auto i = static_cast<ptrdiff_t>(s);
        OvPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        out.push_back({p1.x + k * (p2.x - p0.x), p1.y + k * (p2.y - p0.y)});
        out.push_back({p2.x - k * (p3.x - p1.x), p2.y - k * (p3.y - p1.y)});
        out.push_back(p2);
    }
    return out;
}

}  // namespace ov
