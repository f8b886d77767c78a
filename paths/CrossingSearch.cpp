// The crossing search: a link meets the work-list records whose boxes its box touches; the first
// crossing that cuts ends the visit, and both chains go back to the front of the list.
#include "paths/CrossingSearch.h"

#include "paths/BezierCubic.h"
#include "paths/BezierIntersection.h"
#include "paths/LineIntersection.h"
#include "paths/LinkBroadPhase.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ov {

namespace {

constexpr double kMinStraight = 0.01;  // shorter straight links take no part
constexpr double kAtEnd = 0.01;        // a crossing this close to an end cuts at the end
constexpr int64_t kStraightCost = 9;
constexpr int64_t kCubicCost = 27;
constexpr double kInnerLow = 0.001, kInnerHigh = 0.999;
constexpr double kFarFromEnds = 1.0;
constexpr double kRecordedNear = 1.0;
constexpr double kParameterTolerance = 1e-6;

Vec2 ToVec(OvPointF p)
{
    return {p.x, p.y};
}

OvPointF ToPoint(Vec2 v)
{
    return {float(v.x), float(v.y)};
}

// The parameter of the cubic's point nearest to p: the best of 33 samples, then a golden-section
// search in the bracket around it (kept inside [0, 1], so parameters near the ends stay exact).
double NearestParameter(const Cubic& c, Vec2 p)
{
    constexpr int kSamples = 32;
    constexpr double kGolden = 0.6180339887498949;
    const auto dist = [&](double t) { return DistanceSquared(BezierPoint(c, t), p); };
    int best = 0;
    double bestDist = INFINITY;
    for (int i = 0; i <= kSamples; ++i) {
        const double d = dist(double(i) / kSamples);
        if (d < bestDist) bestDist = d, best = i;
    }
    double lo = std::max(0.0, double(best - 1) / kSamples), hi = std::min(1.0, double(best + 1) / kSamples);
    double a = hi - kGolden * (hi - lo), b = lo + kGolden * (hi - lo);
    double da = dist(a), db = dist(b);
    while (hi - lo > kParameterTolerance) {
        if (da < db) {
            hi = b, b = a, db = da;
            a = hi - kGolden * (hi - lo);
            da = dist(a);
        } else {
            lo = a, a = b, da = db;
            b = lo + kGolden * (hi - lo);
            db = dist(b);
        }
    }
    const double t = (lo + hi) / 2;
    return dist(lo) < dist(t) ? lo : dist(hi) < dist(t) ? hi : t;
}

// A link as the search sees it: two control points (straight) or four (cubic).
struct LinkShape {
    int count = 0;
    Cubic cps{};
    Vec2 Start() const { return cps[0]; }
    Vec2 End() const { return cps[count - 1]; }
    bool IsCubic() const { return count == 4; }
};

std::optional<LinkShape> ShapeOf(const COvSeg& s)
{
    const auto cps = s.ControlPoints();
    LinkShape shape;
    if (s.kind == kSegLine && cps.size() == 2 && Distance(ToVec(cps[0]), ToVec(cps[1])) > kMinStraight)
        shape.count = 2;
    else if ((s.kind == kSegBezier || s.kind == kSegBezierAlt) && cps.size() == 4)
        shape.count = 4;
    else
        return std::nullopt;
    for (int i = 0; i < shape.count; ++i) shape.cps[i] = ToVec(cps[i]);
    return shape;
}

// Box that holds every point a test can report for the link: a point counts as on a straight link
// inside an ellipse around it whose half width grows with the root of the length.
Box SearchBox(const LinkShape& shape)
{
    Box b = Bounds(shape.cps.data(), static_cast<size_t>(shape.count));
    double pad = kBoxTolerance;
    if (!shape.IsCubic()) {
        const double len = Distance(shape.Start(), shape.End());
        pad = std::sqrt(2 * kAtEnd * len + kAtEnd * kAtEnd) / 2 + 1e-6 * (1 + len);
    }
    return {b.minX - pad, b.minY - pad, b.maxX + pad, b.maxY + pad};
}

struct WorkRecord {
    int32_t number = 0;
    LinkShape shape;
};

struct WorkList {
    std::vector<WorkRecord> records;
    std::vector<Box> boxes;
    int64_t budget = 0;
};

WorkList NumberLinks(ChainList& chains)
{
    WorkList work;
    int32_t number = 1;
    for (Chain& chain : chains) {
        for (COvSeg* s = chain.get(); s; s = s->next.get()) {
            s->state = number++;
            const auto shape = ShapeOf(*s);
            if (!shape) continue;
            work.records.push_back({s->state, *shape});
            work.boxes.push_back(SearchBox(*shape));
            work.budget += shape->IsCubic() ? kCubicCost : kStraightCost;
        }
    }
    return work;
}

// A crossing on the visited link; t is its parameter when the link is cubic.
struct Hit {
    Vec2 point;
    double t = 0.0;
};

class Visitor {
public:
    Visitor(const WorkList& work, LinkBroadPhase& broad, int pass, std::vector<RecordedCrossing>& recorded)
        : work_(work), broad_(broad), pass_(pass), recorded_(recorded)
    {
    }

    // The chain cut off the visited one at its first cutting crossing, or null.
    Chain Visit(COvSeg& head)
    {
        for (COvSeg* s = &head; s; s = s->next.get()) {
            const auto shape = ShapeOf(*s);
            if (!shape || (pass_ == 1 && !shape->IsCubic())) continue;
            broad_.Candidates(SearchBox(*shape), candidates_);
            for (const size_t i : candidates_) {
                const WorkRecord& r = work_.records[i];
                if (r.number == s->state || (pass_ == 1 && r.shape.IsCubic())) continue;
                if (Chain cut = TestPair(*s, *shape, r)) return cut;
            }
        }
        return nullptr;
    }

private:
    Chain TestPair(COvSeg& link, const LinkShape& shape, const WorkRecord& r)
    {
        if (!shape.IsCubic() && !r.shape.IsCubic()) {
            const auto x = IntersectLines(shape.Start(), shape.End(), r.shape.Start(), r.shape.End());
            return x ? CutAt(link, shape, {*x, 0.0}, r.number) : nullptr;
        }
        if (!shape.IsCubic()) {
            for (const CurveHit& h : IntersectLineBezier(shape.Start(), shape.End(), r.shape.cps))
                if (Chain cut = CutAt(link, shape, {h.point, 0.0}, r.number)) return cut;
            return nullptr;
        }
        if (!r.shape.IsCubic()) {
            for (const CurveHit& h : IntersectLineBezier(r.shape.Start(), r.shape.End(), shape.cps))
                if (Chain cut = CutAt(link, shape, {h.point, h.t}, r.number)) return cut;
            return nullptr;
        }
        const auto hit = CubicCandidate(link, shape, r.shape);
        return hit ? CutAt(link, shape, *hit, r.number) : nullptr;
    }

    // Of the crossings of two cubics, the one nearest the middle of the visited link; near its ends
    // only when no crossing of its figure was taken close by.
    std::optional<Hit> CubicCandidate(const COvSeg& link, const LinkShape& shape, const LinkShape& other)
    {
        std::optional<Hit> best;
        for (const Vec2 p : IntersectBeziers(shape.cps, other.cps)) {
            const double t = NearestParameter(shape.cps, p);
            if (!best || std::fabs(t - 0.5) < std::fabs(best->t - 0.5)) best = Hit{p, t};
        }
        if (!best) return std::nullopt;
        const bool inner = best->t > kInnerLow && best->t < kInnerHigh &&
                           Distance(best->point, shape.Start()) > kFarFromEnds &&
                           Distance(best->point, shape.End()) > kFarFromEnds;
        if (!inner && RecordedNear(best->point, link.figureId)) return std::nullopt;
        recorded_.push_back({best->point, link.figureId});
        return best;
    }

    bool RecordedNear(Vec2 p, int32_t figure) const
    {
        for (const RecordedCrossing& c : recorded_)
            if (c.figure == figure && Distance(c.point, p) < kRecordedNear) return true;
        return false;
    }

    // Cuts at the crossing: at the link's own end or start when it lies that close (never at the ends
    // of the chain, nor where the neighbour there is the link crossed), else inside the link.
    static Chain CutAt(COvSeg& link, const LinkShape& shape, const Hit& hit, int32_t otherNumber)
    {
        if (Distance(hit.point, shape.End()) < kAtEnd) {
            COvSeg* far = link.next.get();
            if (!far || !far->next || far->state == otherNumber) return nullptr;
            return CutBefore(*far);
        }
        if (Distance(hit.point, shape.Start()) < kAtEnd) {
            if (!link.prev || link.prev->state == otherNumber) return nullptr;
            return CutBefore(link);
        }
        if (!shape.IsCubic()) return SplitStraightAt(link, ToPoint(hit.point));
        return SplitCubicAt(link, hit.t, ToPoint(hit.point));
    }

    const WorkList& work_;
    LinkBroadPhase& broad_;
    int pass_;
    std::vector<RecordedCrossing>& recorded_;
    std::vector<size_t> candidates_;
};

}  // namespace

PassStats IntersectPass(ChainList& chains, int pass, std::vector<RecordedCrossing>& recorded,
                        CandidateSearch search)
{
    const WorkList work = NumberLinks(chains);
    LinkBroadPhase broad(work.boxes, search == CandidateSearch::AllPairs);
    Visitor visitor(work, broad, pass, recorded);
    PassStats stats{work.budget, 0, 0};
    ChainList finished;
    while (!chains.empty() && stats.visits < stats.budget) {
        Chain chain = std::move(chains.front());
        chains.pop_front();
        ++stats.visits;
        Chain cut = visitor.Visit(*chain);
        if (!cut) {
            finished.push_back(std::move(chain));
            continue;
        }
        ++stats.cuts;
        chains.push_front(std::move(cut));
        chains.push_front(std::move(chain));
    }
    for (Chain& rest : chains) finished.push_back(std::move(rest));
    chains = std::move(finished);
    return stats;
}

}  // namespace ov
