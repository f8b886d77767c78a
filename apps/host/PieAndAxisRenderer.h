// The demo host's pie chart and number axis glyphs, drawn from what their sheets edit: the pie from
// its slice list (values, excluded and ejected slices, each slice's style, labels by the record's
// label content and format, the legend), the number axis from its record (range, ticks, title).
#pragma once

#include <ornivex/chart.h>
#include <ornivex/hostlist.h>

#include <QRectF>

class QPainter;

namespace ovhost {

void DrawPieChart(QPainter& p, const ChartRecord& record, const OvHostList& slices, const QRectF& plot);
void DrawNumberAxis(QPainter& p, const ChartRecord& record, const QRectF& plot);

}  // namespace ovhost
