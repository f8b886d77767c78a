// TracePreview: view transform, veil, stroke and hatch of the traced figures, key-point squares.
#include "trace/TracePreview.h"

#include "framework/ui/GuardedHandler.h"
#include "trace/PreviewHatch.h"
#include "trace/PreviewOutline.h"
#include "trace/PreviewView.h"
#include "trace/StrokeCoverage.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <future>

namespace ov {
namespace {

const QColor kVeil(255, 255, 255, 200);
const QColor kKeyPoint(200, 0, 0);
const QColor kEdge(200, 200, 220);
// What the screen cannot show is left out of the drawn outline: a quarter of a device pixel.
constexpr double kOutlineTolerance = 0.25;
constexpr double kOutlineWidth = 3;  // logical pixels

QPainterPath OutlinePath(const std::vector<PreviewPolyline>& lines, int32_t fillMode)
{
    QPainterPath out;
    out.setFillRule(fillMode == OV_FILL_WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    for (const PreviewPolyline& line : lines) {
        out.moveTo(line.points.front().x, line.points.front().y);
        for (size_t i = 1; i < line.points.size(); ++i) out.lineTo(line.points[i].x, line.points[i].y);
        if (line.closed) out.closeSubpath();
    }
    return out;
}

// Black, round-joined, through a coverage mask in device pixels (see StrokeCoverage).
void StrokeOutline(QPainter& painter, const std::vector<PreviewPolyline>& lines, const PreviewView& view)
{
    QPaintDevice& device = *painter.device();
    const double ratio = device.devicePixelRatioF();
    // Mask coordinates sit one pixel right and down of the bitmap's.
    const DeviceMapping map{view.scale * ratio, (view.dx - view.scale) * ratio,
                            (view.dy - view.scale) * ratio};
    const CoverageMask mask =
        StrokeCoverage(lines, map, kOutlineWidth * ratio, device.width(), device.height());
    if (mask.right <= mask.left) return;
    // Alpha-only pixels draw as black with that opacity.
    QImage ink(mask.right - mask.left, mask.bottom - mask.top, QImage::Format_Alpha8);
    if (ink.isNull()) return;
    for (int y = mask.top; y < mask.bottom; ++y)
        std::memcpy(ink.scanLine(y - mask.top), &mask.alpha[static_cast<size_t>(y) * mask.width + mask.left],
                    static_cast<size_t>(ink.width()));
    ink.setDevicePixelRatio(ratio);
    painter.save();
    painter.resetTransform();
    painter.drawImage(QPointF(mask.left / ratio, mask.top / ratio), ink);
    painter.restore();
}

void PaintFigures(QPainter& painter, const PreviewContent& c, const PreviewView& view)
{
    const double devicePerUnit = view.scale * painter.device()->devicePixelRatioF();
    const auto lines = SimplifyForPreview(*c.figures, kOutlineTolerance / devicePerUnit);
    const QPainterPath outline = OutlinePath(lines, c.figures->FillMode());
    std::future<QImage> hatch = StartHatchLayer(outline, view, *painter.device());
    painter.save();
    painter.translate(view.dx, view.dy);
    painter.scale(view.scale, view.scale);
    if (c.bitmap && !c.bitmap->levels.empty()) {
        const QSize size = c.bitmap->Size();
        const double onScreen = view.scale * size.width() * painter.device()->devicePixelRatioF();
        painter.drawImage(QRectF(QPointF(0, 0), size), c.bitmap->LevelFor(onScreen));
        painter.fillRect(QRectF(-1, -1, size.width() + 2, size.height() + 2), kVeil);
    }
    StrokeOutline(painter, lines, view);
    painter.restore();
    const QImage layer = hatch.valid() ? hatch.get() : QImage();
    if (!layer.isNull()) {
        painter.drawImage(QPointF(0, 0), layer);
    } else {
        painter.save();
        PaintHatch(painter, outline, view);
        painter.restore();
    }
}

// Squares of whole device pixels, marked in one image and drawn once: thousands of antialiased
// rectangles through the painter cost milliseconds. Where the device ratio is fractional, a square's
// edges fall between pixels and the painter draws each one.
void PaintKeyPoints(QPainter& painter, const PreviewContent& c, const PreviewView& view)
{
    const double half = std::round(4 * c.uiScale);
    const double ratio = painter.device()->devicePixelRatioF();
    const auto logical = [&](const OvPointF& p) {
        return QPointF(std::round(view.scale * p.x + view.dx), std::round(view.scale * p.y + view.dy));
    };
    if (ratio != std::round(ratio) || ratio < 1) {
        for (const OvPointF& p : *c.keyPoints) {
            const QPointF at = logical(p);
            painter.fillRect(QRectF(at.x() - half, at.y() - half, 2 * half, 2 * half), kKeyPoint);
        }
        return;
    }
    QImage marks(painter.device()->width(), painter.device()->height(), QImage::Format_ARGB32_Premultiplied);
    if (marks.isNull()) return;
    marks.fill(Qt::transparent);
    const int side = static_cast<int>(2 * half * ratio);
    const QRgb colour = kKeyPoint.rgba();
    for (const OvPointF& p : *c.keyPoints) {
        const QPointF at = logical(p);
        const double left = (at.x() - half) * ratio, top = (at.y() - half) * ratio;
        if (!(left > -side && left < marks.width() && top > -side && top < marks.height())) continue;
        const int x0 = std::max(static_cast<int>(left), 0),
                  x1 = std::min(static_cast<int>(left) + side, marks.width());
        const int y0 = std::max(static_cast<int>(top), 0),
                  y1 = std::min(static_cast<int>(top) + side, marks.height());
        for (int y = y0; y < y1; ++y) {
            auto* row = reinterpret_cast<QRgb*>(marks.scanLine(y));
            std::fill(row + x0, row + x1, colour);
        }
    }
    marks.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(0, 0), marks);
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
