// ClipPieces: what the Clipped Path view shows, without the view: the input paths cut at every
// crossing into pieces, their nodes, and the view transform (origin, centre, zoom step and scale)
// that moves and scales the pieces in view coordinates.
#pragma once

#include "paths/ChainCuts.h"
#include "paths/CrossingSearch.h"
#include "paths/PathObject.h"
#include "paths/PieceCleanup.h"

#include <ornivex/hostlist.h>
#include <ornivex/segpath.h>

#include <span>
#include <string>
#include <vector>

namespace ov {

inline constexpr int kMinZoomStep = 1;
inline constexpr int kMaxZoomStep = 50;

class ClipPieces {
public:
    // Zoom step (clamped to 1 ... 50) and scale (step × 0.1 when not positive and finite) of the
    // host's view record.
    void ApplyViewRecord(const COvSegPath& record);

    // Loads the paths (figures with non-finite points are left out), cuts self-crossing cubics,
    // splits the chains at their crossings in two passes and cleans up the pieces. Every piece ends
    // up not picked, the view origin at (0, 0).
    void Rebuild(std::span<const PathObject> paths, CandidateSearch search = CandidateSearch::Grid);

    const ChainList& Pieces() const { return pieces_; }
    ChainList& Pieces() { return pieces_; }
    const std::vector<const OvPointF*>& Nodes() const { return nodes_; }
    const Box& Bounds() const { return bounds_; }
    const std::vector<PassStats>& Passes() const { return passes_; }

    // Sets every piece to picked (1) or not picked (0).
    void SetAllPicked(bool picked);
    // The number of pieces picked (or placed by the last result build).
    int PickedCount() const;

    // Wheel zoom about `at`: one step up for a positive delta, else down; false (nothing changes)
    // beyond steps 1 and 50.
    bool Zoom(int wheelDelta, Vec2 at);
    // Moves pieces, origin and centre by (dx, dy).
    void Pan(double dx, double dy);
    // Moves the picture so that the centre of the bounds lies in the middle of a view of that size.
    void CentreIn(double width, double height);
    // Keeps the picture centred when the view grows by (dw, dh).
    void Resized(double dw, double dh) { Pan(dw / 2, dh / 2); }

    Vec2 Origin() const { return origin_; }
    Vec2 Centre() const { return centre_; }
    double Scale() const { return scale_; }
    double LoadScale() const { return scale0_; }
    int ZoomStep() const { return zoomStep_; }

private:
    void Load(std::span<const PathObject> paths, ChainList& chains);

    ChainList pieces_;
    ClosedPairs closedPairs_;
    std::vector<RecordedCrossing> recorded_;
    std::vector<const OvPointF*> nodes_;
    std::vector<PassStats> passes_;
    Box bounds_;
    Vec2 centre_;
    Vec2 origin_;
    double scale0_ = 1.0;
    double scale_ = 1.0;
    int zoomStep_ = 10;
};

// "Ornivex / Clipped Path - N%" with N = scale × 200.
std::string ClipViewTitle(double scale);

// The host's input paths: a host list of path handles, read into path objects (null handles are
// skipped).
std::vector<PathObject> PathsOfHostList(const OvHostList* list);

}  // namespace ov
