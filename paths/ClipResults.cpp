// Ordering picked pieces by nearest ends and turning them into the host's path records.
#include "paths/ClipResults.h"

#include "paths/SegPathRecord.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace ov {

namespace {

double Gap(OvPointF a, OvPointF b)
{
    return std::hypot(double(b.x) - a.x, double(b.y) - a.y);
}

// The end a placed piece starts with and the one it ends with.
OvPointF FirstOf(COvSeg& p)
{
    return p.state == kPlacedReversed ? EndOf(p) : StartOf(p);
}

OvPointF LastOf(COvSeg& p)
{
    return p.state == kPlacedReversed ? StartOf(p) : EndOf(p);
}

struct Choice {
    double gap = std::numeric_limits<double>::infinity();
    size_t index = 0;
    bool atTail = true;
    bool reversed = false;
};

// The best way to attach one of the unplaced pieces to the sequence running from head to tail.
Choice BestAttachment(const std::vector<COvSeg*>& picked, const std::vector<bool>& placed, OvPointF head,
                      OvPointF tail)
{
    Choice best;
    best.index = static_cast<size_t>(std::find(placed.begin(), placed.end(), false) - placed.begin());
    for (size_t i = 0; i < picked.size(); ++i) {
        if (placed[i]) continue;
        const OvPointF s = StartOf(*picked[i]), e = EndOf(*picked[i]);
        const Choice options[] = {{Gap(tail, s), i, true, false},
                                  {Gap(tail, e), i, true, true},
                                  {Gap(head, e), i, false, false},
                                  {Gap(head, s), i, false, true}};
        for (const Choice& c : options)
            if (c.gap < best.gap) best = c;
    }
    return best;
}

// The first pair (i < j) and orientation whose meeting ends are closest: i runs first, j second.
void PlaceFirstPair(const std::vector<COvSeg*>& picked, std::vector<bool>& placed,
                    std::vector<COvSeg*>& order)
{
    double best = std::numeric_limits<double>::infinity();
    size_t bi = 0, bj = 1;
    bool reverseI = false, reverseJ = false;
    for (size_t i = 0; i < picked.size(); ++i) {
        for (size_t j = i + 1; j < picked.size(); ++j) {
            const OvPointF si = StartOf(*picked[i]), ei = EndOf(*picked[i]);
            const OvPointF sj = StartOf(*picked[j]), ej = EndOf(*picked[j]);
            const struct {
                double gap;
                bool ri, rj;
            } options[] = {{Gap(ei, sj), false, false},
                           {Gap(ei, ej), false, true},
                           {Gap(si, sj), true, false},
                           {Gap(si, ej), true, true}};
            for (const auto& o : options) {
                if (!(o.gap < best)) continue;
                best = o.gap, bi = i, bj = j, reverseI = o.ri, reverseJ = o.rj;
            }
        }
    }
    picked[bi]->state = reverseI ? kPlacedReversed : kPlacedForward;
    picked[bj]->state = reverseJ ? kPlacedReversed : kPlacedForward;
    placed[bi] = placed[bj] = true;
    order = {picked[bi], picked[bj]};
}

// A new record of the piece's drawn path with the zoom undone.
COvSegPath* ResultRecord(COvSeg& piece, const ClipPieces& view)
{
    PathObject path;
    piece.ToPath(path);
    if (piece.state == kPlacedReversed) path.Reverse();
    const double f = view.LoadScale() / view.Scale();
    const Vec2 o = view.Origin();
    std::vector<OvPointF> points = path.Points();
    for (OvPointF& p : points) p = {float(o.x + (p.x - o.x) * f), float(o.y + (p.y - o.y) * f)};
    const std::vector<uint8_t> types = path.Types();
    path.SetData(points, types);
    // The host frees its records with free().
    auto* record =
        static_cast<COvSegPath*>(std::malloc(sizeof(COvSegPath)));  // NOLINT(cppcoreguidelines-no-malloc)
    if (!record) return nullptr;
    InitSegPath(*record);
    if (!SetFromPath(*record, path)) {
        std::free(record);  // NOLINT(cppcoreguidelines-no-malloc)
        return nullptr;
    }
    return record;
}

void WriteViewRecord(COvSegPath& record, const ClipPieces& view)
{
    const Box& b = view.Bounds();
    if (!b.IsEmpty()) {
        record.min_x = float(b.minX);
        record.max_x = float(b.maxX);
        record.min_y = float(b.minY);
        record.max_y = float(b.maxY);
    }
    record.pan_x = float(view.Origin().x);
    record.pan_y = float(view.Origin().y);
    record.zoom_step = view.ZoomStep();
    record.scale = view.Scale();
}

}  // namespace

std::vector<COvSeg*> OrderPicked(const std::vector<COvSeg*>& picked)
{
    if (picked.size() == 1) picked.front()->state = kPlacedForward;
    if (picked.size() < 2) return picked;
    std::vector<bool> placed(picked.size(), false);
    std::vector<COvSeg*> order;
    PlaceFirstPair(picked, placed, order);
    for (size_t n = 2; n < picked.size(); ++n) {
        const Choice c = BestAttachment(picked, placed, FirstOf(*order.front()), LastOf(*order.back()));
        COvSeg* piece = picked[c.index];
        piece->state = c.reversed ? kPlacedReversed : kPlacedForward;
        placed[c.index] = true;
        if (c.atTail)
            order.push_back(piece);
        else
            order.insert(order.begin(), piece);
    }
    return order;
}

int BuildResults(ClipPieces& pieces, OvHostList* list)
{
    auto* view = static_cast<COvSegPath*>(ov_list_at(list, 0));
    if (!view) return 0;
    WriteViewRecord(*view, pieces);
    std::vector<COvSeg*> picked;
    for (Chain& piece : pieces.Pieces())
        if (piece->state != 0) picked.push_back(piece.get());
    int appended = 0;
    for (COvSeg* piece : OrderPicked(picked)) {
        COvSegPath* record = ResultRecord(*piece, pieces);
        if (!record) continue;
        if (!ov_list_append(list, record)) {
            ReleaseSegPath(*record);
            std::free(record);  // NOLINT(cppcoreguidelines-no-malloc)
            continue;
        }
        ++appended;
    }
    return appended;
}

}  // namespace ov
