// The demo host's own drawing of X-Y-family chart glyphs from their record and data series: curves
// with their line style, colour and width, areas, bars, bubbles, stems, markers, a second Y axis for
// "X-Y#2" series, polar charts and the legend.
#pragma once

#include <ornivex/chart.h>

#include <QRectF>

class QPainter;

namespace ovhost {

// Draws the series of a chart into `plot` (the frame is the caller's). Nothing when it has none.
void DrawXYChart(QPainter& p, const ChartRecord& record, const OvHostList& series, const QRectF& plot);

}  // namespace ovhost
