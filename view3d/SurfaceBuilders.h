// SurfaceBuilders: the model items of a surface grid by view preset: bars standing on the floor or on
// z = 0, line segments along x or y, and cells (optionally subdivided into contour bands or lines).
#pragma once

#include "chart/ColourMap.h"
#include "view3d/ModelItemStock.h"

#include <ornivex/surface.h>

namespace ov {

// Every builder appends its items to `items` through `stock` (the blocks of the model it replaces).
// What every builder reads: the grid, the three axis maps, the colour choice and the z tolerance.
struct SurfaceFrame {
    const SurfaceGrid* grid = nullptr;
    AxisMap x{}, y{}, z{};
    int colourMapIndex = 0;
    int levels = 16;
    double zTolerance = 0;  // model units
};

// Model point of grid position (i, j) for spacings dx and dy; its value (0 outside the grid) in `value`.
OvPoint3F GridPoint(const SurfaceFrame& frame, int i, int j, double dx, double dy, double* value = nullptr);
// A colour map with the frame's colour choice, levels clamped to 4 ... 64, over [lo, hi].
ColourMap FrameColourMap(const SurfaceFrame& frame, double lo, double hi);
void SetItemColour(ModelItem& item, const Rgb& colour);

// One group of six quadrilaterals per value (needs nx, ny ≥ 1), based on the floor of the box or on the
// level of z = 0. False when memory ran out.
bool BuildBars(ModelItemStock& stock, OvHostList& items, const SurfaceFrame& frame, bool baseOnZero);
// Two-point line items joining neighbours along x (or along y), coloured by the mean of their values
// (needs nx, ny ≥ 2).
bool BuildSegments(ModelItemStock& stock, OvHostList& items, const SurfaceFrame& frame, bool alongX);
// How a cell is subdivided: not at all, into filled bands between levels, or into level lines.
enum class CellDetail { None, Bands, LevelLines };
// One quadrilateral per cell of four neighbouring positions (needs nx, ny ≥ 2), coloured by the mean
// model z of its corners, with its subdivision as children.
bool BuildCells(ModelItemStock& stock, OvHostList& items, const SurfaceFrame& frame, CellDetail detail);

}  // namespace ov
