// ContourBands: the subdivision of a surface cell along the colour map's levels, either into filled
// bands that tile the cell or into line pieces lying on the levels.
#pragma once

#include "chart/ColourMap.h"
#include "view3d/ModelItemStock.h"

#include <ornivex/surface.h>

#include <array>
#include <vector>

namespace ov {

struct BandSettings {
    const ColourMap* colours = nullptr;  // range = the mapped z range
    int levels = 16;                     // 4 ... 64
    double tolerance = 0;                // heights closer than this count as level (model units)
    bool filled = true;                  // bands, else level lines
};

// Level index of a height: −1 below the colour map's minimum (and for NaN), `levels` above its
// maximum, floor((z − minimum) × levels × scale) in between.
int LevelIndex(const BandSettings& bands, double z);
// Height of level k: minimum + (k + 1) × (maximum − minimum) ÷ levels.
double LevelHeight(const BandSettings& bands, int k);

// The colour of every level height, looked up once per model: entry k + 1 is the colour map's colour
// of LevelHeight(k) for k = −1 ... levels.
std::vector<Rgb> BandColours(const BandSettings& bands);

// Splits the cell with the given corners into four triangles about its centre and appends their bands
// (quadrilaterals) or level lines (two-point lines) to `children`, coloured from `colours` (made by
// BandColours for the same settings) and made through `stock`; a cell inside one band is a single band.
// False when memory ran out.
bool SubdivideCell(ModelItemStock& stock, OvHostList& children, const std::array<OvPoint3F, 4>& corners,
                   const BandSettings& bands, const std::vector<Rgb>& colours);

}  // namespace ov
