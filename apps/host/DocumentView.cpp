// Drawing and picking on the demo host's page.
#include "DocumentView.h"

#include "PieAndAxisRenderer.h"

#include "ChartDecorations.h"
#include "ChartRenderer.h"
#include "ModelRenderer.h"
#include "paths/PathPainter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace ovhost {

DocumentView::DocumentView(HostDocument& document, QWidget* parent) : QWidget(parent), document_(document)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 240);
}

QRectF DocumentView::PageRect() const
{
    return QRectF(rect()).adjusted(16, 16, -16, -16);
}

QRectF DocumentView::GlyphRect(int index) const
{
    const QRectF page = PageRect().adjusted(20, 20, -20 - PageRect().width() / 4, -20);
    const int rows = (static_cast<int>(document_.Glyphs().size()) + 1) / 2;
    const qreal w = page.width() / 2, h = page.height() / std::max(rows, 1);
    const int column = index % 2, row = index / 2;  // two glyphs per row
    return QRectF(page.left() + column * w, page.top() + row * h, w, h).adjusted(10, 10, -10, -10);
}

QRectF DocumentView::BitmapRect() const
{
    const QRectF page = PageRect();
    const QRectF column(page.right() - page.width() / 4 - 20, page.top() + 30, page.width() / 4,
                        page.height() - 60);
    const QImage& image = document_.Bitmap().image;
    if (image.isNull()) return column;
    const QSizeF fitted = QSizeF(image.size()).scaled(column.size(), Qt::KeepAspectRatio);
    return QRectF(column.topLeft(), fitted);
}

void DocumentView::DrawBitmap(QPainter& p) const
{
    const BitmapGlyph& bitmap = document_.Bitmap();
    if (bitmap.image.isNull()) return;
    const QRectF r = BitmapRect();
    p.drawImage(r, bitmap.image);
    p.setPen(Qt::black);
    p.drawText(r.adjusted(0, -20, 0, 0), Qt::AlignHCenter | Qt::AlignTop, tr("Bitmap"));
    const qreal scale = r.width() / bitmap.image.width();
    const QPointF seed(r.left() + bitmap.seedX * r.width(), r.top() + bitmap.seedY * r.height());
    p.setPen(QPen(Qt::red, 1.5));
    p.drawLine(seed - QPointF(5, 0), seed + QPointF(5, 0));
    p.drawLine(seed - QPointF(0, 5), seed + QPointF(0, 5));
    const OvPathData& traced = document_.TracedPath();
    if (traced.count <= 0) return;
    ov::PathObject path;
    path.SetData({traced.points, static_cast<size_t>(traced.count)},
                 {traced.types, static_cast<size_t>(traced.count)});
    p.save();
    p.translate(r.topLeft());
    p.scale(scale, scale);
    p.translate(-1, -1);  // traced outlines are in the bitmap's pixels + 1
    p.setPen(QPen(QColor(200, 0, 0), 2 / scale));
    p.setBrush(QColor(255, 200, 0, 90));
    p.drawPath(ov::ToPainterPath(path));
    p.restore();
}

int DocumentView::GlyphAt(QPointF p) const
{
    for (int i = 0; i < static_cast<int>(document_.Glyphs().size()); ++i)
        if (GlyphRect(i).contains(p)) return i;
    return -1;
}

namespace {

// Curves of every imported table: column 0 against each other column, all in one shared range.
void DrawTables(QPainter& p, const std::vector<ImportedTable>& tables, const QRectF& plot, QColor first)
{
    double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
    for (const ImportedTable& t : tables)
        for (int r = 0; r < t.rows && t.cols > 1; ++r) {
            x0 = std::min(x0, t.At(0, r)), x1 = std::max(x1, t.At(0, r));
            for (int c = 1; c < t.cols; ++c) y0 = std::min(y0, t.At(c, r)), y1 = std::max(y1, t.At(c, r));
        }
    if (!(x1 > x0) || !(y1 >= y0)) return;
    if (y1 == y0) y0 -= 1, y1 += 1;
    const QColor colours[] = {first, QColor(214, 39, 40), QColor(44, 160, 44), QColor(255, 127, 14)};
    int colour = 0;
    for (const ImportedTable& t : tables) {
        for (int c = 1; c < t.cols; ++c) {
            QPainterPath curve;
            for (int r = 0; r < t.rows; ++r) {
                const QPointF pt(plot.left() + (t.At(0, r) - x0) / (x1 - x0) * plot.width(),
                                 plot.bottom() - (t.At(c, r) - y0) / (y1 - y0) * plot.height());
                r ? curve.lineTo(pt) : curve.moveTo(pt);
            }
            p.setPen(QPen(colours[colour++ % 4], 1.5));
            p.drawPath(curve);
        }
    }
}

}  // namespace

void DocumentView::DrawGlyph(QPainter& p, const ChartGlyph& glyph, const QRectF& r) const
{
    const QRectF plot = r.adjusted(34, 26, -14, -30);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::NoBrush);
    switch (glyph.kind) {
    case GlyphKind::PieChart: DrawPieChart(p, glyph.record, glyph.series, plot); break;
    case GlyphKind::NumberAxis: DrawNumberAxis(p, glyph.record, plot); break;
    default: {
        if (glyph.object3d.items.count > 0 && glyph.object3d.view_width >= 1) {
            // The library projected the model and sorted it back to front: drawn as it stands.
            Draw3DModel(p, glyph.record, glyph.object3d, plot);
            break;
        }
        if (glyph.series.count > 0) {
            DrawChartFrame(p, glyph.record, r, plot);
            DrawXYChart(p, glyph.record, glyph.series, plot);
        } else {
            p.drawRect(plot);
        }
        if (!glyph.tables.empty()) {
            DrawTables(p, glyph.tables, plot, QColor::fromRgba(document_.CurveColour()));
            break;
        }
        if (glyph.series.count > 0) break;
        QPainterPath curve;
        for (int i = 0; i <= 60; ++i) {
            const qreal t = i / 60.0;
            const qreal v = glyph.kind == GlyphKind::Surface ? std::exp(-4 * (t - 0.5) * (t - 0.5))
                                                             : 0.5 + 0.4 * std::sin(t * 2 * M_PI);
            const QPointF pt(plot.left() + t * plot.width(), plot.bottom() - v * plot.height());
            i ? curve.lineTo(pt) : curve.moveTo(pt);
        }
        p.setPen(QPen(QColor(31, 119, 180), 2));
        p.drawPath(curve);
    }
    }
    p.setFont(font());
    p.setPen(Qt::black);
    if (glyph.series.count == 0 || glyph.record.caption[0] == 0)  // a caption takes the name's place
        p.drawText(r.adjusted(0, 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop, glyph.name);
}

void DocumentView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Mid));
    DrawPageSettings(p);
    for (int i = 0; i < static_cast<int>(document_.Glyphs().size()); ++i) {
        const QRectF r = GlyphRect(i);
        DrawGlyph(p, *document_.Glyphs()[static_cast<size_t>(i)], r);
        if (i == current_) {
            p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
        }
    }
    DrawBitmap(p);
    DrawPaths(p);
    DrawMagnets(p);
    DrawAnimatedGlyph(p);
}

// The page as the system properties set it: background colour, the grid in the second colour every
// "number" millimetres (shown at 4 px per mm), and the centre cross unless it is switched off.
void DocumentView::DrawPageSettings(QPainter& p) const
{
    const SystemSettings& s = document_.Settings();
    auto colour = [](uint32_t colorRef) {
        return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
    };
    const QRectF page = PageRect();
    p.fillRect(page, colour(s.background_colour));
    if ((s.option_flags & OV_OPTION_GRID) != 0 && s.second_value >= 1 && s.second_value <= 200) {
        p.setPen(QPen(colour(s.second_colour), 0));
        const double step = 4.0 * static_cast<double>(s.second_value);
        for (double x = page.left(); x <= page.right(); x += step)
            p.drawLine(QPointF(x, page.top()), QPointF(x, page.bottom()));
        for (double y = page.top(); y <= page.bottom(); y += step)
            p.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    }
    if ((s.option_flags & OV_OPTION_NO_CENTER_CROSS) == 0) {
        p.setPen(QPen(QColor(0xd6, 0x27, 0x28), 1));
        const QPointF c = page.center();
        p.drawLine(c - QPointF(10, 0), c + QPointF(10, 0));
        p.drawLine(c - QPointF(0, 10), c + QPointF(0, 10));
    }
}

// The animated glyph at the picked row of its series: columns 0 and 1 are its position in the magnets'
// units, y up, from the magnet record's origin (the way a series from a magnet holds positions).
void DocumentView::DrawAnimatedGlyph(QPainter& p) const
{
    const SelectionRecord& pick = document_.AnimatedPosition();
    const TimeSeries* series = nullptr;
    for (const OvHostListNode* n = document_.TimeSeries().head; n; n = n->next) {
        const auto* s = static_cast<const TimeSeries*>(n->data);
        if (s && s->id == pick.series_id) series = s;
    }
    if (!series || !series->values || series->columns < 1 || pick.row < 0 || pick.row >= series->rows) return;
    const double x = series->values[pick.row];
    const double y = series->columns > 1 ? series->values[series->rows + pick.row] : 0.0;
    const MagnetRecord& m = document_.Magnets();
    const QPointF at = PageRect().topLeft() + QPointF(m.origin_x + x * m.scale, m.origin_y - y * m.scale);
    const QPointF diamond[] = {at + QPointF(0, -8), at + QPointF(8, 0), at + QPointF(0, 8),
                               at + QPointF(-8, 0)};
    p.setPen(QPen(QColor(0xff, 0x7f, 0x0e), 1.5));
    p.setBrush(QColor(0xff, 0x7f, 0x0e, 0x80));
    p.drawPolygon(diamond, 4);
    p.drawText(at + QPointF(10, -10), tr("row %1").arg(pick.row));
}

// Magnets as small markers (the current one, while the Magnets dialog has one, in the highlight
// colour) and the arranged copies as small squares turned by their angle and sized by their scale.
// The crossing paths in grey under the pieces the host took back from Clipped Path.
void DocumentView::DrawPaths(QPainter& p) const
{
    p.save();
    p.translate(PageRect().topLeft());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    for (const QPainterPath& figure : document_.Paths().Figures()) p.drawPath(figure);
    p.setPen(QPen(QColor(0x2c, 0xa0, 0x2c), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPainterPath& piece : document_.Paths().Pieces()) p.drawPath(piece);
    p.restore();
}

void DocumentView::DrawMagnets(QPainter& p) const
{
    const QPointF page = PageRect().topLeft();
    const MagnetRecord& record = document_.Magnets();
    for (const OvHostListNode* n = record.magnets.head; n; n = n->next) {
        const auto* magnet = static_cast<const OvMagnet*>(n->data);
        const bool current = magnet == record.current_magnet;
        p.setPen(
            QPen(current ? palette().color(QPalette::Highlight) : QColor(0xd6, 0x27, 0x28), current ? 2 : 1));
        p.setBrush(Qt::NoBrush);
        for (int32_t i = 0; i < ov_mag_count(magnet); ++i) {
            const OvPointF at = ov_mag_positions(magnet)[i];
            p.drawEllipse(page + QPointF(at.x, at.y), current ? 4.0 : 3.0, current ? 4.0 : 3.0);
        }
    }
    const MagnetRecord& copies = document_.Copies();
    const auto* arrangement = static_cast<const OvMagnet*>(ov_list_at(&copies.magnets, 0));
    p.setPen(QPen(QColor(0x1f, 0x77, 0xb4), 1));
    p.setBrush(QColor(0x1f, 0x77, 0xb4, 0x40));
    for (int32_t i = 0; i < ov_mag_count(arrangement); ++i) {
        const OvPointF at = ov_mag_positions(arrangement)[i];
        OvPointF pair{1, 0};
        ov_mag_position(copies.scale_angle, i, &pair);
        p.save();
        p.translate(page + QPointF(at.x, at.y));
        p.rotate(-pair.y);
        const double half = 10 * std::clamp(static_cast<double>(pair.x), 0.1, 5.0);
        p.drawRect(QRectF(-half, -half, 2 * half, 2 * half));
        p.restore();
    }
}

void DocumentView::mousePressEvent(QMouseEvent* e)
{
    const QRectF bitmap = BitmapRect();
    if (bitmap.contains(e->position())) {
        document_.Bitmap().seedX = static_cast<float>((e->position().x() - bitmap.left()) / bitmap.width());
        document_.Bitmap().seedY = static_cast<float>((e->position().y() - bitmap.top()) / bitmap.height());
        update();
        return;
    }
    const int hit = GlyphAt(e->position());
    if (hit >= 0) current_ = hit, update();
}

void DocumentView::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (BitmapRect().contains(e->position())) {
        Q_EMIT bitmapActivated();
        return;
    }
    const int hit = GlyphAt(e->position());
    if (hit >= 0) Q_EMIT glyphActivated(hit);
}

void DocumentView::keyPressEvent(QKeyEvent* e)
{
    const int count = static_cast<int>(document_.Glyphs().size());
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: Q_EMIT glyphActivated(current_); return;
    case Qt::Key_Tab:
    case Qt::Key_Right: current_ = (current_ + 1) % count; break;
    case Qt::Key_Left: current_ = (current_ + count - 1) % count; break;
    default: QWidget::keyPressEvent(e); return;
    }
    update();
}

}  // namespace ovhost
