// The chart-style page's property codes: which DataSeries field each code names, copying that one
// field from the page's edited values into every selected series, and which control groups the page
// shows for a series type and chart kind.
#pragma once

#include <ornivex/chart.h>

#include <vector>

namespace ov {

// 0 ... 6 the curve style (line style, width, fill style, colours 0 ... 3), 7 ... 13 the marker
// style in the same order, 14 marker size, 15 bar size, 16 bar offset, 17 smallest bubble, 18
// largest bubble, 19 marker type, 20 colour map, 21 smooth, 22 stroke, 23 legend, 24 projection,
// 31 ... 36 chart type 0 ... 5.
enum SeriesProperty : int {
    kPropCurveStyle = 0,
    kPropMarkerStyle = 7,
    kPropMarkerSize = 14,
    kPropBarSize = 15,
    kPropBarOffset = 16,
    kPropBubbleMin = 17,
    kPropBubbleMax = 18,
    kPropMarkerType = 19,
    kPropColourMap = 20,
    kPropSmooth = 21,
    kPropStroke = 22,
    kPropLegend = 23,
    kPropProjection = 24,
    kPropChartType = 31,  // + type
};

// Copies the field named by `code` from `source` into `target`; false for an unknown code.
bool CopySeriesProperty(DataSeries& target, const DataSeries& source, int code);
// The same into every series of the list; returns how many were changed.
int ApplySeriesProperty(const std::vector<DataSeries*>& targets, const DataSeries& source, int code);

// Control groups of the chart-style page.
struct ChartStyleGroups {
    bool chartType = false;   // the chart-type toolbar and the "Coordinate" radio buttons
    bool projection = false;  // list 1262 (kind 6)
    bool marker = false;      // marker list, size, stroke and the marker style editor
    bool smooth = false;
    bool legend = false;
    bool bar = false;
    bool bubble = false;
    bool curve = false;      // the curve style editor
    bool curveFill = false;  // its fill row
    bool operator==(const ChartStyleGroups&) const = default;
};

// All hidden without a current series.
ChartStyleGroups VisibleChartStyleGroups(bool hasSeries, int seriesType, int chartKind);

}  // namespace ov
