// MagnetSeries: positions mapped into the series' units with the magnet record's origin and scale.
#include "animation/MagnetSeries.h"

#include "magnets/COvMag.h"
#include "magnets/MagnetList.h"

#include <algorithm>
#include <cmath>

namespace ov {

std::vector<const COvMag*> MagnetMenuEntries(const MagnetRecord* record)
{
    std::vector<const COvMag*> out;
    if (!record) return out;
    for (const COvMag* magnet : MagnetsOf(*record))
        if (!magnet->Has(OV_MAG_TEMPORARY) && magnet->Count() >= 2) out.push_back(magnet);
    return out;
}

std::vector<double> MagnetSeriesValues(const COvMag& magnet, const MagnetRecord& record)
{
    const double scale = record.scale > 0 && std::isfinite(record.scale) ? record.scale : 1.0;
    const std::vector<OvPointF>& positions = magnet.Positions();
    const std::size_t rows = positions.size();
    std::vector<double> values(2 * rows);
    for (std::size_t r = 0; r < rows; ++r) {
        values[r] = (static_cast<double>(positions[r].x) - record.origin_x) / scale;
        values[rows + r] = (static_cast<double>(record.origin_y) - positions[r].y) / scale;
    }
    return values;
}

OwnedTimeSeries MakeMagnetSeries(const COvMag& magnet, const MagnetRecord& record, std::u16string_view name,
                                 int32_t id)
{
    const std::vector<double> values = MagnetSeriesValues(magnet, record);
    OwnedTimeSeries series = CreateTimeSeries();
    if (!series || !SetTimeSeriesName(*series, name) || !SetTimeSeriesSize(*series, 2, magnet.Count()))
        return nullptr;
    series->id = id;
    std::copy(values.begin(), values.end(), series->values);
    return series;
}

}  // namespace ov
