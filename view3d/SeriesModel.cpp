// Series ranges and polylines of a 3-D chart.
#include "view3d/SeriesModel.h"

#include "view3d/AxisMaps.h"
#include "view3d/Flattening.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ov {
namespace {

std::vector<const DataSeries*> SeriesOf(const OvHostList* list)
{
    std::vector<const DataSeries*> out;
    const int32_t n = ov_list_count(list);
    for (int32_t k = 0; k < n; ++k)
        if (const auto* s = static_cast<const DataSeries*>(ov_list_at(list, k))) out.push_back(s);
    return out;
}

bool HasRows(const DataSeries& s)
{
    return s.values && s.rows > 0 && s.columns > 0;
}

double Value(const DataSeries& s, int column, int row)
{
    return s.values[static_cast<std::size_t>(column) * static_cast<std::size_t>(s.rows) + row];
}

void Widen(DataRange& range, bool& seeded, double v)
{
    if (!std::isfinite(v)) return;
    range.min = seeded ? std::min(range.min, v) : v;
    range.max = seeded ? std::max(range.max, v) : v;
    seeded = true;
}

}  // namespace

void SeriesRanges(const OvHostList* series, DataRange (&ranges)[3])
{
    const std::vector<const DataSeries*> list = SeriesOf(series);
    bool seeded[3] = {false, false, false};
    for (int c = 0; c < 3; ++c) ranges[c] = list.empty() ? DataRange{0, 1} : DataRange{0, 0};
    for (const DataSeries* s : list) {
        for (int c = 0; c < 3; ++c) {
            if (!HasRows(*s) || c >= s->columns) {
                Widen(ranges[c], seeded[c], 0);
                continue;
            }
            for (int r = 0; r < s->rows; ++r) Widen(ranges[c], seeded[c], Value(*s, c, r));
        }
    }
}

bool BuildSeriesItems(ModelItemStock& stock, Host3DObject& object)
{
    const AxisMap(&maps)[3] = object.axis_maps;
    for (const DataSeries* s : SeriesOf(object.series_list)) {
        const int rows = HasRows(*s) ? s->rows : 0;
        ModelItem* item = stock.Append(object.items, OV_ITEM_LINES, rows);
        if (!item) return false;
        item->series = const_cast<DataSeries*>(s);
        for (int r = 0; r < rows; ++r) {
            const double x = MapValue(maps[0], Value(*s, 0, r));
            const double y = s->columns >= 2 ? MapValue(maps[1], Value(*s, 1, r)) : maps[1].offset;
            const double z = s->columns >= 3 ? MapValue(maps[2], Value(*s, 2, r)) : maps[2].offset;
            item->points[r] = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
        }
        FlattenItem(*item, s->colour_map, maps);
    }
    return true;
}

}  // namespace ov
