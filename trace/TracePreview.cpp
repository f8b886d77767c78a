// TracePreview: view transform, veil, stroke and hatch of the traced figures, key-point squares.
#include "trace/TracePreview.h"

#include "framework/ui/GuardedHandler.h"
#include "paths/PathPainter.h"
#include "trace/PreviewView.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ov {
namespace {

const QColor kVeil(255, 255, 255, 200);
const QColor kHatch(0, 128, 0);
const QColor kKeyPoint(200, 0, 0);
const QColor kEdge(200, 200, 220);

void PaintFigures(QPainter& painter, const PreviewContent& c, const PreviewView& view)
{
    painter.translate(view.dx, view.dy);
    painter.scale(view.scale, view.scale);
    if (c.bitmap && !c.bitmap->levels.empty()) {
        const QSize size = c.bitmap->Size();
        const double onScreen = view.scale * size.width() * painter.device()->devicePixelRatioF();
        painter.drawImage(QRectF(QPointF(0, 0), size), c.bitmap->LevelFor(onScreen));
        painter.fillRect(QRectF(-1, -1, size.width() + 2, size.height() + 2), kVeil);
    }
    painter.translate(-1, -1);  // mask coordinates onto the bitmap's pixels
    const QPainterPath path = ToPainterPath(*c.figures);
    QPen pen(Qt::black, 3 / view.scale);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.strokePath(path, pen);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.fillPath(path, QBrush(kHatch, Qt::BDiagPattern));
    painter.resetTransform();
}

void PaintKeyPoints(QPainter& painter, const PreviewContent& c, const PreviewView& view)
{
    const double half = std::round(4 * c.uiScale);
    for (const OvPointF& p : *c.keyPoints) {
        const double x = std::round(view.scale * p.x + view.dx);
        const double y = std::round(view.scale * p.y + view.dy);
        painter.fillRect(QRectF(x - half, y - half, 2 * half, 2 * half), kKeyPoint);
    }
}

}  // namespace

const QImage& PreviewBitmap::LevelFor(double pixels) const
{
    size_t i = 0;
    while (i + 1 < levels.size() && levels[i + 1].width() >= pixels) ++i;
    return levels[i];
}

PreviewBitmap MakePreviewBitmap(QImage bitmap, int smallest)
{
    PreviewBitmap result;
    if (bitmap.isNull()) return result;
    result.levels.push_back(std::move(bitmap));
    while (std::max(result.levels.back().width(), result.levels.back().height()) / 2 >= smallest) {
        const QImage& last = result.levels.back();
        QImage half =
            last.scaled(last.width() / 2, last.height() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (half.isNull()) break;  // out of memory: draw from the larger copies
        result.levels.push_back(std::move(half));
    }
    return result;
}

void PaintTracePreview(QImage& target, const PreviewContent& c)
{
    target.fill(Qt::white);
    if (!c.figures || c.figures->PointCount() == 0) return;
    const QSizeF size = target.deviceIndependentSize();
    const PreviewView view = FitPreview(c.figures->WorldBounds(), size.width(), size.height());
    QPainter painter(&target);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    PaintFigures(painter, c, view);
    if (c.showKeyPoints && c.keyPoints) PaintKeyPoints(painter, c, view);
}

TracePreview::TracePreview(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TracePreview::Redraw(const PreviewContent& content)
{
    content_ = content;
    RenderBuffer();
    update();
}

void TracePreview::RenderBuffer()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(std::max(1, qRound(width() * ratio)), std::max(1, qRound(height() * ratio)));
    if (buffer_.size() != pixels) buffer_ = QImage(pixels, QImage::Format_RGB32);
    buffer_.setDevicePixelRatio(ratio);
    PaintTracePreview(buffer_, content_);
    drawn_ = true;
}

void TracePreview::resizeEvent(QResizeEvent* event)
{
    RunGuarded(this, [&] {
        drawn_ = false;
        QWidget::resizeEvent(event);
    });
}

void TracePreview::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        if (!drawn_) RenderBuffer();
        QPainter painter(this);
        painter.drawImage(QPointF(0, 0), buffer_);
        painter.setPen(kEdge);
        painter.drawLine(width() - 1, 0, width() - 1, height());
        painter.drawLine(0, 0, width(), 0);
    });
}

}  // namespace ov
