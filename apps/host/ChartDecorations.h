// What the chart pages set, drawn by the demo host around a chart's data: caption and border, the
// plot-area style and grid, the axes with their ticks, labels, titles and fixed ranges, and where the
// legend goes. A zeroed record draws plain defaults.
#pragma once

#include <ornivex/chart.h>

#include "chart/AxisTicks.h"

#include <QFont>
#include <QRectF>

class QPainter;

namespace ovhost {

struct AxisSpan {
    double lo = 0;
    double hi = 1;
};

// The font of the chart's texts (face and size from the record, the title bold or larger by flags).
QFont ChartFont(const ChartRecord& record, bool title);
// Pen and brush of a line/fill style as the host draws it.
QPen StylePen(const LineFillStyle& style);
QBrush StyleBrush(const LineFillStyle& style);

// A typed axis range replaces the data range unless the axis is set to range itself.
bool FixedAxisRange(const ChartRecord& record, int axis, AxisSpan& span);
// Kind 1 hides the axes whose "Hide" box is set.
bool AxisHidden(const ChartRecord& record, int axis);

void DrawChartFrame(QPainter& p, const ChartRecord& record, const QRectF& glyph, const QRectF& plot);
// Round ticks for the data range along an axis of the given length in pixels, the range widened to
// whole steps unless the record fixes it (then the ticks stay inside it).
ov::AxisTicks AxisTicksFor(const QPainter& p, const ChartRecord& record, AxisSpan data, double length,
                           bool vertical, bool fixed);
void DrawPlotArea(QPainter& p, const ChartRecord& record, const QRectF& plot, const ov::AxisTicks& x,
                  const ov::AxisTicks& y);
void DrawAxes(QPainter& p, const ChartRecord& record, const QRectF& plot, const ov::AxisTicks& x,
              const ov::AxisTicks& y);
// Where a legend of this size goes, by the layout index; empty when the layout hides it. A corner
// layout is a preference: the legend takes the corner hiding the fewest of the curves' points (on the
// page), or goes beside the plot when every corner hides some and `mayGoBeside`.
QRectF LegendRect(const ChartRecord& record, const QRectF& plot, QSizeF size,
                  const std::vector<std::vector<QPointF>>& curves, bool mayGoBeside = true);

}  // namespace ovhost
