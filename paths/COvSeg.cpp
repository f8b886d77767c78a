// Building, editing and moving segment chains.
#include "paths/COvSeg.h"

#include <cmath>

namespace ov {

namespace {

constexpr double kClosingGap = 0.001;

double Gap(OvPointF a, OvPointF b)
{
    return std::hypot(double(b.x) - a.x, double(b.y) - a.y);
}

}  // namespace

COvSeg::~COvSeg()
{
    // Unlink before deleting, so a chain of any length is freed without deep recursion.
    std::unique_ptr<COvSeg> link = std::move(next);
    while (link) link = std::move(link->next);
}

bool COvSeg::FromPathData(const OvPointF* pts, const uint8_t* types, int32_t count, bool closed)
{
    if (!pts || !types || count < 2) return false;
    COvSeg* cur = this;
    int32_t i = 1;
    while (i < count) {
        const int32_t k = types[i] & OV_PATH_TYPE_MASK;
        if (k == 0 || count - i < k) break;
        if (!cur->points.empty()) cur = cur->InsertAfter(kSegLine);
        cur->kind = k == OV_PATH_BEZIER ? kSegBezier : kSegLine;
        cur->points.assign(pts + (i - 1), pts + (i + k - 1));
        i += k;
    }
    if (i == 1) return false;
    const OvPointF end = pts[i - 1];
    cur = cur->InsertAfter(kSegLine);
    cur->points = {end};
    if (closed && Gap(pts[0], end) > kClosingGap) cur->InsertAfter(kSegLine)->points = {pts[0]};
    return true;
}

COvSeg* COvSeg::InsertAfter(uint8_t newKind)
{
    auto link = std::make_unique<COvSeg>();
    link->kind = newKind;
    link->figureId = figureId;
    link->prev = this;
    link->next = std::move(next);
    if (link->next) link->next->prev = link.get();
    next = std::move(link);
    return next.get();
}

void COvSeg::ClearPoints(size_t keep)
{
    if (points.size() > keep) points.resize(keep);
}

std::vector<OvPointF> COvSeg::ControlPoints() const
{
    std::vector<OvPointF> out = points;
    if (next && !next->points.empty()) out.push_back(next->points.front());
    return out;
}

std::vector<OvPointF> COvSeg::AllPoints() const
{
    std::vector<OvPointF> out;
    for (const COvSeg* s = this; s; s = s->next.get())
        out.insert(out.end(), s->points.begin(), s->points.end());
    return out;
}

COvSeg* COvSeg::Last()
{
    COvSeg* s = this;
    while (s->next) s = s->next.get();
    return s;
}

const COvSeg* COvSeg::Last() const
{
    return const_cast<COvSeg*>(this)->Last();
}

void COvSeg::RemoveShort(double tolerance)
{
    COvSeg* before = this;
    while (COvSeg* link = before->next.get()) {
        const auto cps = link->ControlPoints();
        if (cps.size() < 2 || !(Gap(cps.front(), cps.back()) < tolerance)) {
            before = link;
            continue;
        }
        std::unique_ptr<COvSeg> rest = std::move(link->next);
        if (rest) rest->prev = before;
        before->next = std::move(rest);  // deletes link, which no longer owns anything behind it
    }
}

void COvSeg::JoinTiny(double tolerance)
{
    COvSeg* tiny = prev;
    if (!tiny || !tiny->prev || tiny->kind != kSegLine || tiny->points.size() != 1 || points.empty()) return;
    if (!(Gap(tiny->points[0], points[0]) < tolerance)) return;
    COvSeg* before = tiny->prev;
    std::unique_ptr<COvSeg> self = std::move(tiny->next);
    prev = before;
    before->next = std::move(self);  // deletes tiny
}

void COvSeg::Translate(float dx, float dy, const OvPointF* after)
{
    bool moving = after == nullptr;
    for (COvSeg* s = this; s; s = s->next.get()) {
        for (OvPointF& p : s->points) {
            if (moving) p = {p.x + dx, p.y + dy};
            if (&p == after) moving = true;
        }
    }
}

void COvSeg::Scale(float cx, float cy, float fx, float fy)
{
    for (COvSeg* s = this; s; s = s->next.get()) {
        for (OvPointF& p : s->points) p = {cx + (p.x - cx) * fx, cy + (p.y - cy) * fy};
    }
}

}  // namespace ov
