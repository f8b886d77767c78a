// The heights of a surface grid mapped into one block, column after column.
#include "view3d/MappedGrid.h"

#include <algorithm>

namespace ov {

MappedGrid::MappedGrid(const SurfaceFrame& frame, double dx, double dy)
    : x_(frame.x), y_(frame.y), dx_(dx), dy_(dy), ny_(static_cast<std::size_t>(frame.grid->ny))
{
    // The values are stored row after row: reading them column by column took a page per value, so
    // each row is read a strip of columns at a time.
    const SurfaceGrid& grid = *frame.grid;
    const auto nx = static_cast<std::size_t>(grid.nx);
    z_.resize(nx * ny_);
    constexpr std::size_t kStrip = 16;
    for (std::size_t first = 0; first < nx; first += kStrip)
        for (std::size_t j = 0; j < ny_; ++j)
            for (std::size_t i = first; i < std::min(nx, first + kStrip); ++i)
                z_[i * ny_ + j] = static_cast<float>(MapValue(frame.z, grid.values[j * nx + i]));
}

}  // namespace ov
