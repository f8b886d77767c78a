// FramePreview: loading a frame, the fit and the painting.
#include "animation/generate/FramePreview.h"

#include "animation/generate/AnimationTiming.h"
#include "animation/video/FrameImage.h"
#include "framework/ui/GuardedHandler.h"

#include <qdrawutil.h>
#include <QPainter>

namespace ov {

FramePreview::FramePreview(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("preview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor FramePreview::Background()
{
    return QColor(200, 200, 200);
}

QColor FramePreview::FrameColour()
{
    return QColor(200, 200, 220);
}

bool FramePreview::DrawFrame(const QString& path)
{
    const QImage frame = LoadFrameImage(path);
    if (frame.isNull() || width() <= 0 || height() <= 0) return false;
    QImage bitmap(size(), QImage::Format_RGB32);
    bitmap.fill(Background());
    QPainter painter(&bitmap);
    PaintEmpty(painter);
    const int inset = 2;  // inside the frame
    const FitRect fit = FitPicture(frame.width(), frame.height(),
                                   FitRect{inset, inset, width() - 2 * inset, height() - 2 * inset});
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(fit.x, fit.y, fit.width, fit.height), frame);
    painter.end();
    bitmap_ = std::move(bitmap);
    update();
    return true;
}

void FramePreview::PaintEmpty(QPainter& painter) const
{
    painter.fillRect(rect(), Background());
    const QColor frame = FrameColour();
    qDrawShadePanel(
        &painter, rect(),
        QPalette(frame, frame, frame.lighter(120), frame.darker(130), frame, frame, frame, frame, frame),
        true, 2);
}

void FramePreview::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        QPainter painter(this);
        if (Ready())
            painter.drawImage(rect(), bitmap_);
        else
            PaintEmpty(painter);
    });
}

}  // namespace ov
