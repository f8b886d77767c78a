// StrokeCoverage: every segment, cut into short pieces, raises the coverage of the pixels around it
// to what their distance from it gives.
#include "trace/StrokeCoverage.h"

#include "paths/Vec2.h"

#include <algorithm>
#include <cmath>

namespace ov {

namespace {

// Pieces no longer than this keep the box scanned around each one small.
constexpr double kPieceLength = 4.0;

double SegmentDistanceSquared(Vec2 p, Vec2 a, Vec2 b)
{
    const Vec2 ab = b - a;
    const double len2 = Dot(ab, ab);
    const double t = len2 > 0 ? std::clamp(Dot(p - a, ab) / len2, 0.0, 1.0) : 0.0;
    return DistanceSquared(p, a + ab * t);
}

// Squared distances clearly past the reach (no coverage) or clearly inside the full core skip the
// square root; those near either edge take it, so every value is what the distance itself gives.
constexpr double kMargin = 1e-9;

class Painter {
public:
    Painter(CoverageMask& mask, double halfWidth)
        : mask_(mask),
          reach_(halfWidth + 0.5),
          outside_((reach_ * reach_) * (1 + kMargin)),
          core_(reach_ > 1 ? (reach_ - 1) * (reach_ - 1) * (1 - kMargin) : -1)
    {
    }

    void Segment(Vec2 a, Vec2 b)
    {
        const double pieces = std::ceil(Distance(a, b) / kPieceLength);
        const int n = pieces >= 1 && pieces < 1e6 ? static_cast<int>(pieces) : 1;
        for (int k = 0; k < n; ++k) Piece(Lerp(a, b, double(k) / n), Lerp(a, b, double(k + 1) / n));
    }

private:
    void Piece(Vec2 a, Vec2 b)
    {
        const double reach = reach_;
        const double x0 = std::max(std::floor(std::min(a.x, b.x) - reach), 0.0);
        const double y0 = std::max(std::floor(std::min(a.y, b.y) - reach), 0.0);
        const double x1 = std::min(std::ceil(std::max(a.x, b.x) + reach), double(mask_.width));
        const double y1 = std::min(std::ceil(std::max(a.y, b.y) + reach), double(mask_.height));
        if (!(x0 < x1) || !(y0 < y1)) return;  // outside the mask, or not finite
        for (int y = int(y0); y < int(y1); ++y) {
            uint8_t* row = mask_.alpha.data() + static_cast<size_t>(y) * static_cast<size_t>(mask_.width);
            for (int x = int(x0); x < int(x1); ++x) {
                if (row[x] == 255) continue;  // nothing covers more
                const double d2 = SegmentDistanceSquared({x + 0.5, y + 0.5}, a, b);
                if (d2 > outside_) continue;
                const double cover = d2 < core_ ? 1.0 : reach - std::sqrt(d2);
                if (cover <= 0) continue;
                const auto value = static_cast<uint8_t>(std::lround(std::min(cover, 1.0) * 255));
                row[x] = std::max(row[x], value);
                Touch(x, y);
            }
        }
    }

    void Touch(int x, int y)
    {
        if (mask_.right <= mask_.left)
            mask_.left = x, mask_.top = y, mask_.right = x + 1, mask_.bottom = y + 1;
        mask_.left = std::min(mask_.left, x), mask_.right = std::max(mask_.right, x + 1);
        mask_.top = std::min(mask_.top, y), mask_.bottom = std::max(mask_.bottom, y + 1);
    }

    CoverageMask& mask_;
    double reach_;
    double outside_;  // squared distances beyond this get no coverage
    double core_;     // and below this full coverage
};

Vec2 Map(const DeviceMapping& m, OvPointF p)
{
    return {p.x * m.scale + m.dx, p.y * m.scale + m.dy};
}

}  // namespace

CoverageMask StrokeCoverage(const std::vector<PreviewPolyline>& lines, const DeviceMapping& map, double width,
                            int maskWidth, int maskHeight)
{
    CoverageMask mask;
    mask.width = std::max(maskWidth, 0);
    mask.height = std::max(maskHeight, 0);
    mask.alpha.assign(static_cast<size_t>(mask.width) * static_cast<size_t>(mask.height), 0);
    Painter painter(mask, width / 2);
    for (const PreviewPolyline& line : lines) {
        if (line.points.size() == 1) painter.Segment(Map(map, line.points[0]), Map(map, line.points[0]));
        for (size_t i = 1; i < line.points.size(); ++i)
            painter.Segment(Map(map, line.points[i - 1]), Map(map, line.points[i]));
    }
    return mask;
}

}  // namespace ov
