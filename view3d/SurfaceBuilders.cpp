// Bars, segments and cells of a surface grid.
#include "view3d/SurfaceBuilders.h"

#include "view3d/AxisMaps.h"
#include "view3d/ContourBands.h"
#include "view3d/MappedGrid.h"
#include "view3d/SurfaceData.h"

#include <algorithm>
#include <array>
#include <new>
#include <optional>
#include <vector>

namespace ov {
namespace {

constexpr std::array<std::array<int, 4>, 6> kBarFaces = {
    {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4}, {2, 3, 7, 6}, {1, 2, 6, 5}, {0, 3, 7, 4}}};

OvPoint3F Point(double x, double y, double z)
{
    return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

double DataSpan(const AxisMap& map)
{
    return map.data_max - map.data_min;
}

bool AddBar(ModelItemStock& stock, OvHostList& items, const std::array<OvPoint3F, 8>& corners,
            const Rgb& colour)
{
    ModelItem* group = stock.Append(items, OV_ITEM_GROUP, 0);
    if (!group) return false;
    for (const auto& face : kBarFaces) {
        ModelItem* quad = stock.Append(group->children, OV_ITEM_QUAD, 4);
        if (!quad) return false;
        for (int k = 0; k < 4; ++k) quad->points[k] = corners[static_cast<std::size_t>(face[k])];
        SetItemColour(*quad, colour);
    }
    return true;
}

bool AddSegment(ModelItemStock& stock, OvHostList& items, const SurfaceFrame& frame, const ColourMap& colours,
                const std::array<int, 4>& ends, double dx, double dy)
{
    double v0 = 0, v1 = 0;
    const OvPoint3F a = GridPoint(frame, ends[0], ends[1], dx, dy, &v0);
    const OvPoint3F b = GridPoint(frame, ends[2], ends[3], dx, dy, &v1);
    ModelItem* line = stock.Append(items, OV_ITEM_LINES, 2);
    if (!line) return false;
    line->points[0] = a;
    line->points[1] = b;
    SetItemColour(*line, colours.ColourOf((v0 + v1) / 2));
    return true;
}

bool HasCells(const SurfaceGrid* grid)
{
    return grid && grid->values && grid->nx >= 2 && grid->ny >= 2;
}

}  // namespace

OvPoint3F GridPoint(const SurfaceFrame& frame, int i, int j, double dx, double dy, double* value)
{
    const double v = SurfaceValue(*frame.grid, i, j);
    if (value) *value = v;
    return Point(MapValue(frame.x, i * dx + frame.x.data_min), MapValue(frame.y, j * dy + frame.y.data_min),
                 MapValue(frame.z, v));
}

ColourMap FrameColourMap(const SurfaceFrame& frame, double lo, double hi)
{
    ColourMap colours;
    colours.ChooseControlColours(frame.colourMapIndex);
    colours.SetLevels(std::clamp(frame.levels, 4, 64));
    colours.SetRange(lo, hi);
    return colours;
}

void SetItemColour(ModelItem& item, const Rgb& colour)
{
    item.colour[0] = colour.r;
    item.colour[1] = colour.g;
    item.colour[2] = colour.b;
}

bool BuildBars(ModelItemStock& stock, OvHostList& items, const SurfaceFrame& frame, bool baseOnZero)
{
    const SurfaceGrid* grid = frame.grid;
    if (!grid || !grid->values || grid->nx < 1 || grid->ny < 1) return true;
    const ColourMap colours = FrameColourMap(frame, frame.z.range_min, frame.z.range_max);
    const double dx = DataSpan(frame.x) / grid->nx, dy = DataSpan(frame.y) / grid->ny;
    const double base = baseOnZero ? frame.z.offset : MappedMin(frame.z);
    for (int i = 0; i < grid->nx; ++i) {
        for (int j = 0; j < grid->ny; ++j) {
            double v = 0;
            const OvPoint3F p = GridPoint(frame, i, j, dx, dy, &v);
            const double x1 = p.x + dx * frame.x.scale, y1 = p.y + dy * frame.y.scale;
            const std::array<OvPoint3F, 8> corners = {
                Point(p.x, p.y, base), Point(x1, p.y, base), Point(x1, y1, base), Point(p.x, y1, base),
                Point(p.x, p.y, p.z),  Point(x1, p.y, p.z),  Point(x1, y1, p.z),  Point(p.x, y1, p.z)};
            if (!AddBar(stock, items, corners, colours.ColourOf(v))) return false;
        }
    }
    return true;
}

bool BuildSegments(ModelItemStock& stock, OvHostList& items, const SurfaceFrame& frame, bool alongX)
{
    const SurfaceGrid* grid = frame.grid;
    if (!HasCells(grid)) return true;
    const ColourMap colours = FrameColourMap(frame, frame.z.range_min, frame.z.range_max);
    const double dx = DataSpan(frame.x) / (grid->nx - 1), dy = DataSpan(frame.y) / (grid->ny - 1);
    for (int i = 0; i + 1 < grid->nx; ++i) {
        for (int j = 0; j + 1 < grid->ny; ++j) {
            bool ok = true;
            if (alongX) {
                ok = AddSegment(stock, items, frame, colours, {i, j, i + 1, j}, dx, dy);
                if (ok && j == grid->ny - 2)
                    ok = AddSegment(stock, items, frame, colours, {i, j + 1, i + 1, j + 1}, dx, dy);
            } else {
                ok = AddSegment(stock, items, frame, colours, {i, j, i, j + 1}, dx, dy);
                if (ok && i == grid->nx - 2)
                    ok = AddSegment(stock, items, frame, colours, {i + 1, j, i + 1, j + 1}, dx, dy);
            }
            if (!ok) return false;
        }
    }
    return true;
}

bool BuildCells(ModelItemStock& stock, OvHostList& items, const SurfaceFrame& frame, CellDetail detail)
{
    const SurfaceGrid* grid = frame.grid;
    if (!HasCells(grid)) return true;
    const ColourMap colours = FrameColourMap(frame, MappedMin(frame.z), MappedMax(frame.z));
    const double dx = DataSpan(frame.x) / (grid->nx - 1), dy = DataSpan(frame.y) / (grid->ny - 1);
    const BandSettings bands{&colours, std::clamp(frame.levels, 4, 64), frame.zTolerance,
                             detail == CellDetail::Bands};
    const std::vector<Rgb> bandColours = BandColours(bands);
    std::optional<MappedGrid> points;
    try {
        points.emplace(frame, dx, dy);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (int i = 0; i + 1 < grid->nx; ++i) {
        for (int j = 0; j + 1 < grid->ny; ++j) {
            const std::array<OvPoint3F, 4> corners = {points->At(i, j), points->At(i + 1, j),
                                                      points->At(i + 1, j + 1), points->At(i, j + 1)};
            ModelItem* cell = stock.Append(items, OV_ITEM_QUAD, 4);
            if (!cell) return false;
            double meanZ = 0;
            for (int k = 0; k < 4; ++k) {
                cell->points[k] = corners[static_cast<std::size_t>(k)];
                meanZ += corners[static_cast<std::size_t>(k)].z / 4.0;
            }
            SetItemColour(*cell, colours.ColourOf(meanZ));
            if (detail != CellDetail::None &&
                !SubdivideCell(stock, cell->children, corners, bands, bandColours))
                return false;
        }
    }
    return true;
}

}  // namespace ov
