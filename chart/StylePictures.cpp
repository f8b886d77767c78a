// Painting the pictures of the style lists.
#include "chart/StylePictures.h"

#include "chart/ColourMap.h"
#include "chart/HatchPatterns.h"
#include "chart/MarkerShapes.h"
#include "framework/toolbar/ApxIcon.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>

namespace ov {
namespace {

constexpr int kLineStyles = 9;

const ApxIcon& LineIcon(int index)
{
    static std::array<ApxIcon, kLineStyles> icons;
    static std::array<bool, kLineStyles> loaded{};
    const auto i = static_cast<std::size_t>(index);
    if (!loaded[i]) {
        icons[i].Load(QString::asprintf("LT/%02d", index + 1));
        loaded[i] = true;
    }
    return icons[i];
}

QImage HatchTile(int style)
{
    QImage tile(8, 8, QImage::Format_ARGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, HatchBit(style, x, y) ? kFillPreview0 : kFillPreview1);
    return tile;
}

void SetThreeStops(QGradient& g)
{
    g.setColorAt(0, FromArgb(kFillPreview0));
    g.setColorAt(0.618, FromArgb(kFillPreview1));
    g.setColorAt(1, FromArgb(kFillPreview2));
}

// A rectangular path gradient: four triangles from the edges (outer colour) to the centre.
void PaintRectangularGradient(QPainter& p, const QRectF& r)
{
    const QPointF c = r.center();
    const std::array<std::pair<QPointF, QPointF>, 4> edges = {{{r.topLeft(), r.topRight()},
                                                               {r.topRight(), r.bottomRight()},
                                                               {r.bottomRight(), r.bottomLeft()},
                                                               {r.bottomLeft(), r.topLeft()}}};
    p.setPen(Qt::NoPen);
    for (const auto& [a, b] : edges) {
        const QPointF mid = (a + b) / 2;
        QLinearGradient g(mid, c);
        g.setColorAt(0, FromArgb(kFillPreview0));
        g.setColorAt(1, FromArgb(kFillPreview1));
        p.setBrush(g);
        p.drawPolygon(QPolygonF({a, b, c}));
    }
}

void FillSquare(QPainter& p, const QRectF& square, int index)
{
    if (index == 1) {
        p.fillRect(square, FromArgb(kFillPreview0));
    } else if (index >= kFirstHatchFill && index < kFirstGradientFill) {
        QBrush brush(HatchTile(index - kFirstHatchFill));
        brush.setTransform(QTransform::fromTranslate(square.left(), square.top()));
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.fillRect(square, brush);
        p.restore();
    } else if (index >= 55 && index <= 57) {
        const QPointF end = index == 55   ? square.topRight()
                            : index == 56 ? square.bottomLeft()
                                          : square.bottomRight();
        QLinearGradient g(square.topLeft(), end);
        SetThreeStops(g);
        p.fillRect(square, g);
    } else if (index == 58) {
        p.fillRect(square, FromArgb(kFillPreview0));
        QRadialGradient g(square.center(), square.width() / 2);
        g.setColorAt(0, FromArgb(kFillPreview1));
        g.setColorAt(1, FromArgb(kFillPreview0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(square);
    } else if (index == 59) {
        PaintRectangularGradient(p, square);
    }
}

}  // namespace

QColor FromArgb(uint32_t argb)
{
    return QColor::fromRgba(argb);
}

void PaintNonePicture(QPainter& p, QPointF c)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(FromArgb(kNoneRed), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 5.0, 5.0);
    p.drawLine(c + QPointF(4, -4), c + QPointF(-4, 4));
    p.restore();
}

void PaintLinePicture(QPainter& p, const QRectF& item, int index)
{
    p.fillRect(item, Qt::white);
    if (index < 0 || index >= kLineStyles) return;
    LineIcon(index).Paint(p, item);
}

void PaintFillPicture(QPainter& p, const QRectF& item, int index)
{
    if (index <= 0 || index >= kFillStyleCount) {
        PaintNonePicture(p, item.center());
        return;
    }
    const double side = item.height() - 2;
    const QRectF square(item.center().x() - side / 2, item.center().y() - side / 2, side, side);
    p.save();
    FillSquare(p, square, index);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(FromArgb(kFillPreview0 | 0xff000000u), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(square);
    p.restore();
}

void PaintMarkerPicture(QPainter& p, const QRectF& item, int index, QColor fill)
{
    const MarkerShape shape = MarkerGeometry(index);
    const QPointF c = item.center();
    if (shape.kind == MarkerKind::None) {
        PaintNonePicture(p, c);
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, shape.kind == MarkerKind::Strokes ? 2 : 1));
    p.setBrush(fill);
    const double h = shape.size / 2;
    switch (shape.kind) {
    case MarkerKind::Square: p.drawRect(QRectF(c.x() - h, c.y() - h, shape.size, shape.size)); break;
    case MarkerKind::Circle: p.drawEllipse(c, h, h); break;
    case MarkerKind::Polygon: {
        QPolygonF polygon;
        for (const MarkerPoint& m : shape.polygon) polygon << c + QPointF(m.x, m.y);
        p.drawPolygon(polygon);
        break;
    }
    default:
        for (const auto& [a, b] : shape.strokes) p.drawLine(c + QPointF(a.x, a.y), c + QPointF(b.x, b.y));
        break;
    }
    p.restore();
}

void PaintColourMapPicture(QPainter& p, const QRectF& item, int index)
{
    if (index <= 0 || index >= kColourMapCount) {
        PaintNonePicture(p, item.center());
        return;
    }
    const QRectF bar = item.adjusted(3, 3, -3, -3);
    QLinearGradient g(bar.topLeft(), bar.topRight());
    const auto& table = ColourMapTable(index);
    for (int i = 0; i < kColourMapControls; ++i)
        g.setColorAt(ColourMap::Position(i), FromArgb(0xff000000u | table[static_cast<std::size_t>(i)]));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(bar, g);
    p.setPen(QPen(FromArgb(kColourMapOutline), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bar);
    p.restore();
}

}  // namespace ov
