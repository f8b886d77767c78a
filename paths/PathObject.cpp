// The library's path object: building figures, reversing, transforming, bounds and hit testing.
#include "paths/PathObject.h"

#include "paths/BezierCubic.h"
#include "paths/CardinalSpline.h"
#include "paths/EllipticArc.h"
#include "paths/PathFlattening.h"

#include <algorithm>

namespace ov {

namespace {

uint8_t KindOf(uint8_t type)
{
    return type & OV_PATH_TYPE_MASK;
}

// Distance from p to the segment ab.
double SegmentDistance(Vec2 p, Vec2 a, Vec2 b)
{
    const Vec2 d = b - a;
    const double len2 = Dot(d, d);
    const double t = len2 > 0.0 ? std::clamp(Dot(p - a, d) / len2, 0.0, 1.0) : 0.0;
    return Distance(p, a + d * t);
}

}  // namespace

std::vector<FigureRange> PathObject::Figures() const
{
    std::vector<FigureRange> figures;
    for (size_t i = 0; i < types_.size(); ++i) {
        const bool starts = i == 0 || KindOf(types_[i]) == OV_PATH_START || (types_[i - 1] & OV_PATH_CLOSE);
        if (starts) figures.push_back({i, i});
        figures.back().end = i + 1;
    }
    return figures;
}

void PathObject::Reset()
{
    points_.clear();
    types_.clear();
    figureOpen_ = false;
}

void PathObject::SetData(std::span<const OvPointF> points, std::span<const uint8_t> types)
{
    const size_t n = std::min(points.size(), types.size());
    points_.assign(points.begin(), points.begin() + static_cast<ptrdiff_t>(n));
    types_.assign(types.begin(), types.begin() + static_cast<ptrdiff_t>(n));
    figureOpen_ = n > 0 && !(types_.back() & OV_PATH_CLOSE);
}

void PathObject::CloseFigure()
{
    if (figureOpen_ && !types_.empty()) types_.back() |= OV_PATH_CLOSE;
    figureOpen_ = false;
}

bool PathObject::AppendFirst(OvPointF p)
{
    const bool repeats =
        figureOpen_ && !points_.empty() && points_.back().x == p.x && points_.back().y == p.y;
    if (!repeats) Append(p, figureOpen_ ? OV_PATH_LINE : OV_PATH_START);
    figureOpen_ = true;
    return !repeats;
}

bool PathObject::AddLines(std::span<const OvPointF> points)
{
    if (points.empty()) return false;
    AppendFirst(points[0]);
    for (size_t i = 1; i < points.size(); ++i) Append(points[i], OV_PATH_LINE);
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
    AppendFirst(points[0]);
    for (size_t i = 1; i < points.size(); ++i) Append(points[i], OV_PATH_BEZIER);
    return true;
}

bool PathObject::AddCurve(std::span<const OvPointF> points, float tension)
{
    if (points.size() < 2) return false;
    return AddBeziers(CardinalToBeziers(points, tension, false));
}

bool PathObject::AddClosedCurve(std::span<const OvPointF> points, float tension)
{
    if (points.size() < 3) return false;
    StartFigure();
    AddBeziers(CardinalToBeziers(points, tension, true));
    CloseFigure();
    return true;
}

bool PathObject::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return AddBeziers(ArcToBeziers(x, y, width, height, startAngle, sweepAngle));
}

void PathObject::Append(const PathObject& other, bool connect)
{
    if (other.points_.empty()) return;
    const size_t first = points_.size();
    const bool joins = connect && figureOpen_ && !points_.empty();
    // Copies first: the other path may be this one.
    const std::vector<OvPointF> points = other.points_;
    const std::vector<uint8_t> types = other.types_;
    points_.insert(points_.end(), points.begin(), points.end());
    types_.insert(types_.end(), types.begin(), types.end());
    if (joins) types_[first] = static_cast<uint8_t>((types_[first] & ~OV_PATH_TYPE_MASK) | OV_PATH_LINE);
    figureOpen_ = other.figureOpen_;
}

void PathObject::Reverse()
{
    const auto figures = Figures();
    const std::vector<OvPointF> oldPoints = points_;
    const std::vector<uint8_t> oldTypes = types_;
    size_t out = 0;
    for (auto f = figures.rbegin(); f != figures.rend(); ++f) {
        const bool closed = oldTypes[f->end - 1] & OV_PATH_CLOSE;
        // The step into old point i (from i - 1) becomes the step into old point i - 1.
        for (size_t i = f->end; i-- > f->begin; ++out) {
            points_[out] = oldPoints[i];
            types_[out] = i + 1 < f->end ? KindOf(oldTypes[i + 1]) : uint8_t{OV_PATH_START};
        }
        if (closed) types_[out - 1] |= OV_PATH_CLOSE;
    }
}

void PathObject::Transform(const PathMatrix& m)
{
    for (OvPointF& p : points_) {
        const float x = p.x, y = p.y;
        p = {m.m11 * x + m.m21 * y + m.dx, m.m12 * x + m.m22 * y + m.dy};
    }
}

Box PathObject::WorldBounds(float penWidth) const
{
    Box box;
    ForEachPiece(*this, [&](const Cubic& c) { box = UnionBounds(box, CurveBounds(c)); });
    if (box.IsEmpty()) return box;
    const double half = std::max(0.0f, penWidth) / 2.0;
    return {box.minX - half, box.minY - half, box.maxX + half, box.maxY + half};
}

bool PathObject::IsOutlineVisible(float x, float y, float penWidth) const
{
    const double reach = std::max(1.0f, penWidth) / 2.0;
    const Vec2 p{x, y};
    bool hit = false;
    for (const auto& line : Flatten(*this)) {
        for (size_t i = 0; i + 1 < line.size() && !hit; ++i)
            hit = SegmentDistance(p, line[i], line[i + 1]) <= reach;
        if (line.size() == 1) hit = hit || Distance(p, line[0]) <= reach;
        if (hit) return true;
    }
    return false;
}

}  // namespace ov
