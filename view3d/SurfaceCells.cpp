// The surface page's cells: values rounded through their "%g" texts, stored back with the ranges kept.
#include "view3d/SurfaceCells.h"

#include "view3d/SurfaceData.h"

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
        cells.SetModified(false);
        return false;
    }
    const std::size_t count = static_cast<std::size_t>(grid->nx) * static_cast<std::size_t>(grid->ny);
    std::vector<double> shown(count);
    for (std::size_t k = 0; k < count; ++k)
        shown[k] = std::strtod(FormatHeaderValue(grid->values[k]).c_str(), nullptr);
    cells.LoadNumbers(shown.data(), grid->nx, grid->ny);
    SetSurfaceHeaders(cells, *grid);
    cells.SetModified(true);
    return true;
}

void SetSurfaceHeaders(GridCells& cells, const SurfaceGrid& grid)
{
    cells.SetText(0, 0, kSurfaceCornerText);
    const std::vector<std::string> xs = XHeaders(grid);
    const std::vector<std::string> ys = YHeaders(grid);
    for (std::size_t i = 0; i < xs.size() && static_cast<int>(i) + 1 < cells.RowCount(); ++i)
        cells.SetText(static_cast<int>(i) + 1, 0, xs[i]);
    for (std::size_t j = 0; j < ys.size() && static_cast<int>(j) + 1 < cells.ColumnCount(); ++j)
        cells.SetText(0, static_cast<int>(j) + 1, ys[j]);
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
