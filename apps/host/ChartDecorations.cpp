// Caption, border, grid, axes and legend placement of the demo host's chart glyphs.
#include "ChartDecorations.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace ovhost {
namespace {

constexpr float kWidthToPixels = 0.375f;

QColor TextColour(const ChartRecord& r)
{
    return (r.text_colour >> 24) == 0 ? QColor(Qt::black) : QColor::fromRgba(r.text_colour);
}

QString Text16(const ov_char16* text)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text));
}

// Tick style 1 inside, 2 outside, 3 across the axis; `inward` points into the plot.
void DrawTick(QPainter& p, QPointF at, QPointF inward, int style, double length)
{
    if (style <= 0 || style > 3) return;
    const QPointF in = style == 2 ? QPointF() : inward * length;
    const QPointF out = style == 1 ? QPointF() : -inward * length;
    p.drawLine(at + out, at + in);
}

QString LabelText(double v, int style)
{
    switch (style) {
    case 1: return QString::number(v, 'f', 0);
    case 2: return QString::number(v, 'f', 1);
    case 3: return QString::number(v, 'f', 2);
    case 4: return QString::number(v, 'e', 1);
    case 5: return QString::number(v * 100, 'g', 3) + QLatin1Char('%');
    case 6: return {};
    default: return QString::number(v, 'g', 3);
    }
}

struct TickMark {
    double fraction;  // 0 at the start of the axis, 1 at its end
    bool major;
    const std::string* label;  // major ticks only
};

// Major ticks at the chosen values and, when asked, minor ticks between them (halves of a 2 step,
// fifths of the others).
std::vector<TickMark> TickMarks(const ov::AxisTicks& t, bool minor)
{
    std::vector<TickMark> marks;
    const double span = t.high - t.low;
    if (t.ticks.size() < 2 || !(span > 0)) return marks;
    const double step = t.ticks[1].value - t.ticks[0].value;
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const int parts = std::abs(mantissa - 2) < 1e-9 ? 4 : 5;
    for (std::size_t i = 0; i < t.ticks.size(); ++i) {
        marks.push_back({(t.ticks[i].value - t.low) / span, true, &t.ticks[i].label});
        if (!minor || i + 1 == t.ticks.size()) continue;
        for (int k = 1; k < parts; ++k)
            marks.push_back({(t.ticks[i].value + step * k / parts - t.low) / span, false, nullptr});
    }
    return marks;
}

// Border style 1 frame, 2 frame with a shadow, 3 rounded frame, in the frame style.
void DrawBorder(QPainter& p, const ChartRecord& record, const QRectF& glyph)
{
    QPen pen = StylePen(record.frame_style);
    if (pen.style() == Qt::NoPen) pen = QPen(QColor(90, 90, 90), 1);
    const QRectF box = glyph.adjusted(2, 2, -2, -2);
    if (record.border_style == 2) p.fillRect(box.translated(4, 4), QColor(0, 0, 0, 60));
    p.setPen(pen);
    p.setBrush(StyleBrush(record.frame_style).style() == Qt::NoBrush ? QBrush(Qt::white)
                                                                     : StyleBrush(record.frame_style));
    if (record.border_style == 3)
        p.drawRoundedRect(box, 10, 10);
    else
        p.drawRect(box);
}

}  // namespace

QFont ChartFont(const ChartRecord& record, bool title)
{
    QFont font;
    const QString face = Text16(record.font_face);
    if (!face.isEmpty()) font.setFamily(face);
    const double size = record.font_size >= 2 && record.font_size <= 240 ? record.font_size : 9.0;
    font.setPointSizeF(title && (record.title_flags & OV_TITLE_LARGER) ? size * 1.5 : size);
    font.setBold(title && (record.title_flags & OV_TITLE_BOLD));
    return font;
}

QPen StylePen(const LineFillStyle& style)
{
    if (style.line_style == 0) return Qt::NoPen;
    static const Qt::PenStyle kStyles[] = {Qt::NoPen,     Qt::SolidLine,   Qt::DashLine,
                                           Qt::DotLine,   Qt::DashDotLine, Qt::DashDotDotLine,
                                           Qt::SolidLine, Qt::DashLine,    Qt::DotLine};
    QPen pen(QColor::fromRgba(style.colour[0]), std::max(0.5f, style.line_width * kWidthToPixels));
    pen.setStyle(style.line_style < 9 ? kStyles[style.line_style] : Qt::SolidLine);
    return pen;
}

QBrush StyleBrush(const LineFillStyle& style)
{
    if (style.fill_style == 0) return Qt::NoBrush;
    if (style.fill_style == 1) return QColor::fromRgba(style.colour[1]);
    if (style.fill_style >= 55) return QColor::fromRgba(style.colour[2]);
    return QBrush(QColor::fromRgba(style.colour[1]), Qt::BDiagPattern);
}

bool FixedAxisRange(const ChartRecord& record, int axis, AxisSpan& span)
{
    const AxisRecord& a = record.axes[axis];
    const bool autoRange = record.kind != 1 && a.shown != 0 && axis < OV_AXIS_Y2;
    if (autoRange || !(a.range_max > a.range_min)) return false;
    span = {a.range_min, a.range_max};
    return true;
}

bool AxisHidden(const ChartRecord& record, int axis)
{
    return record.kind == 1 && record.axes[axis].shown == 0;
}

void DrawChartFrame(QPainter& p, const ChartRecord& record, const QRectF& glyph, const QRectF& plot)
{
    if (record.kind != 1 && record.border_style != 0) DrawBorder(p, record, glyph);
    const QString caption = Text16(record.caption);
    if (caption.isEmpty()) return;
    p.setFont(ChartFont(record, true));
    p.setPen(TextColour(record));
    p.drawText(QRectF(glyph.left(), glyph.top(), glyph.width(), plot.top() - glyph.top()), Qt::AlignCenter,
               caption);
}
void DrawPlotArea(QPainter& p, const ChartRecord& record, const QRectF& plot, const ov::AxisTicks& x,
                  const ov::AxisTicks& y)
{
    p.setPen(StylePen(record.plot_style));
    p.setBrush(StyleBrush(record.plot_style));
    p.drawRect(plot);
    const int grid = record.kind == 7 || record.kind == 8 ? 0 : record.grid_style;
    if (grid == 0) return;
    const bool vertical = grid != 3, horizontal = grid != 4;
    for (const TickMark& t : TickMarks(x, grid == 2)) {
        if (!vertical || t.fraction <= 0 || t.fraction >= 1) continue;
        const int shade = t.major ? 190 : 225;
        p.setPen(QPen(QColor(shade, shade, shade), 1, Qt::DashLine));
        const double fx = plot.left() + plot.width() * t.fraction;
        p.drawLine(QPointF(fx, plot.top()), QPointF(fx, plot.bottom()));
    }
    for (const TickMark& t : TickMarks(y, grid == 2)) {
        if (!horizontal || t.fraction <= 0 || t.fraction >= 1) continue;
        const int shade = t.major ? 190 : 225;
        p.setPen(QPen(QColor(shade, shade, shade), 1, Qt::DashLine));
        const double fy = plot.bottom() - plot.height() * t.fraction;
        p.drawLine(QPointF(plot.left(), fy), QPointF(plot.right(), fy));
    }
}

ov::AxisTicks AxisTicksFor(const QPainter& p, const ChartRecord& record, AxisSpan data, double length,
                           bool vertical, bool fixed)
{
    const QFontMetricsF metrics(ChartFont(record, false), p.device());
    ov::AxisRequest request;
    request.from = data.lo;
    request.to = data.hi;
    request.length = length;
    request.labelWidth = [&](const std::string& label) {
        return vertical ? metrics.height() : metrics.horizontalAdvance(QString::fromStdString(label));
    };
    ov::AxisTicks ticks = ov::ChooseAxisTicks(request);
    if (!fixed || ticks.ticks.empty()) return ticks;
    // A typed range is shown as typed: only the ticks inside it stay.
    std::erase_if(ticks.ticks, [&](const ov::AxisTick& t) {
        return t.value < std::min(data.lo, data.hi) - 1e-12 || t.value > std::max(data.lo, data.hi) + 1e-12;
    });
    ticks.low = std::min(data.lo, data.hi);
    ticks.high = std::max(data.lo, data.hi);
    return ticks;
}

void DrawAxes(QPainter& p, const ChartRecord& record, const QRectF& plot, const ov::AxisTicks& x,
              const ov::AxisTicks& y)
{
    p.setFont(ChartFont(record, false));
    const double text = p.fontMetrics().height();
    const bool box = record.kind == 1 && record.border_style == 0;
    struct Axis {
        int index;
        QPointF from, to, inward;
        const ov::AxisTicks& ticks;
    } axes[] = {{OV_AXIS_X, plot.bottomLeft(), plot.bottomRight(), {0, -1}, x},
                {OV_AXIS_Y, plot.bottomLeft(), plot.topLeft(), {1, 0}, y}};
    double widestY = 0;
    for (const Axis& a : axes) {
        if (AxisHidden(record, a.index)) continue;
        const AxisRecord& rec = record.axes[a.index];
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.drawLine(a.from, a.to);
        for (const TickMark& t : TickMarks(a.ticks, true)) {
            const QPointF at = a.from + (a.to - a.from) * t.fraction;
            DrawTick(p, at, a.inward, t.major ? record.major_tick_style : record.minor_tick_style,
                     t.major ? 6 : 3);
            if (!t.major) continue;
            const double value = a.ticks.low + (a.ticks.high - a.ticks.low) * t.fraction;
            const QString label =
                rec.label_style == 0 ? QString::fromStdString(*t.label) : LabelText(value, rec.label_style);
            p.setPen(TextColour(record));
            if (a.index == OV_AXIS_X) {
                p.drawText(QRectF(at.x() - 60, at.y() + 7, 120, text), Qt::AlignHCenter | Qt::AlignVCenter,
                           label);
            } else {
                widestY = std::max(widestY, double(p.fontMetrics().horizontalAdvance(label)));
                p.drawText(QRectF(at.x() - 128, at.y() - text / 2, 120, text),
                           Qt::AlignRight | Qt::AlignVCenter, label);
            }
            p.setPen(QPen(QColor(40, 40, 40), 1.2));
        }
        const QString title = Text16(rec.title);
        if (title.isEmpty()) continue;
        p.setPen(TextColour(record));
        if (a.index == OV_AXIS_X) {
            p.drawText(QRectF(plot.left(), plot.bottom() + text + 8, plot.width(), text), Qt::AlignCenter,
                       title);
        } else {
            // Left of the widest tick label, so the title never runs into the numbers.
            p.save();
            p.translate(plot.left() - 12 - widestY - 4, plot.center().y());
            p.rotate(-90);
            p.drawText(QRectF(-plot.height() / 2, -text, plot.height(), text), Qt::AlignCenter, title);
            p.restore();
        }
    }
    if (box) {
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.drawLine(plot.topLeft(), plot.topRight());
        p.drawLine(plot.topRight(), plot.bottomRight());
    }
}

namespace {

QRectF CornerRect(int corner, const QRectF& plot, QSizeF size)
{
    const double m = 4;
    const double left = corner == 1 || corner == 3 ? plot.left() + m : plot.right() - size.width() - m;
    const double top = corner <= 1 ? plot.top() + m : plot.bottom() - size.height() - m;
    return {QPointF(left, top), size};
}

// Points of the curves a box would hide: the points themselves and the lines between them, sampled
// every few pixels.
int CoveredPoints(const QRectF& box, const std::vector<std::vector<QPointF>>& curves)
{
    int covered = 0;
    for (const std::vector<QPointF>& curve : curves) {
        for (size_t i = 0; i < curve.size(); ++i) {
            covered += box.contains(curve[i]) ? 1 : 0;
            if (i == 0) continue;
            const QPointF step = curve[i] - curve[i - 1];
            const int samples = std::min(1000, static_cast<int>(std::hypot(step.x(), step.y()) / 3));
            for (int k = 1; k < samples; ++k)
                covered += box.contains(curve[i - 1] + step * k / samples) ? 1 : 0;
        }
    }
    return covered;
}

}  // namespace

QRectF LegendRect(const ChartRecord& record, const QRectF& plot, QSizeF size,
                  const std::vector<std::vector<QPointF>>& curves, bool mayGoBeside)
{
    const int layout = record.legend_flags & OV_LEGEND_LAYOUT_MASK;
    switch (layout) {
    case 4: return {QPointF(plot.right() + 4, plot.center().y() - size.height() / 2), size};
    case 5: return {QPointF(plot.center().x() - size.width() / 2, plot.top() + 4), size};
    case 6: return {QPointF(plot.center().x() - size.width() / 2, plot.bottom() - size.height() - 4), size};
    case 7: return {};
    default: break;
    }
    // A corner layout names the preferred corner; the legend moves to the corner hiding the fewest
    // data, or beside the plot when every corner hides some and it may go there.
    const int preferred = layout <= 3 ? layout : 0;
    int best = preferred;
    int fewest = CoveredPoints(CornerRect(preferred, plot, size), curves);
    for (int corner = 0; corner < 4 && fewest > 0; ++corner) {
        const int covered = CoveredPoints(CornerRect(corner, plot, size), curves);
        if (covered < fewest) best = corner, fewest = covered;
    }
    if (fewest > 0 && mayGoBeside) return {QPointF(plot.right() + 4, plot.top()), size};
    return CornerRect(best, plot, size);
}

}  // namespace ovhost
