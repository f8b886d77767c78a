// Subdivision intersection: both cubics are halved until their boxes are tiny or apart. A shared
// call counter and the hit list bound the work; a depth limit bounds the stack.
#include "paths/BezierIntersection.h"

#include "paths/BezierCubic.h"

#include <algorithm>
#include <cmath>

namespace ov {

namespace {

constexpr int kMaxDepth = 128;

struct Search {
    long calls = 0;
    std::vector<Vec2> hits;

    bool Exhausted() const { return calls > kMaxSubdivisionCalls || hits.size() > kMaxRawHits; }

    void Run(const Cubic& a, const Cubic& b, int depth)
    {
        ++calls;
        if (Exhausted()) return;
        const Box boxA = Bounds(a), boxB = Bounds(b);
        if (!Overlaps(boxA, boxB)) return;
        const Box u = UnionBounds(boxA, boxB);
        // Boxes that still overlap after kMaxDepth halvings meet as closely as the numbers can tell
        // (only curves some 1e34 across get there): a hit, so the hit bound ends the search early.
        if (std::max(u.Width(), u.Height()) < kBoxTolerance || depth >= kMaxDepth) {
            hits.push_back({(u.minX + u.maxX) / 2, (u.minY + u.maxY) / 2});
            return;
        }
        Cubic a1, a2, b1, b2;
        SplitBezier(a, 0.5, &a1, &a2);
        SplitBezier(b, 0.5, &b1, &b2);
        Run(a1, b1, depth + 1);
        Run(a1, b2, depth + 1);
        Run(a2, b1, depth + 1);
        Run(a2, b2, depth + 1);
    }
};

bool AllFinite(const Cubic& c)
{
    return std::all_of(c.begin(), c.end(), [](Vec2 p) { return IsFinite(p); });
}

std::vector<Vec2> WithoutDuplicates(const std::vector<Vec2>& raw)
{
    std::vector<Vec2> kept;
    for (const Vec2 p : raw) {
        const bool dup = std::any_of(kept.begin(), kept.end(), [&](Vec2 k) {
            return std::fabs(k.x - p.x) < kBoxTolerance && std::fabs(k.y - p.y) < kBoxTolerance;
        });
        if (!dup) kept.push_back(p);
    }
    return kept;
}

}  // namespace

std::vector<Vec2> IntersectBeziers(const Cubic& c1, const Cubic& c2)
{
    if (!AllFinite(c1) || !AllFinite(c2)) return {};
    Search search;
    search.Run(c1, c2, 0);
    return WithoutDuplicates(search.hits);
}

std::optional<SelfCrossing> SelfIntersection(const Cubic& c, double minDistanceSquared)
{
    Cubic left, right;
    SplitBezier(c, 0.5, &left, &right);
    const Vec2 middle = left[3];
    for (const Vec2 p : IntersectBeziers(left, right)) {
        if (!(DistanceSquared(p, middle) > minDistanceSquared)) continue;
        return SelfCrossing{p, ClosestParameter(c, p, 0.0, 0.5, 6666, 1e-6)};
    }
    return std::nullopt;
}

double ClosestParameter(const Cubic& c, Vec2 target, double t0, double t1, int samples, double tolerance)
{
    if (!std::isfinite(t0) || !std::isfinite(t1)) return 0.0;
    const int n = std::clamp(samples, 4, 100'000);
    const double lo = t0, hi = t1;
    double best = t0;
    // Each pass shrinks the window by (n - 1) / 2 >= 1.5, so the pass limit is never the real bound.
    // The refined window stays inside the one asked for.
    for (int pass = 0; pass < 200; ++pass) {
        const double step = (t1 - t0) / (n - 1);
        double bestDist = INFINITY;
        for (int i = 0; i < n; ++i) {
            const double t = t0 + step * i;
            const double d = DistanceSquared(BezierPoint(c, t), target);
            if (d < bestDist) bestDist = d, best = t;
        }
        if (!(step >= tolerance)) break;
        t0 = std::max(lo, best - step);
        t1 = std::min(hi, best + step);
    }
    return best;
}

}  // namespace ov
