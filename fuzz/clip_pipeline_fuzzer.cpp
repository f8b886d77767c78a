// Fuzz target for the clipping pipeline: random paths (raw float bits, arbitrary type bytes, a
// flag bit that starts the next path) are cut into pieces, zoomed and panned, every piece is picked
// and handed back as result records, and the pieces are divided into points.
#include "paths/ClipPieces.h"
#include "paths/ClipResults.h"
#include "paths/PointsAlongPaths.h"
#include "paths/SegPathRecord.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kRecord = 2 * sizeof(float) + 1;
// The crossing search is quadratic in the links; a bound keeps each run short.
constexpr size_t kMaxPoints = 64;
constexpr uint8_t kNextPath = 0x40;

struct Input {
    int divisions = 1;
    double bias = 1.0;
    int zoomSteps = 0;
    bool allPairs = false;
    std::vector<ov::PathObject> paths;
};

Input Decode(const uint8_t* data, size_t size)
{
    Input in;
    if (size < 3) return in;
    in.divisions = 1 + data[0] % 12;
    in.bias = 0.1 + data[1] / 25.0;
    in.zoomSteps = data[2] % 16 - 8;
    in.allPairs = data[2] & 0x80;
    std::vector<OvPointF> points;
    std::vector<uint8_t> types;
    const auto flush = [&] {
        if (points.empty()) return;
        in.paths.emplace_back().SetData(points, types);
        points.clear();
        types.clear();
    };
    for (size_t at = 3; at + kRecord <= size && at / kRecord < kMaxPoints; at += kRecord) {
        OvPointF p;
        std::memcpy(&p.x, data + at, sizeof(float));
        std::memcpy(&p.y, data + at + sizeof(float), sizeof(float));
        const uint8_t type = data[at + 2 * sizeof(float)];
        if (type & kNextPath) flush();
        points.push_back(p);
        types.push_back(static_cast<uint8_t>(type & ~kNextPath));
    }
    flush();
    return in;
}

void FreeResults(OvHostList& list)
{
    while (list.count > 1) {
        auto* r = static_cast<COvSegPath*>(ov_list_remove_last(&list));
        ov::ReleaseSegPath(*r);
        std::free(r);  // NOLINT(cppcoreguidelines-no-malloc)
    }
    ov_list_remove_last(&list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Input in = Decode(data, size);
    ov::ClipPieces view;
    view.Rebuild(in.paths, in.allPairs ? ov::CandidateSearch::AllPairs : ov::CandidateSearch::Grid);
    view.CentreIn(640, 480);
    for (int i = 0; i < (in.zoomSteps < 0 ? -in.zoomSteps : in.zoomSteps); ++i)
        view.Zoom(in.zoomSteps, {320, 200});
    view.Pan(-13, 7);
    view.SetAllPicked(true);
    OvHostList list;
    ov_list_init(&list);
    COvSegPath record;
    ov::InitSegPath(record);
    ov_list_append(&list, &record);
    ov::BuildResults(view, &list);
    FreeResults(list);
    (void)ov::PointsAlongPieces(view.Pieces(), in.divisions, in.bias);
    return 0;
}
