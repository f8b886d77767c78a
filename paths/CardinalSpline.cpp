// Cardinal spline to Bézier conversion.
#include "paths/CardinalSpline.h"

#include <algorithm>
#include <cmath>

namespace ov {

namespace {

float UsableTension(float tension)
{
    if (!std::isfinite(tension)) return kDefaultTension;
    return std::max(tension, 0.0f);
}

}  // namespace

std::vector<OvPointF> CardinalToBeziers(std::span<const OvPointF> pts, float tension, bool closed)
{
    const auto n = static_cast<ptrdiff_t>(pts.size());
    if (n < 2) return {};
    const float k = UsableTension(tension) / 3.0f;
    auto at = [&](ptrdiff_t i) -> OvPointF {
        const ptrdiff_t j = closed ? (i % n + n) % n : std::clamp<ptrdiff_t>(i, 0, n - 1);
        return pts[static_cast<size_t>(j)];
    };
    const ptrdiff_t pieces = closed ? n : n - 1;
    std::vector<OvPointF> out;
    out.reserve(static_cast<size_t>(pieces) * 3 + 1);
    out.push_back(pts[0]);
    for (ptrdiff_t i = 0; i < pieces; ++i) {
        const OvPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        out.push_back({p1.x + k * (p2.x - p0.x), p1.y + k * (p2.y - p0.y)});
        out.push_back({p2.x - k * (p3.x - p1.x), p2.y - k * (p3.y - p1.y)});
        out.push_back(p2);
    }
    return out;
}

}  // namespace ov
