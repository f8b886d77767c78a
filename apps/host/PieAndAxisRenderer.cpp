// Drawing of the pie chart and number axis glyphs.
#include "PieAndAxisRenderer.h"

#include "ChartDecorations.h"
#include "chart/PieSlices.h"

#include <QPainter>

#include <cmath>
#include <numbers>
#include <vector>

namespace ovhost {
namespace {

QString SliceName(const PieSlice& s)
{
    return s.name ? QString::fromUtf16(reinterpret_cast<const char16_t*>(s.name)) : QString();
}

// Label content: 0 none, 1 name, 2 value, 3 percent, 4 name and value, 5 name and percent; format: 0
// shortest, 1 ... 4 with 0 ... 3 decimals.
QString SliceLabel(const ChartRecord& record, const PieSlice& s, double total)
{
    const int decimals = record.pie_label_format - 1;
    auto number = [&](double v) {
        return decimals < 0 ? QString::number(v, 'g', 6) : QString::number(v, 'f', decimals);
    };
    QString value = number(s.value);
    QString percent = number(total > 0 ? 100.0 * s.value / total : 0) + QLatin1Char('%');
    switch (record.pie_label_content) {
    case 1: return SliceName(s);
    case 2: return value;
    case 3: return percent;
    case 4: return SliceName(s) + QLatin1Char(' ') + value;
    case 5: return SliceName(s) + QLatin1Char(' ') + percent;
    default: return {};
    }
}

QSizeF PieLegendSize(QPainter& p, const std::vector<const PieSlice*>& shown)
{
    double width = 0;
    for (const PieSlice* s : shown)
        width = std::max(width, double(p.fontMetrics().horizontalAdvance(SliceName(*s))));
    return {width + 28, p.fontMetrics().height() * static_cast<double>(shown.size()) + 6};
}

// The legend stands right of the pie, so it never covers a slice.
void DrawPieLegend(QPainter& p, const std::vector<const PieSlice*>& shown, const QRectF& box)
{
    const double line = p.fontMetrics().height();
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawRect(box);
    double y = box.top() + 3;
    for (const PieSlice* s : shown) {
        p.setPen(StylePen(s->style));
        p.setBrush(StyleBrush(s->style));
        p.drawRect(QRectF(box.left() + 4, y + line * 0.2, 14, line * 0.6));
        p.setPen(Qt::black);
        p.drawText(QRectF(box.left() + 22, y, box.width() - 24, line), Qt::AlignVCenter | Qt::AlignLeft,
                   SliceName(*s));
        y += line;
    }
}

}  // namespace

void DrawPieChart(QPainter& p, const ChartRecord& record, const OvHostList& slices, const QRectF& plot)
{
    std::vector<const PieSlice*> shown;
    double total = 0;
    for (const PieSlice* s : ov::SliceList(&slices)) {
        if (!s || (s->flags & OV_SLICE_EXCLUDED) || !(s->value > 0) || !std::isfinite(s->value)) continue;
        shown.push_back(s);
        total += s->value;
    }
    p.setFont(ChartFont(record, false));
    const bool legend = !shown.empty() && (record.legend_flags & OV_LEGEND_LAYOUT_MASK) != 7;
    const QSizeF legendSize = legend ? PieLegendSize(p, shown) : QSizeF();
    const QRectF area = legend ? plot.adjusted(0, 0, -(legendSize.width() + 6), 0) : plot;
    const double d = std::min(area.width(), area.height()) * 0.84;  // room for ejected slices
    const QRectF pie(area.center().x() - d / 2, area.center().y() - d / 2, d, d);
    double start = 90;  // degrees, counter-clockwise from three o'clock; slices run clockwise
    for (const PieSlice* s : shown) {
        const double span = 360.0 * s->value / total;
        const double middle = (start - span / 2) * std::numbers::pi / 180;
        const QPointF out(std::cos(middle), -std::sin(middle));
        const QRectF at = (s->flags & OV_SLICE_EJECT) ? pie.translated(out * d * 0.08) : pie;
        p.setPen(StylePen(s->style));
        p.setBrush(StyleBrush(s->style));
        p.drawPie(at, static_cast<int>(std::lround(start * 16)), -static_cast<int>(std::lround(span * 16)));
        const QString label = SliceLabel(record, *s, total);
        if (!label.isEmpty()) {
            const QPointF c = at.center() + out * d * 0.32;
            p.setPen(Qt::black);
            p.drawText(QRectF(c.x() - 60, c.y() - 10, 120, 20), Qt::AlignCenter, label);
        }
        start -= span;
    }
    if (legend)
        DrawPieLegend(
            p, shown,
            QRectF(QPointF(area.right() + 6, plot.center().y() - legendSize.height() / 2), legendSize));
}

void DrawNumberAxis(QPainter& p, const ChartRecord& record, const QRectF& plot)
{
    const AxisRecord& axis = record.axes[OV_AXIS_X];
    const bool typed = axis.range_max > axis.range_min;
    const AxisSpan span = typed ? AxisSpan{axis.range_min, axis.range_max} : AxisSpan{0, 10};
    const ov::AxisTicks ticks = AxisTicksFor(p, record, span, plot.width(), false, typed);
    const double y = plot.center().y();
    p.setFont(ChartFont(record, false));
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    const double range = ticks.high - ticks.low;
    if (ticks.ticks.empty() || !(range > 0)) return;
    const double text = p.fontMetrics().height();
    for (const ov::AxisTick& t : ticks.ticks) {
        const double x = plot.left() + plot.width() * (t.value - ticks.low) / range;
        p.drawLine(QPointF(x, y - 6), QPointF(x, y));
        p.drawText(QRectF(x - 60, y + 4, 120, text), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromStdString(t.label));
    }
    const QString title = QString::fromUtf16(reinterpret_cast<const char16_t*>(axis.title));
    if (!title.isEmpty())
        p.drawText(QRectF(plot.left(), y + text + 8, plot.width(), text), Qt::AlignCenter, title);
}

}  // namespace ovhost
