// Drawing X-Y chart glyphs in the demo host.
#include "ChartRenderer.h"

#include "ChartDecorations.h"

#include "chart/ColourMap.h"
#include "chart/DataSeriesObject.h"
#include "chart/MarkerShapes.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace ovhost {
namespace {

constexpr float kWidthToPixels = 0.375f;

struct Range {
    double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
    void Add(QPointF p)
    {
        x0 = std::min(x0, p.x()), x1 = std::max(x1, p.x());
        y0 = std::min(y0, p.y()), y1 = std::max(y1, p.y());
    }
    bool Valid() const { return x1 >= x0 && y1 >= y0; }
    void Pad()
    {
        if (x1 == x0) x0 -= 1, x1 += 1;
        if (y1 == y0) y0 -= 1, y1 += 1;
    }
};

std::vector<const DataSeries*> SeriesOf(const OvHostList& list)
{
    std::vector<const DataSeries*> out;
    for (const OvHostListNode* n = list.head; n; n = n->next)
        out.push_back(static_cast<const DataSeries*>(n->data));
    return out;
}

// Data points of a series; polar charts turn (θ in degrees, ρ) into x and y.
std::vector<QPointF> PointsOf(const DataSeries& s, bool polar)
{
    std::vector<QPointF> points;
    if (!s.values || s.rows <= 0) return points;
    for (int r = 0; r < s.rows; ++r) {
        const double x = s.columns == 1 ? r : s.values[r];
        const double y = s.values[static_cast<size_t>(s.columns == 1 ? 0 : 1) * s.rows + r];
        points.emplace_back(
            polar ? QPointF(y * std::cos(qDegreesToRadians(x)), y * std::sin(qDegreesToRadians(x)))
                  : QPointF(x, y));
    }
    return points;
}

Qt::PenStyle PenStyleOf(int index)
{
    static const Qt::PenStyle kStyles[] = {Qt::NoPen,     Qt::SolidLine,   Qt::DashLine,
                                           Qt::DotLine,   Qt::DashDotLine, Qt::DashDotDotLine,
                                           Qt::SolidLine, Qt::DashLine,    Qt::DotLine};
    return index >= 0 && index < 9 ? kStyles[index] : Qt::SolidLine;
}

QPen PenOf(const LineFillStyle& style)
{
    QPen pen(QColor::fromRgba(style.colour[0]), std::max(0.5f, style.line_width * kWidthToPixels));
    pen.setStyle(PenStyleOf(style.line_style));
    return pen;
}

QBrush BrushOf(const LineFillStyle& style)
{
    return style.fill_style == 0 ? QBrush(Qt::NoBrush) : QBrush(QColor::fromRgba(style.colour[1]));
}

// A curve through the points; smooth curves use Catmull-Rom segments.
QPainterPath CurveThrough(const std::vector<QPointF>& pts, bool smooth)
{
    QPainterPath path(pts.front());
    for (size_t i = 1; i < pts.size(); ++i) {
        if (!smooth) {
            path.lineTo(pts[i]);
            continue;
        }
        const QPointF p0 = pts[i > 1 ? i - 2 : 0], p1 = pts[i - 1], p2 = pts[i];
        const QPointF p3 = pts[std::min(i + 1, pts.size() - 1)];
        path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
    }
    return path;
}

void DrawMarker(QPainter& p, const DataSeries& s, QPointF at)
{
    const ov::MarkerShape shape = ov::MarkerGeometry(s.marker_type);
    if (shape.kind == ov::MarkerKind::None) return;
    const double k = s.marker_size / 12.0;
    QPen pen = PenOf(s.marker_style);
    if (!s.stroke) pen = Qt::NoPen;
    p.setPen(shape.kind == ov::MarkerKind::Strokes ? QPen(QColor::fromRgba(s.marker_style.colour[0]), 1.5)
                                                   : pen);
    p.setBrush(BrushOf(s.marker_style));
    const double h = shape.size * k / 2;
    switch (shape.kind) {
    case ov::MarkerKind::Square: p.drawRect(QRectF(at.x() - h, at.y() - h, 2 * h, 2 * h)); break;
    case ov::MarkerKind::Circle: p.drawEllipse(at, h, h); break;
    case ov::MarkerKind::Polygon: {
        QPolygonF poly;
        for (const auto& m : shape.polygon) poly << at + QPointF(m.x * k, m.y * k);
        p.drawPolygon(poly);
        break;
    }
    default:
        for (const auto& [a, b] : shape.strokes)
            p.drawLine(at + QPointF(a.x * k, a.y * k), at + QPointF(b.x * k, b.y * k));
    }
}

void DrawSeries(QPainter& p, const DataSeries& s, const std::vector<QPointF>& pts, double baseline)
{
    const int type = ov::SeriesType(s);
    switch (type) {
    case 2: {  // area down to the baseline
        QPainterPath area = CurveThrough(pts, s.smooth != 0);
        area.lineTo(pts.back().x(), baseline);
        area.lineTo(pts.front().x(), baseline);
        area.closeSubpath();
        p.setPen(PenOf(s.curve_style));
        p.setBrush(BrushOf(s.curve_style));
        p.drawPath(area);
        return;
    }
    case 3:
        for (const QPointF& pt : pts) {
            p.setPen(PenOf(s.curve_style));
            p.setBrush(BrushOf(s.curve_style));
            const double w = s.bar_size * 2;
            p.drawRect(QRectF(QPointF(pt.x() - w / 2 + s.bar_offset, pt.y()),
                              QPointF(pt.x() + w / 2 + s.bar_offset, baseline)));
        }
        return;
    case 4: {
        ov::ColourMap map;
        map.ChooseControlColours(s.colour_map);
        map.SetRange(0, std::max<size_t>(pts.size() - 1, 1));
        for (size_t i = 0; i < pts.size(); ++i) {
            const double r =
                s.bubble_min + (s.bubble_max - s.bubble_min) * i / std::max<size_t>(pts.size() - 1, 1);
            p.setPen(PenOf(s.curve_style));
            p.setBrush(s.colour_map ? QColor::fromRgba(ov::ToArgb(map.ColourOf(double(i))))
                                    : QColor::fromRgba(s.curve_style.colour[1]));
            p.drawEllipse(pts[i], r, r);
        }
        return;
    }
    case 5:
        p.setPen(PenOf(s.curve_style));
        for (const QPointF& pt : pts) p.drawLine(pt, QPointF(pt.x(), baseline));
        return;
    default:
        p.setPen(PenOf(s.curve_style));
        p.setBrush(Qt::NoBrush);
        p.drawPath(CurveThrough(pts, s.smooth != 0 && pts.size() > 2));
        if (type == 0)
            for (const QPointF& pt : pts) DrawMarker(p, s, pt);
    }
}

std::vector<const DataSeries*> LegendEntries(const std::vector<const DataSeries*>& series)
{
    std::vector<const DataSeries*> shown;
    for (const DataSeries* s : series)
        if (!s->hidden_from_legend && ov::SeriesType(*s) != 5) shown.push_back(s);
    return shown;
}

QString NameOf(const DataSeries& s)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(s.name ? s.name : u""));
}

QString LegendTitle()
{
    return QCoreApplication::translate("ovhost::ChartRenderer", "Legend");
}

double LegendLine(const QFontMetricsF& metrics, const ChartRecord& record)
{
    return metrics.height() + std::clamp(static_cast<double>(record.legend_spacing), 0.0, 40.0);
}

// The legend box: a line sample and the name per series, under an optional title; empty when no
// series is listed or the layout hides the legend.
QSizeF LegendSize(const QPainter& p, const ChartRecord& record, const std::vector<const DataSeries*>& series)
{
    const std::vector<const DataSeries*> shown = LegendEntries(series);
    if (shown.empty() || (record.legend_flags & OV_LEGEND_LAYOUT_MASK) == 7) return {};
    const QFontMetricsF metrics(ChartFont(record, false), p.device());
    const bool title = (record.legend_flags & OV_LEGEND_SHOW_TITLE) != 0;
    double widest = title ? metrics.horizontalAdvance(LegendTitle()) - 26 : 0;
    for (const DataSeries* s : shown) widest = std::max(widest, metrics.horizontalAdvance(NameOf(*s)));
    const int rows = static_cast<int>(shown.size()) + (title ? 1 : 0);
    return {std::ceil(widest) + 32, LegendLine(metrics, record) * rows + 6};
}

void DrawLegend(QPainter& p, const ChartRecord& record, const std::vector<const DataSeries*>& series,
                const QRectF& plot, const std::vector<std::vector<QPointF>>& curves, bool mayGoBeside)
{
    const QSizeF size = LegendSize(p, record, series);
    if (size.isEmpty()) return;
    const QRectF box = LegendRect(record, plot, size, curves, mayGoBeside);
    if (box.isEmpty()) return;
    p.setFont(ChartFont(record, false));
    const double line = LegendLine(QFontMetricsF(p.font(), p.device()), record);
    const LineFillStyle& style = record.legend_style;
    p.setPen(style.line_style ? StylePen(style) : QPen(QColor(120, 120, 120)));
    p.setBrush(style.fill_style ? StyleBrush(style) : QBrush(QColor(255, 255, 255, 220)));
    p.drawRect(box);
    double y = box.top() + 3 + line / 2;
    if ((record.legend_flags & OV_LEGEND_SHOW_TITLE) != 0) {
        p.setPen(Qt::black);
        p.drawText(QRectF(box.left(), y - line / 2, box.width(), line), Qt::AlignCenter, LegendTitle());
        y += line;
    }
    for (const DataSeries* s : LegendEntries(series)) {
        p.setPen(PenOf(s->curve_style));
        p.drawLine(QPointF(box.left() + 4, y), QPointF(box.left() + 22, y));
        p.setPen(Qt::black);
        p.drawText(QRectF(box.left() + 26, y - line / 2, box.width() - 28, line),
                   Qt::AlignVCenter | Qt::AlignLeft, NameOf(*s));
        y += line;
    }
}

// Typed axis ranges replace the data ranges of the coordinate systems that have data; `fixed` says
// which axes of the first system were typed.
void ApplyFixedRanges(const ChartRecord& record, std::array<Range, 3>& ranges, bool fixed[2])
{
    fixed[0] = fixed[1] = false;
    for (int system = 0; system < 3; ++system) {
        Range& range = ranges[static_cast<size_t>(system)];
        if (!range.Valid()) continue;
        AxisSpan span;
        if (FixedAxisRange(record, OV_AXIS_X, span)) {
            range.x0 = span.lo, range.x1 = span.hi;
            if (system == 0) fixed[0] = true;
        }
        if (FixedAxisRange(record, system == 0 ? OV_AXIS_Y : system + 1, span)) {
            range.y0 = span.lo, range.y1 = span.hi;
            if (system == 0) fixed[1] = true;
        }
    }
}

// Where everything of an X-Y or polar chart lands inside one plot rectangle.
struct ChartLayout {
    QRectF plot;
    std::array<Range, 3> ranges;  // one per coordinate system, widened to round ticks
    ov::AxisTicks xTicks, yTicks;
    std::vector<std::vector<QPointF>> curves;  // each series' points on the page; empty when not drawn
};

QRectF PolarSquare(const QRectF& plot)
{
    const double d = std::min(plot.width(), plot.height());
    return {plot.center().x() - d / 2, plot.center().y() - d / 2, d, d};
}

ChartLayout LayOut(const QPainter& p, const ChartRecord& record, const std::vector<const DataSeries*>& series,
                   const std::vector<std::vector<QPointF>>& points, const QRectF& plot)
{
    const bool polar = record.kind == 4;
    ChartLayout layout;
    layout.plot = plot;
    auto& ranges = layout.ranges;
    for (size_t i = 0; i < series.size(); ++i)
        for (const QPointF& pt : points[i])
            ranges[static_cast<size_t>(std::min(ov::SeriesSystem(*series[i]), 2))].Add(pt);
    if (polar) {  // one square range around the pole
        double r = 0;
        for (const auto& pts : points)
            for (const QPointF& pt : pts) r = std::max({r, std::abs(pt.x()), std::abs(pt.y())});
        ranges[0] = {-r, r, -r, r};
    } else {
        bool fixed[2];
        ApplyFixedRanges(record, ranges, fixed);
        if (ranges[0].Valid()) {  // the first system's axes take round ticks and widen to them
            layout.xTicks =
                AxisTicksFor(p, record, {ranges[0].x0, ranges[0].x1}, plot.width(), false, fixed[0]);
            layout.yTicks =
                AxisTicksFor(p, record, {ranges[0].y0, ranges[0].y1}, plot.height(), true, fixed[1]);
            if (!layout.xTicks.ticks.empty())
                ranges[0].x0 = layout.xTicks.low, ranges[0].x1 = layout.xTicks.high;
            if (!layout.yTicks.ticks.empty())
                ranges[0].y0 = layout.yTicks.low, ranges[0].y1 = layout.yTicks.high;
        }
    }
    const QRectF area = polar ? PolarSquare(plot) : plot;
    for (size_t i = 0; i < series.size(); ++i) {
        layout.curves.emplace_back();
        Range range = ranges[static_cast<size_t>(std::min(ov::SeriesSystem(*series[i]), 2))];
        if (points[i].empty() || !range.Valid()) continue;
        range.Pad();
        for (const QPointF& v : points[i])
            layout.curves.back().emplace_back(
                area.left() + (v.x() - range.x0) / (range.x1 - range.x0) * area.width(),
                area.bottom() - (v.y() - range.y0) / (range.y1 - range.y0) * area.height());
    }
    return layout;
}

void DrawPolarGrid(QPainter& p, const QRectF& plot)
{
    const QRectF square = PolarSquare(plot);
    const double d = square.width();
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 3; ++ring) p.drawEllipse(square.center(), d / 2 * ring / 3, d / 2 * ring / 3);
    p.drawLine(QPointF(square.left(), square.center().y()), QPointF(square.right(), square.center().y()));
    p.drawLine(QPointF(square.center().x(), square.top()), QPointF(square.center().x(), square.bottom()));
}

}  // namespace

void DrawXYChart(QPainter& p, const ChartRecord& record, const OvHostList& list, const QRectF& plot)
{
    const std::vector<const DataSeries*> series = SeriesOf(list);
    const bool polar = record.kind == 4;
    std::vector<std::vector<QPointF>> points;
    points.reserve(series.size());
    for (const DataSeries* s : series) points.push_back(PointsOf(*s, polar));
    ChartLayout layout = LayOut(p, record, series, points, plot);
    // A legend that would hide data in every corner gets a strip of its own beside the plot, as long as
    // the plot keeps most of its width; otherwise it stays in the corner hiding the fewest points.
    const QSizeF legend = LegendSize(p, record, series);
    const bool roomBeside = legend.width() + 8 < plot.width() / 3;
    if (!legend.isEmpty() && LegendRect(record, plot, legend, layout.curves).left() > plot.right())
        layout =
            LayOut(p, record, series, points, plot.adjusted(0, 0, roomBeside ? -(legend.width() + 8) : 0, 0));
    const QRectF& area = layout.plot;
    const Range& first = layout.ranges[0];
    if (polar) DrawPolarGrid(p, area);
    if (!polar) {
        DrawPlotArea(p, record, area, layout.xTicks, layout.yTicks);
        p.save();
        p.setClipRect(area.adjusted(-8, -8, 8, 8));  // markers on the edge stay whole
    }
    for (size_t i = 0; i < series.size(); ++i) {
        const std::vector<QPointF>& onPage = layout.curves[i];
        if (onPage.empty()) continue;
        Range range = layout.ranges[static_cast<size_t>(std::min(ov::SeriesSystem(*series[i]), 2))];
        range.Pad();
        const double zero = std::clamp(0.0, range.y0, range.y1);
        const QRectF box = polar ? PolarSquare(area) : area;
        const double baseline = box.bottom() - (zero - range.y0) / (range.y1 - range.y0) * box.height();
        DrawSeries(p, *series[i], onPage, baseline);
    }
    if (!polar) {
        p.restore();
        if (first.Valid()) DrawAxes(p, record, area, layout.xTicks, layout.yTicks);
    }
    if (layout.ranges[1].Valid()) {  // the second Y axis on the right
        p.setPen(QPen(QColor::fromRgba(record.axes[OV_AXIS_Y2].colour | 0xff000000u), 1.5));
        p.drawLine(area.topRight(), area.bottomRight());
    }
    DrawLegend(p, record, series, area, layout.curves, roomBeside);
}

}  // namespace ovhost
