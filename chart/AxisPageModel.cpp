// Axis page exchange and kind rules.
#include "chart/AxisPageModel.h"

#include "chart/ChartRecordAccess.h"
#include "chart/PageNumbers.h"

namespace ov {

AxisPageValues LoadAxes(const ChartRecord& record)
{
    AxisPageValues values;
    for (int i = 0; i < OV_AXIS_COUNT; ++i) {
        const AxisRecord& axis = record.axes[i];
        AxisValues& v = values[static_cast<std::size_t>(i)];
        v.title = AxisTitle(axis);
        v.minText = FormatFloat(axis.range_min);
        v.maxText = FormatFloat(axis.range_max);
        v.shown = axis.shown != 0;
        v.labels = axis.label_style;
        v.scale = axis.scale_index;
        v.parameterText = FormatFloat(axis.scale_param);
    }
    return values;
}

void StoreAxes(const AxisPageValues& values, ChartRecord& record)
{
    for (int i = 0; i < OV_AXIS_COUNT; ++i) {
        AxisRecord& axis = record.axes[i];
        const AxisValues& v = values[static_cast<std::size_t>(i)];
        SetAxisTitle(axis, v.title);
        StoreAxisRange(axis, ParseTypedNumber(v.minText), ParseTypedNumber(v.maxText));
        axis.shown = v.shown ? 1 : 0;
        axis.label_style = ListIndexOr(v.labels, axis.label_style);
        axis.scale_index = ListIndexOr(v.scale, axis.scale_index);
        StoreScaleParameter(axis, static_cast<float>(ParseTypedNumber(v.parameterText)));
    }
}

bool AxisSwatchPainted(const ChartRecord& record, int axis)
{
    return (axis == OV_AXIS_Y2 || axis == OV_AXIS_Y3) && record.axes[axis].shown != 0;
}

AxisPageVisibility AxisVisibilityFor(int kind)
{
    AxisPageVisibility v;
    auto& [x, y, y2, y3] = v.groups;
    y2.colour = y3.colour = true;
    switch (kind) {
    case 7:
    case 8:
        x.check = false;
        y.group = y2.group = y3.group = false;
        break;
    case 4:
        y2.group = y3.group = false;
        x = {true, false, false, false, true, false, false};
        y.title = false;
        break;
    case 5:
    case 6:
        v.thirdAutoRange = v.zAxisTitle = true;
        for (AxisGroupVisibility& g : v.groups) g.title = false;
        y2.check = y3.check = false;
        y2.colour = y3.colour = false;
        y3.group = false;
        break;
    default: break;
    }
    return v;
}

}  // namespace ov
