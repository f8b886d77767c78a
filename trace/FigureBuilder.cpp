// FigureBuilder: the three path styles and the corner walk of the blending style.
#include "trace/FigureBuilder.h"

#include "paths/CardinalSpline.h"
#include "trace/COvCFA.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ov {
namespace {

double AngleAt(OvPointF p, OvPointF a, OvPointF b)
{
    const double ax = a.x - p.x, ay = a.y - p.y;
    const double bx = b.x - p.x, by = b.y - p.y;
    const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
    if (la <= 1e-16 || lb <= 1e-16) return 0.0;
    return std::acos(std::clamp((ax * bx + ay * by) / (la * lb), -1.0, 1.0));
}

// The piece from corner `from` to point `to`: a line to the next point, a curve over a longer run.
void AddPiece(std::span<const OvPointF> points, size_t from, size_t to, PathObject& figure)
{
    if (to == from + 1) {
        const OvPointF line[] = {points[from], points[to]};
        figure.AddLines(line);
    } else if (to > from + 1) {
        figure.AddCurve(points.subspan(from, to - from + 1), kDefaultTension);
    }
}

void BuildBlending(std::span<const OvPointF> points, int blending, PathObject& figure)
{
    const size_t m = points.size();
    const double threshold = CornerThreshold(blending);
    const std::vector<double> angles = CornerAngles(points);
    bool anyCorner = false;
    for (size_t i = 0; i + 1 < m; ++i) anyCorner = anyCorner || angles[i] < threshold;
    if (!anyCorner) {
        figure.AddClosedCurve(points.first(m - 1), kDefaultTension);
        return;
    }
    size_t corner = 0;
    for (size_t i = 0; i + 1 < m; ++i) {
        if (angles[i] >= threshold) continue;
        AddPiece(points, corner, i, figure);
        corner = i;
    }
    AddPiece(points, corner, m - 1, figure);
    figure.CloseFigure();
}

}  // namespace

double CornerThreshold(int blending)
{
    return (blending / 133.333 + 0.2499) * std::numbers::pi;
}

std::vector<double> CornerAngles(std::span<const OvPointF> points)
{
    const size_t m = points.size();
    std::vector<double> angles(m, 0.0);
    if (m < 3) return angles;
    angles[0] = AngleAt(points[0], points[m - 2], points[1]);
    for (size_t i = 1; i + 1 < m; ++i) angles[i] = AngleAt(points[i], points[i - 1], points[i + 1]);
    angles[m - 1] = angles[0];
    return angles;
}

bool BuildFigure(std::span<const OvPointF> points, int pathStyle, int blending, PathObject& figure)
{
    const size_t m = points.size();
    if (m < 3) return false;
    figure = PathObject(OV_FILL_ALTERNATE);
    const auto ring = points.first(m - 1);
    if (m < 4 || pathStyle == kPathPolygon) {
        figure.AddPolygon(ring);  // two points fail here and leave the figure empty
    } else if (pathStyle == kPathClosedCurve) {
        figure.AddClosedCurve(ring, kDefaultTension);
    } else {
        BuildBlending(points, blending, figure);
    }
    return true;
}

std::vector<PathObject> BuildContourPaths(const Outlines& outlines, double threshold,
                                          const FloodFillSettings& settings, std::vector<OvPointF>& keyPoints)
{
    std::vector<PathObject> figures;
    keyPoints.clear();
    std::vector<OvPointF> ring;
    for (const Outline& outline : outlines) {
        if (outline.empty() || OutlineArea(outline) < threshold) continue;
        ring.clear();
        for (const cv::Point& p : outline) ring.push_back({static_cast<float>(p.x), static_cast<float>(p.y)});
        ring.push_back(ring.front());
        std::vector<OvPointF> kept = ApproximateOutline(ring, settings.approximability);
        if (Approximates(ring.size(), settings.approximability)) {
            keyPoints.insert(keyPoints.end(), kept.begin(), kept.end());
        }
        PathObject figure;
        if (BuildFigure(kept, settings.pathStyle, settings.blending, figure))
            figures.push_back(std::move(figure));
    }
    return figures;
}

void MergeFigures(const std::vector<PathObject>& figures, PathObject& target)
{
    target.Reset();
    for (const PathObject& figure : figures) target.Append(figure, true);
}

}  // namespace ov
