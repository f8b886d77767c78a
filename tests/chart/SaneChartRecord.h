// Gives the fields that the chart pages show values they can show exactly (terminated texts,
// indexes inside the shipped lists, plain numbers), leaving every other byte as the test set it.
#pragma once

#include <ornivex/chart.h>

#include <cstring>

inline void MakePageFieldsSane(ChartRecord& r)
{
    std::memset(r.caption, 0, sizeof r.caption);
    std::memset(r.font_face, 0, sizeof r.font_face);
    std::memcpy(r.caption, u"Yield", 10);
    std::memcpy(r.font_face, u"Zq Plot", 14);  // no installed family starts with it
    r.title_flags = OV_TITLE_LARGER;
    r.font_size = 10.5f;
    r.border_style = 0;
    r.major_tick_style = r.minor_tick_style = r.grid_style = r.colour_map_3d = 2;
    r.legend_flags = OV_LEGEND_SHOW_VALUE | 3;
    r.legend_spacing = 0.1f;
    r.pie_label_content = r.pie_label_format = 1;
    for (AxisRecord& a : r.axes) {
        std::memset(a.title, 0, sizeof a.title);
        a.range_min = -0.3f;
        a.range_max = 1e7f;
        a.shown = 1;
        a.scale_index = 5;
        a.label_style = 1;
        a.scale_param = 2.5f;
    }
    r.axes[OV_AXIS_Y].shown = 0;
}
