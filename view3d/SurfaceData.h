// SurfaceData: the z values of a surface grid as the surface page edits them: setting a new block
// with its z range, the "%g" headers of the x and y positions, adding positions, deleting them,
// clearing, reversing and transposing. The value block is malloc'ed because the host frees it.
#pragma once

#include <ornivex/surface.h>

#include <string>
#include <vector>

namespace ov {

// Copies nx × ny values (x fastest) into a new block of the surface, stores the sizes and ranges and
// recomputes the z range in one pass: the first finite value seeds the smallest and the largest, a later
// value replaces the largest only when strictly greater. Non-finite values stay out of the range; with
// no finite value the range is 0 ... 0 and the index −1. Sizes of 0 or less, a product too large to
// allocate, null values or a failed allocation leave an empty surface (0 × 0, no block); false then.
bool SetSurfaceData(SurfaceGrid& grid, const double* values, int nx, int ny, double xMin, double xMax,
                    double yMin, double yMax);
// Frees the value block; null is ignored.
void FreeSurfaceData(SurfaceGrid* grid);

// The value at x index i and y index j; 0 outside the grid.
double SurfaceValue(const SurfaceGrid& grid, int i, int j);
// Position k of n spread evenly over [lo, hi]; a single position sits at lo.
double GridPosition(double lo, double hi, int k, int n);
// "%g" of a number, as every text of the surface page shows it.
std::string FormatHeaderValue(double v);
// The value a "%g" text of it reads back as (what a cell showing it stores).
double ShownValue(double v);
// Header texts of the x positions (rows of the page) and the y positions (columns).
std::vector<std::string> XHeaders(const SurfaceGrid& grid);
std::vector<std::string> YHeaders(const SurfaceGrid& grid);

// Resizes to nx × ny keeping the values where the old and the new grid overlap, 0 elsewhere.
bool ResizeSurface(SurfaceGrid& grid, int nx, int ny);
inline bool AddXPosition(SurfaceGrid& grid)
{
    return ResizeSurface(grid, grid.nx + 1, grid.ny);
}
inline bool AddYPosition(SurfaceGrid& grid)
{
    return ResizeSurface(grid, grid.nx, grid.ny + 1);
}
// Every value 0.
void ClearSurface(SurfaceGrid& grid);
// Deletes the given x (or y) positions, highest first, while more than one position remains; when only
// one is left to begin with the values are cleared instead. Indexes outside the grid are ignored.
void DeleteXPositions(SurfaceGrid& grid, std::vector<int> indexes);
void DeleteYPositions(SurfaceGrid& grid, std::vector<int> indexes);
// Row j becomes row ny − 1 − j; within each row value i becomes nx − 1 − i.
void ReverseY(SurfaceGrid& grid);
void ReverseX(SurfaceGrid& grid);
// nx and ny exchanged, value (i, j) becomes (j, i); the x and y ranges stay as they were.
void TransposeSurface(SurfaceGrid& grid);

}  // namespace ov
