// Drawing segment chains into path objects, each link by its kind.
#include "paths/COvSeg.h"

#include "paths/CardinalSpline.h"
#include "paths/CircleThrough.h"

namespace ov {

namespace {

Vec2 ToVec(OvPointF p)
{
    return {p.x, p.y};
}

bool IsBezierRun(size_t n)
{
    return n >= 4 && (n - 1) % 3 == 0;
}

void AddArcThrough(PathObject& path, const std::vector<OvPointF>& cps)
{
    const auto arc = CircleThrough(ToVec(cps[0]), ToVec(cps[1]), ToVec(cps[2]));
    const bool added = arc && path.AddArc(float(arc->x), float(arc->y), float(arc->width), float(arc->height),
                                          float(arc->startAngle), float(arc->sweepAngle));
    if (!added) path.AddLines(cps);
}

}  // namespace

void COvSeg::AddDrawn(PathObject& path) const
{
    const auto cps = ControlPoints();
    if (cps.size() < 2) return;
    switch (kind) {
    case kSegBezier:
    case kSegBezierAlt: IsBezierRun(cps.size()) ? path.AddBeziers(cps) : path.AddLines(cps); break;
    case kSegArc: cps.size() == 3 ? AddArcThrough(path, cps) : (void)path.AddLines(cps); break;
    case kSegCardinal: path.AddCurve(cps, kDefaultTension); break;
    default: path.AddLines(cps); break;
    }
}

void COvSeg::ToPath(PathObject& path)
{
    drawPath.Reset();
    hullPath.Reset();
    path.StartFigure();
    for (const COvSeg* s = this; s; s = s->next.get()) {
        s->AddDrawn(path);
        s->AddDrawn(drawPath);
        const auto cps = s->ControlPoints();
        if (cps.size() >= 2) hullPath.AddLines(cps);
    }
}

}  // namespace ov
