// Tick/Grid page exchange and kind rules.
#include "chart/TickGridPageModel.h"

#include "chart/PageNumbers.h"

namespace ov {

TickGridValues LoadTickGrid(const ChartRecord& record)
{
    TickGridValues v;
    v.major = record.major_tick_style;
    v.minor = record.minor_tick_style;
    v.grid = record.grid_style;
    if (record.kind == 8) v.secondMinor = record.colour_map_3d;
    v.plot = record.plot_style;
    if (record.kind != 2) {
        v.hideX = record.axes[OV_AXIS_X].shown == 0;
        v.hideY = record.axes[OV_AXIS_Y].shown == 0;
    }
    return v;
}

void StoreTickGrid(const TickGridValues& values, ChartRecord& record)
{
    record.major_tick_style = ListIndexOr(values.major, record.major_tick_style);
    record.minor_tick_style = ListIndexOr(values.minor, record.minor_tick_style);
    if (record.kind == 8) record.colour_map_3d = ListIndexOr(values.secondMinor, record.colour_map_3d);
    if (!UsesAlignmentToolbar(record.kind)) record.grid_style = ListIndexOr(values.grid, record.grid_style);
    if (record.kind != 2) {
        record.axes[OV_AXIS_X].shown = values.hideX ? 0 : 1;
        record.axes[OV_AXIS_Y].shown = values.hideY ? 0 : 1;
    }
    record.plot_style = values.plot;
}

bool UsesAlignmentToolbar(int kind)
{
    return kind == 7 || kind == 8;
}

bool StoreTextAlignment(ChartRecord& record, int button)
{
    if (button < 1 || button > 4) return false;
    record.grid_style = static_cast<uint8_t>(button - 1);
    return true;
}

TickGridVisibility TickGridVisibilityFor(int kind)
{
    TickGridVisibility v;
    v.resetScale = kind == 1;
    v.secondMinor = kind == 8;
    v.textAlignment = UsesAlignmentToolbar(kind);
    v.gridList = !v.textAlignment;
    v.gridEnabled = kind == 1 || kind == 2 || kind == 4;
    return v;
}

}  // namespace ov
