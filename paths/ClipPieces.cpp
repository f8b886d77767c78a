// The clipping pipeline (load, self-crossings, two crossing passes, clean-up) and the view transform
// of its pieces.
#include "paths/ClipPieces.h"

#include "paths/BezierCubic.h"
#include "paths/PathChains.h"
#include "paths/SegPathRecord.h"
#include "paths/SelfCrossingCut.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ov {

namespace {

constexpr double kStepScale = 0.1;

bool IsFinite(OvPointF p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

bool ChainIsFinite(const COvSeg& head)
{
    for (const COvSeg* s = &head; s; s = s->next.get())
        if (!std::all_of(s->points.begin(), s->points.end(), [](OvPointF p) { return IsFinite(p); }))
            return false;
    return true;
}

Box FiniteBounds(const COvSegPath& r)
{
    Box b;
    for (int32_t i = 0; i < r.count; ++i) {
        const OvPointF p = r.points[i];
        if (IsFinite(p)) b = UnionBounds(b, Box{p.x, p.y, p.x, p.y});
    }
    return b;
}

}  // namespace

void ClipPieces::ApplyViewRecord(const COvSegPath& record)
{
    zoomStep_ = std::clamp(record.zoom_step, kMinZoomStep, kMaxZoomStep);
    scale_ = record.scale > 0.0 && std::isfinite(record.scale) ? record.scale : zoomStep_ * kStepScale;
}

void ClipPieces::Load(std::span<const PathObject> paths, ChainList& chains)
{
    int32_t figure = 0;
    for (const PathObject& path : paths) {
        SegPathRecord record;
        if (!record.SetFromPath(path) || record.Record().count <= 0) continue;
        const COvSegPath& r = record.Record();
        bounds_ = UnionBounds(bounds_, FiniteBounds(r));
        ChainSet set;
        AppendChains(r.points, r.types, r.count, figure, set);
        for (Chain& chain : set.chains) {
            if (!ChainIsFinite(*chain)) continue;
            const COvSeg* head = chain.get();
            for (const auto& pair : set.closedPairs)
                if (pair.first == head) closedPairs_.push_back(pair);
            chains.push_back(std::move(chain));
        }
    }
    centre_ = bounds_.IsEmpty() ? Vec2{}
                                : Vec2{(bounds_.minX + bounds_.maxX) / 2, (bounds_.minY + bounds_.maxY) / 2};
    origin_ = {};
    scale0_ = scale_;
}

void ClipPieces::Rebuild(std::span<const PathObject> paths, CandidateSearch search)
{
    pieces_.clear();
    closedPairs_.clear();
    recorded_.clear();
    nodes_.clear();
    passes_.clear();
    bounds_ = {};
    ChainList chains;
    Load(paths, chains);
    chains = CutSelfCrossings(std::move(chains));
    for (int pass = 0; pass < 2; ++pass) passes_.push_back(IntersectPass(chains, pass, recorded_, search));
    RemoveSharedBorders(chains, closedPairs_);
    JoinClosedFigures(chains, closedPairs_);
    for (Chain& chain : chains)
        for (COvSeg* s = chain.get(); s; s = s->next.get()) s->state = 0;
    pieces_ = std::move(chains);
    nodes_ = PieceNodes(pieces_);
}

void ClipPieces::SetAllPicked(bool picked)
{
    for (Chain& piece : pieces_) piece->state = picked ? 1 : 0;
}

int ClipPieces::PickedCount() const
{
    return static_cast<int>(
        std::count_if(pieces_.begin(), pieces_.end(), [](const Chain& p) { return p->state != 0; }));
}

bool ClipPieces::Zoom(int wheelDelta, Vec2 at)
{
    const int step = zoomStep_ + (wheelDelta > 0 ? 1 : -1);
    if (step < kMinZoomStep || step > kMaxZoomStep) return false;
    const double scale = step * kStepScale;
    const double f = scale / scale_;
    for (Chain& piece : pieces_) piece->Scale(float(at.x), float(at.y), float(f), float(f));
    origin_ = at + (origin_ - at) * f;
    centre_ = at + (centre_ - at) * f;
    scale_ = scale;
    zoomStep_ = step;
    return true;
}

void ClipPieces::Pan(double dx, double dy)
{
    for (Chain& piece : pieces_) piece->Translate(float(dx), float(dy));
    origin_ = origin_ + Vec2{dx, dy};
    centre_ = centre_ + Vec2{dx, dy};
}

void ClipPieces::CentreIn(double width, double height)
{
    Pan(width / 2 - centre_.x, height / 2 - centre_.y);
}

std::string ClipViewTitle(double scale)
{
    char percent[64];
    std::snprintf(percent, sizeof percent, " - %.0f%%", scale * 200);
    return std::string("Ornivex / Clipped Path") + percent;
}

std::vector<PathObject> PathsOfHostList(const OvHostList* list)
{
    std::vector<PathObject> paths;
    for (const OvHostListNode* node = list ? list->head : nullptr; node; node = node->next) {
        const auto* handle = static_cast<const OvPath*>(node->data);
        const int32_t n = ov_path_point_count(handle);
        PathObject path;
        if (handle && n > 0) {
            std::vector<OvPointF> points(static_cast<size_t>(n));
            std::vector<uint8_t> types(static_cast<size_t>(n));
            const int32_t got = ov_path_get_data(handle, points.data(), types.data(), n);
            path.SetData({points.data(), static_cast<size_t>(got)}, {types.data(), static_cast<size_t>(got)});
        }
        paths.push_back(std::move(path));
    }
    return paths;
}

}  // namespace ov
