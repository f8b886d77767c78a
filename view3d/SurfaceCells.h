// SurfaceCells: how the surface page's grid shows a surface and stores it back. Cell (0, 0) reads
// "X \ Y"; row i (1 ... nx) is x position i − 1 headed by its x value, column j (1 ... ny) y position
// j − 1 headed by its y value, so the data cells read column-major are the surface's own block (x
// fastest). Every cell shows its value with "%g" and a store writes what the cells show.
#pragma once

#include <ornivex/surface.h>
#include "grid/GridCells.h"

namespace ov {

inline constexpr char kSurfaceCornerText[] = "X \\ Y";

// Whether the surface has values the page can show (a block and positive sizes).
bool HasSurfaceValues(const SurfaceGrid* grid);

// Lays the surface out in the cells and marks them modified, so the next store rounds every value
// to its "%g" text. Without values the cells shrink to the corner alone; false then.
bool LoadSurfaceCells(GridCells& cells, const SurfaceGrid* grid);

// The corner and the header texts of the x and y positions, after the ranges changed.
void SetSurfaceHeaders(GridCells& cells, const SurfaceGrid& grid);

// Stores the data cells as the surface's values, nx = data rows and ny = data columns, with the
// surface's current ranges. False (surface unchanged) when the cells hold no data cell.
bool StoreSurfaceCells(SurfaceGrid& grid, const GridCells& cells);

}  // namespace ov
