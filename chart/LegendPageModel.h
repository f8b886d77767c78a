// The Legend and (pie) Label pages without widgets: load and store of the legend flags, spacing and
// box style, and of the pie label content, format and style.
#pragma once

#include <ornivex/chart.h>

#include <string>

namespace ov {

struct LegendValues {
    int layout = -1;  // list selection (bits 0-3); -1 keeps the stored layout
    bool showTitle = false;
    bool showValue = false;  // offered only in pie mode, carried always
    std::u16string spacingText;
    LineFillStyle box{};
};

LegendValues LoadLegend(const ChartRecord& record);
// Flags = layout index, then bit 4 and bit 5 from the boxes; spacing as typed (0 when it does not
// parse); the box style.
void StoreLegend(const LegendValues& values, ChartRecord& record);

struct LabelValues {
    int content = -1;  // list selections; -1 keeps the stored index
    int format = -1;
    LineFillStyle style{};
};

LabelValues LoadLabel(const ChartRecord& record);
void StoreLabel(const LabelValues& values, ChartRecord& record);

}  // namespace ov
