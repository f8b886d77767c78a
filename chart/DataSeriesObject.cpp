// DataSeries creation, naming, freeing and path conversion.
#include "chart/DataSeriesObject.h"

#include "chart/SeriesValues.h"

#include <cstdlib>
#include <cstring>

namespace ov {
namespace {

void SetStyle(LineFillStyle& style, uint8_t line, uint8_t fill, ov_argb c0, ov_argb c1, ov_argb c2,
              ov_argb c3)
{
    std::memset(&style, 0, sizeof style);
    style.line_style = line;
    style.line_width = 3.0f;
    style.fill_style = fill;
    style.colour[0] = c0;
    style.colour[1] = c1;
    style.colour[2] = c2;
    style.colour[3] = c3;
}

void FreePaths(OvHostList& paths)
{
    while (ov_list_count(&paths) > 0) ov_path_destroy(static_cast<OvPath*>(ov_list_remove_last(&paths)));
}

}  // namespace

void SetSeriesDefaults(DataSeries& series)
{
    std::memset(&series, 0, sizeof series);
    series.smooth = 1;
    SetStyle(series.curve_style, 1, 1, 0xff000000u, 0xff00ddddu, 0xff00ddddu, 0xff00ddddu);
    series.marker_type = 1;
    series.marker_size = 6.0f;
    series.stroke = 1;
    SetStyle(series.marker_style, 0, 1, 0xff000000u, 0xffff0000u, 0xffffffffu, 0xffffffffu);
    series.bar_size = 4.0f;
    series.bubble_min = 4.0f;
    series.bubble_max = 8.0f;
    series.reserved_0f0 = 360;
    series.reserved_110 = 1.0f;
}

DataSeries* CreateDataSeries()
{
    auto* series = static_cast<DataSeries*>(std::malloc(sizeof(DataSeries)));
    if (!series) return nullptr;
    SetSeriesDefaults(*series);
    series->name = ov_str_from_ascii("DatSer_1");
    if (!series->name) {
        std::free(series);
        return nullptr;
    }
    return series;
}

void DestroyDataSeries(DataSeries* series)
{
    if (!series) return;
    ov_str_free(series->name);
    std::free(series->values);
    std::free(series->owned_block_138);
    std::free(series->owned_block_13c);
    FreePaths(series->paths);
    std::free(series);
}

int SeriesType(const DataSeries& series)
{
    return series.type_and_system & OV_SERIES_TYPE_MASK;
}

int SeriesSystem(const DataSeries& series)
{
    return series.type_and_system >> OV_SERIES_SYSTEM_SHIFT;
}

void SetSeriesType(DataSeries& series, int type)
{
    series.type_and_system =
        static_cast<uint8_t>((series.type_and_system & ~OV_SERIES_TYPE_MASK) | (type & OV_SERIES_TYPE_MASK));
}

void SetSeriesSystem(DataSeries& series, int system)
{
    series.type_and_system = static_cast<uint8_t>((series.type_and_system & OV_SERIES_TYPE_MASK) |
                                                  ((system & 0x0F) << OV_SERIES_SYSTEM_SHIFT));
}

int AllowedCoordinateSystem(const ChartRecord& record, int requested)
{
    if (requested == kSystemXY2 && record.axes[OV_AXIS_Y2].shown) return kSystemXY2;
    if (requested == kSystemXY3 && record.axes[OV_AXIS_Y3].shown) return kSystemXY3;
    return kSystemXY;
}

DataSeries* SeriesFromPath(const DrawingPath& path, const DrawingContext& context)
{
    if (path.count < 2 || !path.points || context.scale == 0) return nullptr;
    auto* series = static_cast<DataSeries*>(std::malloc(sizeof(DataSeries)));
    if (!series) return nullptr;
    SetSeriesDefaults(*series);
    series->name = ov_str_dup(path.name);
    if (!series->name || !ResizeSeries(*series, 2, path.count)) {
        DestroyDataSeries(series);
        return nullptr;
    }
    SetSeriesType(*series, 0);
    series->marker_type = 0;
    for (int i = 0; i < path.count; ++i) {
        series->values[i] = (path.points[i].x - context.origin_x) / context.scale;
        series->values[path.count + i] = (context.origin_y - path.points[i].y) / context.scale;
    }
    return series;
}

DataSeries* CreateNumberedSeries(const std::u16string& name, int columns, int rows)
{
    DataSeries* series = CreateDataSeries();
    if (series == nullptr) return nullptr;
    if (!RenameSeries(*series, name) || !ResizeSeries(*series, columns, rows)) {
        DestroyDataSeries(series);
        return nullptr;
    }
    SetSeriesType(*series, 0);
    series->marker_type = 0;
    for (int r = 0; r < rows && series->values != nullptr; ++r) series->values[r] = r;
    return series;
}

bool RenameSeries(DataSeries& series, const std::u16string& name)
{
    ov_char16* copy = ov_str_dup_n(name.data(), name.size());
    if (copy == nullptr) return false;
    ov_str_free(series.name);
    series.name = copy;
    return true;
}

}  // namespace ov
