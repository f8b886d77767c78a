// MagnetMirror: adding the mirror images of the table's positions about an axis, without doubling
// positions whose image is already there.
#pragma once

#include "magnets/MagnetTable.h"

#include <vector>

namespace ov {

enum class MirrorAxis {
    Vertical,   // X := -X (command 17)
    Horizontal  // Y := -Y (command 18)
};

// The rows followed by the image of each row, in row order, except images that lie closer than 0.01
// in both X and Y to a position already in the list (the rows and the images added before them).
// Images get scale 1 and angle 0. Bucketed by a 0.02 grid, so the cost grows with the row count,
// not with its square.
std::vector<TableRow> MirrorRows(const std::vector<TableRow>& rows, MirrorAxis axis);

}  // namespace ov
