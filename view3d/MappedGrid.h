// MappedGrid: the model points of every position of a surface grid, mapped once, their heights kept
// column after column for the builders that walk the grid column by column.
#pragma once

#include "view3d/AxisMaps.h"
#include "view3d/SurfaceBuilders.h"

#include <cstddef>
#include <vector>

namespace ov {

class MappedGrid {
public:
    // Maps the grid of the frame (values present, nx, ny >= 1) for spacings dx and dy; throws
    // std::bad_alloc when memory runs out.
    MappedGrid(const SurfaceFrame& frame, double dx, double dy);

    // The point GridPoint(frame, i, j, dx, dy) gives, for a position inside the grid.
    OvPoint3F At(int i, int j) const
    {
        return {static_cast<float>(MapValue(x_, i * dx_ + x_.data_min)),
                static_cast<float>(MapValue(y_, j * dy_ + y_.data_min)),
                z_[static_cast<std::size_t>(i) * ny_ + static_cast<std::size_t>(j)]};
    }

private:
    AxisMap x_, y_;
    double dx_, dy_;
    std::size_t ny_;
    std::vector<float> z_;  // column after column
};

}  // namespace ov
