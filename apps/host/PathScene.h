// PathScene: the crossing paths the demo host hands to Clipped Path and Points Along Paths: the
// sample figures as path handles, the list whose view record the clipping dialog writes and behind
// which it appends its pieces, the grid that turns points into magnet positions, and the pieces the
// host took back as its own paths.
#pragma once

#include <ornivex/ornivex.h>
#include <ornivex/segpath.h>

#include <QPainterPath>

#include <vector>

namespace ovhost {

class PathScene {
public:
    // Overlapping rectangles, a figure eight, a spiral over a circle and a looped Bézier across a
    // line, in page coordinates; the grid maps page points to the cells of the magnet record.
    explicit PathScene(const MagnetRecord& magnets);
    ~PathScene();
    PathScene(const PathScene&) = delete;
    PathScene& operator=(const PathScene&) = delete;

    OvHostList& Inputs() { return inputs_; }
    OvHostList& ViewList() { return viewList_; }
    CellGrid& Grid() { return grid_; }

    // Moves the records appended behind the view record into Pieces() and releases them; returns
    // how many there were.
    int TakeResults();

    std::vector<QPainterPath> Figures() const;
    const std::vector<QPainterPath>& Pieces() const { return pieces_; }

private:
    std::vector<OvPath*> figures_;
    OvHostList inputs_{};
    OvHostList viewList_{};
    COvSegPath view_{};
    CellGrid grid_{};
    std::vector<QPainterPath> pieces_;
};

}  // namespace ovhost
