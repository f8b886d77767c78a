// PreviewHatch: the hatch brush and the layer painted on another thread.
#include "trace/PreviewHatch.h"

#include <exception>

namespace ov {

namespace {

const QColor kHatch(0, 128, 0);

}  // namespace

void PaintHatch(QPainter& painter, const QPainterPath& outline, const PreviewView& view)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(view.dx, view.dy);
    painter.scale(view.scale, view.scale);
    painter.translate(-1, -1);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.fillPath(outline, QBrush(kHatch, Qt::BDiagPattern));
}

QImage HatchLayer(const QPainterPath& outline, const PreviewView& view, QSize pixels, double ratio)
{
    QImage layer(pixels, QImage::Format_ARGB32_Premultiplied);
    if (layer.isNull()) return layer;
    layer.fill(Qt::transparent);
    layer.setDevicePixelRatio(ratio);
    QPainter painter(&layer);
    PaintHatch(painter, outline, view);
    return layer;
}

std::future<QImage> StartHatchLayer(const QPainterPath& outline, const PreviewView& view,
                                    const QPaintDevice& device)
{
    const QSize pixels(device.width(), device.height());
    const double ratio = device.devicePixelRatioF();
    try {
        // An exception on that thread reaches whoever takes the layer.
        return std::async(std::launch::async, [&outline, view, pixels, ratio] {
            return HatchLayer(outline, view, pixels, ratio);
        });
    } catch (const std::exception&) {  // no thread to be had, or no memory for its state
        return {};
    }
}

}  // namespace ov
