// Legend and label page exchange.
#include "chart/LegendPageModel.h"

#include "chart/PageNumbers.h"

namespace ov {

LegendValues LoadLegend(const ChartRecord& record)
{
    LegendValues v;
    v.layout = record.legend_flags & OV_LEGEND_LAYOUT_MASK;
    v.showTitle = (record.legend_flags & OV_LEGEND_SHOW_TITLE) != 0;
    v.showValue = (record.legend_flags & OV_LEGEND_SHOW_VALUE) != 0;
    v.spacingText = FormatFloat(record.legend_spacing);
    v.box = record.legend_style;
    return v;
}

void StoreLegend(const LegendValues& values, ChartRecord& record)
{
    const int layout = values.layout >= 0 ? values.layout : record.legend_flags & OV_LEGEND_LAYOUT_MASK;
    int flags = layout & OV_LEGEND_LAYOUT_MASK;
    if (values.showTitle) flags |= OV_LEGEND_SHOW_TITLE;
    if (values.showValue) flags |= OV_LEGEND_SHOW_VALUE;
    record.legend_flags = static_cast<uint8_t>(flags);
    record.legend_spacing = static_cast<float>(ParseTypedNumber(values.spacingText));
    record.legend_style = values.box;
}

LabelValues LoadLabel(const ChartRecord& record)
{
    return {record.pie_label_content, record.pie_label_format, record.plot_style};
}

void StoreLabel(const LabelValues& values, ChartRecord& record)
{
    record.pie_label_content = ListIndexOr(values.content, record.pie_label_content);
    record.pie_label_format = ListIndexOr(values.format, record.pie_label_format);
    record.plot_style = values.style;
}

}  // namespace ov
