// The rebuild of a 3-D host object's model.
#include "view3d/ModelRebuild.h"

#include "view3d/AxisMaps.h"
#include "view3d/Flattening.h"
#include "view3d/ModelItemStock.h"
#include "view3d/ModelItems.h"
#include "view3d/SeriesModel.h"
#include "view3d/SurfaceBuilders.h"

#include <cmath>

namespace ov {
namespace {

// Heights closer than this share of the z range count as equal.
constexpr double kRelativeZTolerance = 1e-12;

void SetAxisMaps(const ChartRecord& record, Host3DObject& object, const DataRange (&ranges)[3])
{
    for (int a = 0; a < 3; ++a)
        SetAxisMap(object.axis_maps[a], ranges[a].min, ranges[a].max, record.axes[a],
                   record.axes[a].ratio_3d);
    const AxisMap& z = object.axis_maps[2];
    object.z_tolerance = static_cast<float>((z.range_max - z.range_min) * kRelativeZTolerance);
}

bool BuildSurface(const ChartRecord& record, Host3DObject& object, ModelItemStock& stock)
{
    const SurfaceGrid& grid = *object.surface;
    const DataRange ranges[3] = {
        {grid.x_min, grid.x_max}, {grid.y_min, grid.y_max}, {grid.z_min, grid.z_max}};
    SetAxisMaps(record, object, ranges);
    object.colour_map = record.colour_map_3d;
    object.contour_levels = record.contour_levels;
    SurfaceFrame frame{&grid,
                       object.axis_maps[0],
                       object.axis_maps[1],
                       object.axis_maps[2],
                       object.colour_map,
                       object.contour_levels,
                       0};
    // The tolerance is kept in data units; the bands compare model heights.
    frame.zTolerance = std::abs(object.z_tolerance * frame.z.scale);
    bool ok = true;
    switch (BuilderOfPreset(record.view_preset_3d)) {
    case SurfaceBuilder::None: break;
    case SurfaceBuilder::BarsOnFloor: ok = BuildBars(stock, object.items, frame, false); break;
    case SurfaceBuilder::BarsOnZero: ok = BuildBars(stock, object.items, frame, true); break;
    case SurfaceBuilder::Cells: ok = BuildCells(stock, object.items, frame, CellDetail::None); break;
    case SurfaceBuilder::SegmentsAlongX: ok = BuildSegments(stock, object.items, frame, true); break;
    case SurfaceBuilder::SegmentsAlongY: ok = BuildSegments(stock, object.items, frame, false); break;
    case SurfaceBuilder::Bands: ok = BuildCells(stock, object.items, frame, CellDetail::Bands); break;
    case SurfaceBuilder::LevelLines:
        ok = BuildCells(stock, object.items, frame, CellDetail::LevelLines);
        break;
    }
    if (record.projection_3d != 0)
        for (ModelItem* item : ModelItemsOf(object.items))
            FlattenItem(*item, record.projection_3d, object.axis_maps);
    return ok;
}

bool BuildSeries(const ChartRecord& record, Host3DObject& object, ModelItemStock& stock)
{
    DataRange ranges[3];
    SeriesRanges(object.series_list, ranges);
    SetAxisMaps(record, object, ranges);
    return BuildSeriesItems(stock, object);
}

}  // namespace

SurfaceBuilder BuilderOfPreset(int preset)
{
    switch (preset) {
    case 0:
    case 1: return SurfaceBuilder::BarsOnFloor;
    case 2:
    case 3: return SurfaceBuilder::BarsOnZero;
    case 4:
    case 7: return SurfaceBuilder::Cells;
    case 5: return SurfaceBuilder::SegmentsAlongX;
    case 6: return SurfaceBuilder::SegmentsAlongY;
    case 8: return SurfaceBuilder::Bands;
    case 9: return SurfaceBuilder::LevelLines;
    default: return SurfaceBuilder::None;
    }
}

bool RebuildModel(ChartRecord& record, Host3DObject& object)
{
    // The new model is made of the old one's blocks; what it does not take is freed on return.
    ModelItemStock stock(object.items);
    NormaliseAxisRatios(record);
    if (object.surface) return BuildSurface(record, object, stock);
    if (object.series_list) return BuildSeries(record, object, stock);
    return true;
}

}  // namespace ov
