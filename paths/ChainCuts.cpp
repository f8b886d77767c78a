// Cutting segment chains: every cut leaves two well-linked chains that meet at the cut point.
#include "paths/ChainCuts.h"

#include "paths/BezierCubic.h"

namespace ov {

namespace {

Vec2 ToVec(OvPointF p)
{
    return {p.x, p.y};
}

OvPointF ToPoint(Vec2 v)
{
    return {float(v.x), float(v.y)};
}

// A new head like `like` (kind, figure and running number) with the given points, followed by rest.
Chain StartChain(const COvSeg& like, std::vector<OvPointF> points, Chain rest)
{
    auto head = std::make_unique<COvSeg>();
    head->kind = like.kind;
    head->figureId = like.figureId;
    head->state = like.state;
    head->points = std::move(points);
    if (rest) rest->prev = head.get();
    head->next = std::move(rest);
    return head;
}

}  // namespace

Chain EndChainAfter(COvSeg& link, OvPointF end)
{
    Chain rest = std::move(link.next);
    if (rest) rest->prev = nullptr;
    link.InsertAfter(kSegLine)->points = {end};
    return rest;
}

Chain CutBefore(COvSeg& link)
{
    COvSeg* before = link.prev;
    if (!before || link.points.empty()) return nullptr;
    return EndChainAfter(*before, link.points.front());
}

Chain SplitStraightAt(COvSeg& link, OvPointF x)
{
    Chain rest = EndChainAfter(link, x);
    return StartChain(link, {x}, std::move(rest));
}

Chain SplitCubicAt(COvSeg& link, double t, OvPointF x)
{
    const auto cps = link.ControlPoints();
    if (cps.size() != 4 || !(t > 0.0 && t < 1.0)) return nullptr;
    const Cubic c{ToVec(cps[0]), ToVec(cps[1]), ToVec(cps[2]), ToVec(cps[3])};
    Cubic left, right;
    SplitBezier(c, t, &left, &right);
    link.points = {cps[0], ToPoint(left[1]), ToPoint(left[2])};
    Chain rest = EndChainAfter(link, x);
    return StartChain(link, {x, ToPoint(right[1]), ToPoint(right[2])}, std::move(rest));
}

OvPointF& StartOf(COvSeg& head)
{
    return head.points.front();
}

OvPointF& EndOf(COvSeg& head)
{
    return head.Last()->points.front();
}

}  // namespace ov
