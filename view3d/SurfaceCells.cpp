// The surface page's cells: values rounded through their "%g" texts, stored back with the ranges kept.
#include "view3d/SurfaceCells.h"

#include "view3d/SurfaceData.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace ov {

bool HasSurfaceValues(const SurfaceGrid* grid)
{
    return grid != nullptr && grid->values != nullptr && grid->nx > 0 && grid->ny > 0;
}

bool LoadSurfaceCells(GridCells& cells, const SurfaceGrid* grid)
{
    cells.SetNumberStyle(CellNumberStyle::General);
    if (!HasSurfaceValues(grid)) {
        cells.LoadNumbers(nullptr, 0, 0);
        return false;
    }
    const std::size_t count = static_cast<std::size_t>(grid->nx) * static_cast<std::size_t>(grid->ny);
    std::vector<double> shown(count);
    std::transform(grid->values, grid->values + count, shown.begin(), [](double v) { return ShownValue(v); });
    cells.LoadNumbers(shown.data(), grid->nx, grid->ny);
    SetSurfaceHeaders(cells, *grid);
    cells.SetModified(true);
    return true;
}

// Headers past the cells' rows or columns are left out (SetText ignores cells outside).
void SetSurfaceHeaders(GridCells& cells, const SurfaceGrid& grid)
{
    cells.SetText(0, 0, kSurfaceCornerText);
    int row = 1;
    for (const std::string& x : XHeaders(grid)) cells.SetText(row++, 0, x);
    int column = 1;
    for (const std::string& y : YHeaders(grid)) cells.SetText(0, column++, y);
}

bool StoreSurfaceCells(SurfaceGrid& grid, const GridCells& cells)
{
    const int nx = cells.RowCount() - 1;
    const int ny = cells.ColumnCount() - 1;
    if (nx <= 0 || ny <= 0) return false;
    const std::vector<double> values = cells.Values();
    return SetSurfaceData(grid, values.data(), nx, ny, grid.x_min, grid.x_max, grid.y_min, grid.y_max);
}

}  // namespace ov
