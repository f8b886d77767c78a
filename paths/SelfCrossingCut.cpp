// Self-crossing cubics: found by subdividing the two halves of the cubic against each other.
#include "paths/SelfCrossingCut.h"

#include "paths/BezierCubic.h"
#include "paths/BezierIntersection.h"

namespace ov {

namespace {

// A crossing closer than this to the cubic's middle is where its two halves touch, and one this close
// to an end is a loop closing on itself (which has nothing left to cut).
constexpr double kNear = 0.01;
constexpr int kSamples = 6666;
constexpr double kParameterTolerance = 1e-6;
// A cubic crosses itself at most once, so each cut removes a crossing; the cap only guards against
// rounding that would find a crossing again in what is left.
constexpr int kMaxCuts = 100'000;

Vec2 ToVec(OvPointF p)
{
    return {p.x, p.y};
}

OvPointF ToPoint(Vec2 v)
{
    return {float(v.x), float(v.y)};
}

std::optional<Cubic> CubicOf(const COvSeg& link)
{
    if (link.kind != kSegBezier && link.kind != kSegBezierAlt) return std::nullopt;
    const auto cps = link.ControlPoints();
    if (cps.size() != 4) return std::nullopt;
    return Cubic{ToVec(cps[0]), ToVec(cps[1]), ToVec(cps[2]), ToVec(cps[3])};
}

std::optional<SelfCrossing> CrossingOf(const Cubic& c)
{
    auto crossing = SelfIntersection(c, kNear * kNear);
    if (!crossing || Distance(crossing->point, c[0]) < kNear || Distance(crossing->point, c[3]) < kNear)
        return std::nullopt;
    if (!(crossing->t > 0.0 && crossing->t < 0.5 + kParameterTolerance)) return std::nullopt;
    return crossing;
}

Chain CubicChain(const COvSeg& like, const Cubic& c, OvPointF end, Chain rest)
{
    auto head = std::make_unique<COvSeg>();
    head->kind = kSegBezier;
    head->figureId = like.figureId;
    head->points = {end, ToPoint(c[1]), ToPoint(c[2])};
    if (!rest) {
        rest = std::make_unique<COvSeg>();
        rest->figureId = like.figureId;
        rest->points = {ToPoint(c[3])};
    }
    rest->prev = head.get();
    head->next = std::move(rest);
    return head;
}

struct Cut {
    Chain loop;
    Chain tail;
};

// Cuts the link at its crossing: the link ends at X, and the loop and the tail are returned.
Cut CutAtCrossing(COvSeg& link, const Cubic& c, const SelfCrossing& crossing)
{
    Cubic left, right, loop, tail;
    SplitBezier(c, crossing.t, &left, &right);
    const double t2 = ClosestParameter(right, crossing.point, 0.1, 1.0, kSamples, kParameterTolerance);
    SplitBezier(right, t2, &loop, &tail);
    const OvPointF x = ToPoint(crossing.point);
    link.points = {link.points.front(), ToPoint(left[1]), ToPoint(left[2])};
    Chain rest = EndChainAfter(link, x);
    Cut cut;
    cut.loop = CubicChain(link, loop, x, nullptr);
    cut.loop->next->points = {x};
    cut.tail = CubicChain(link, tail, x, std::move(rest));
    return cut;
}

}  // namespace

ChainList CutSelfCrossings(ChainList chains)
{
    ChainList done;
    int cuts = 0;
    while (!chains.empty()) {
        Chain chain = std::move(chains.front());
        chains.pop_front();
        for (COvSeg* s = chain.get(); s; s = s->next.get()) {
            const auto c = CubicOf(*s);
            const auto crossing = c ? CrossingOf(*c) : std::nullopt;
            if (!crossing || cuts++ >= kMaxCuts) continue;
            Cut cut = CutAtCrossing(*s, *c, *crossing);
            chains.push_back(std::move(cut.loop));
            chains.push_front(std::move(cut.tail));
            break;
        }
        done.push_back(std::move(chain));
    }
    return done;
}

}  // namespace ov
