// MagnetPatterns: the regular arrangements that fill a magnet (cross, line, circle or arc, grid and
// the two staggered grids), computed in user coordinates from their parameters.
#pragma once

#include "magnets/MagnetUnits.h"

#include <cstdint>
#include <vector>

namespace ov {

// The pattern commands of the Magnets dialog.
enum class PatternKind : int {
    Cross = 11,
    Line = 12,
    Circle = 13,
    Grid = 14,
    StaggeredColumns = 15,
    StaggeredRows = 16
};

struct CrossParams {
    float xc = 0, yc = 0, xg = 20, yg = 20;
    int32_t xd = 10, yd = 10;  // points per arm
};

struct LineParams {
    float x0 = 0, y0 = 0, x1 = 100, y1 = 100;
    int32_t nd = 10;  // intervals
};

struct CircleParams {
    float px = 0, py = 0, RR = 100, A0 = 0;
    int32_t dA = 360;  // sweep in whole degrees
    int32_t rd = 8;    // points on the circle
};

struct GridParams {
    float xc1 = 0, yc1 = 0, xg1 = 20, yg1 = 20;
    int32_t xd1 = 10, yd1 = 10;  // points on each side of the centre
};

struct StaggerParams {
    float xc2 = 0, yc2 = 0, gg2 = 20;
    int32_t xd2 = 10, yd2 = 10;  // points on each side of the centre
};

// Each generator first limits its counts in place (callers store them back as limited) and then
// returns the points in the order the host numbers them.
std::vector<UserPoint> CrossPoints(CrossParams& p);
std::vector<UserPoint> LinePoints(LineParams& p);
// withCentre: the centre comes first (list mode; copy mode leaves it out).
std::vector<UserPoint> CirclePoints(CircleParams& p, bool withCentre);
std::vector<UserPoint> GridPoints(GridParams& p);
// staggeredRows: rows shifted by half the spacing (command 16), else columns (command 15).
std::vector<UserPoint> StaggeredPoints(StaggerParams& p, bool staggeredRows);

}  // namespace ov
