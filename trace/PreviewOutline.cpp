// PreviewOutline: flattening of the figures' Béziers by their second differences, then Douglas–Peucker.
#include "trace/PreviewOutline.h"

#include "paths/Vec2.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ov {

namespace {

constexpr int kMaxChords = 1024;

Vec2 V(OvPointF p)
{
    return {p.x, p.y};
}

// Chords of a cubic stay within 3/4 · d / n² of it, d the larger second difference of its points.
void AddBezier(const OvPointF* p, double tolerance, std::vector<OvPointF>& out)
{
    const Vec2 p0 = V(p[-1]), p1 = V(p[0]), p2 = V(p[1]), p3 = V(p[2]);
    const double d = std::max(Length(p0 - 2.0 * p1 + p2), Length(p1 - 2.0 * p2 + p3));
    const double wanted = std::ceil(std::sqrt(0.75 * d / tolerance));
    const int n = wanted >= 1 ? static_cast<int>(std::min<double>(wanted, kMaxChords)) : 1;
    for (int k = 1; k <= n; ++k) {
        const double t = double(k) / n, u = 1 - t;
        const Vec2 q = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
        out.push_back({static_cast<float>(q.x), static_cast<float>(q.y)});
    }
}

double SegmentDistanceSquared(Vec2 p, Vec2 a, Vec2 b)
{
    const Vec2 ab = b - a;
    const double len2 = Dot(ab, ab);
    const double t = len2 > 0 ? std::clamp(Dot(p - a, ab) / len2, 0.0, 1.0) : 0.0;
    return DistanceSquared(p, a + ab * t);
}

// Keeps the points a chord from the last kept one cannot replace within the tolerance.
std::vector<OvPointF> Thin(const std::vector<OvPointF>& in, double tolerance)
{
    if (in.size() < 3) return in;
    std::vector<char> keep(in.size(), 0);
    keep.front() = keep.back() = 1;
    const double limit = tolerance * tolerance;
    std::vector<std::pair<size_t, size_t>> spans{{0, in.size() - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        double worst = -1;
        size_t at = first;
        for (size_t i = first + 1; i < last; ++i) {
            const double d = SegmentDistanceSquared(V(in[i]), V(in[first]), V(in[last]));
            if (d > worst) worst = d, at = i;
        }
        if (!(worst > limit)) continue;
        keep[at] = 1;
        spans.push_back({first, at});
        spans.push_back({at, last});
    }
    std::vector<OvPointF> out;
    for (size_t i = 0; i < in.size(); ++i) {
        if (keep[i]) out.push_back(in[i]);
    }
    return out;
}

PreviewPolyline FlattenFigure(const PathObject& path, FigureRange f, double tolerance)
{
    const auto& points = path.Points();
    const auto& types = path.Types();
    std::vector<OvPointF> line{points[f.begin]};
    for (size_t i = f.begin + 1; i < f.end;) {
        if ((types[i] & OV_PATH_TYPE_MASK) == OV_PATH_BEZIER && i + 2 < f.end) {
            AddBezier(&points[i], tolerance, line);
            i += 3;
        } else {
            line.push_back(points[i++]);
        }
    }
    const bool closed = (types[f.end - 1] & OV_PATH_CLOSE) != 0;
    if (closed) line.push_back(line.front());
    return {std::move(line), closed};
}

}  // namespace

std::vector<PreviewPolyline> SimplifyForPreview(const PathObject& path, double tolerance)
{
    std::vector<PreviewPolyline> out;
    if (!(tolerance > 0)) tolerance = 0;
    for (const FigureRange f : path.Figures()) {
        PreviewPolyline figure = FlattenFigure(path, f, tolerance / 2);
        figure.points = Thin(figure.points, tolerance / 2);
        out.push_back(std::move(figure));
    }
    return out;
}

}  // namespace ov
