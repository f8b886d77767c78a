// ModelRebuild: rebuilding the model items of a 3-D host object from the chart record: the surface path
// (axis maps from the grid, builder by view preset, flattening by the record's projection) or the
// series path of a 3-D chart. Entry point for the view before it draws or projects.
#pragma once

#include <ornivex/surface.h>

namespace ov {

// The builders of the view presets 0 ... 9; values above 9 build nothing.
enum class SurfaceBuilder {
    None,
    BarsOnFloor,
    BarsOnZero,
    Cells,
    SegmentsAlongX,
    SegmentsAlongY,
    Bands,
    LevelLines
};
SurfaceBuilder BuilderOfPreset(int preset);

// Frees the object's items, normalises the record's axis ratios and builds the new items. With neither
// a surface nor a series list nothing is built. False when memory ran out (the items built so far stay).
bool RebuildModel(ChartRecord& record, Host3DObject& object);

}  // namespace ov
