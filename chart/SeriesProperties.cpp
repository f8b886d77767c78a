// Property codes of the chart-style page and the visibility of its groups.
#include "chart/SeriesProperties.h"

#include "chart/DataSeriesObject.h"

namespace ov {
namespace {

// Field `part` (0 line style, 1 width, 2 fill style, 3 ... 6 colours) of a line/fill style.
void CopyStylePart(LineFillStyle& target, const LineFillStyle& source, int part)
{
    switch (part) {
    case 0: target.line_style = source.line_style; break;
    case 1: target.line_width = source.line_width; break;
    case 2: target.fill_style = source.fill_style; break;
    default: target.colour[part - 3] = source.colour[part - 3]; break;
    }
}

}  // namespace

bool CopySeriesProperty(DataSeries& t, const DataSeries& s, int code)
{
    if (code >= kPropCurveStyle && code < kPropMarkerStyle) {
        CopyStylePart(t.curve_style, s.curve_style, code - kPropCurveStyle);
        return true;
    }
    if (code >= kPropMarkerStyle && code < kPropMarkerSize) {
        CopyStylePart(t.marker_style, s.marker_style, code - kPropMarkerStyle);
        return true;
    }
    if (code >= kPropChartType && code < kPropChartType + kSeriesTypeCount) {
        SetSeriesType(t, code - kPropChartType);
        return true;
    }
    switch (code) {
    case kPropMarkerSize: t.marker_size = s.marker_size; return true;
    case kPropBarSize: t.bar_size = s.bar_size; return true;
    case kPropBarOffset: t.bar_offset = s.bar_offset; return true;
    case kPropBubbleMin: t.bubble_min = s.bubble_min; return true;
    case kPropBubbleMax: t.bubble_max = s.bubble_max; return true;
    case kPropMarkerType: t.marker_type = s.marker_type; return true;
    case kPropColourMap:
    case kPropProjection: t.colour_map = s.colour_map; return true;
    case kPropSmooth: t.smooth = s.smooth; return true;
    case kPropStroke: t.stroke = s.stroke; return true;
    case kPropLegend: t.hidden_from_legend = s.hidden_from_legend; return true;
    default: return false;
    }
}

int ApplySeriesProperty(const std::vector<DataSeries*>& targets, const DataSeries& source, int code)
{
    int changed = 0;
    for (DataSeries* series : targets)
        if (series && CopySeriesProperty(*series, source, code)) ++changed;
    return changed;
}

ChartStyleGroups VisibleChartStyleGroups(bool hasSeries, int type, int kind)
{
    ChartStyleGroups g;
    if (!hasSeries) return g;
    g.chartType = kind != 6;
    g.projection = kind == 6;
    g.marker = type == 0;
    g.smooth = type <= 2;
    g.legend = type != 5;
    g.bar = type == 3 || type == 5;
    g.bubble = type == 4;
    g.curve = true;
    g.curveFill = type != 0 && type != 5;
    return g;
}

}  // namespace ov
