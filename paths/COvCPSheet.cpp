// COvCPSheet: drawing of the pieces and the pointer handling of the Clipped Path view.
#include "paths/COvCPSheet.h"

#include "framework/ui/GuardedHandler.h"
#include "framework/ui/UiScale.h"
#include "paths/PathPainter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

namespace ov {

namespace {

const QColor kUnpicked = QColor::fromRgba(0x96C89696);
const QColor kPicked = QColor::fromRgba(0xFFFF0000);
const QColor kNode = QColor::fromRgba(0xFF017801);
constexpr double kNodeDiameter = 6.0;
constexpr double kHitPen = 12.0;

Vec2 ToVec(QPointF p)
{
    return {p.x(), p.y()};
}

}  // namespace

COvCPSheet::COvCPSheet(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void COvCPSheet::Load(std::span<const PathObject> paths, const COvSegPath& viewRecord)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
    } restore;
    pieces_.ApplyViewRecord(viewRecord);
    pieces_.Rebuild(paths);
    centred_ = width() > 0 && height() > 0;
    if (centred_) pieces_.CentreIn(width(), height());
    Redraw();
}

void COvCPSheet::SetAllPicked(bool picked)
{
    pieces_.SetAllPicked(picked);
    if (ready_) Redraw();
}

bool COvCPSheet::ToggleAt(QPointF at)
{
    const float pen = float(kHitPen * UiScaleOf(*this));
    for (Chain& piece : pieces_.Pieces()) {
        PathObject drawn;
        piece->ToPath(drawn);
        if (!drawn.IsOutlineVisible(float(at.x()), float(at.y()), pen)) continue;
        piece->state = piece->state == 0 ? 1 : 0;
        Redraw();
        return true;
    }
    return false;
}

void COvCPSheet::Redraw()
{
    Render();
    update();
}

void COvCPSheet::Render()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(std::max(1, qRound(width() * ratio)), std::max(1, qRound(height() * ratio)));
    if (buffer_.size() != pixels) buffer_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    buffer_.setDevicePixelRatio(ratio);
    buffer_.fill(Qt::white);
    QPainter painter(&buffer_);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Chain& piece : pieces_.Pieces()) {
        PathObject drawn;
        piece->ToPath(drawn);
        const bool picked = piece->state != 0;
        painter.setPen(QPen(picked ? kPicked : kUnpicked, picked ? 2.0 : 1.0, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPath(ToPainterPath(drawn));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNode);
    for (const OvPointF* node : pieces_.Nodes())
        painter.drawEllipse(QPointF(node->x, node->y), kNodeDiameter / 2, kNodeDiameter / 2);
    ready_ = true;
}

void COvCPSheet::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        if (!ready_) Render();
        QPainter painter(this);
        painter.drawImage(QPointF(0, 0), buffer_);
    });
}

void COvCPSheet::resizeEvent(QResizeEvent* event)
{
    RunGuarded(this, [&] {
        if (!centred_) {
            pieces_.CentreIn(event->size().width(), event->size().height());
            centred_ = true;
        } else if (event->oldSize().isValid()) {
            pieces_.Resized(event->size().width() - event->oldSize().width(),
                            event->size().height() - event->oldSize().height());
        }
        Render();
    });
}

void COvCPSheet::wheelEvent(QWheelEvent* event)
{
    RunGuarded(this, [&] {
        const QPointF at = (event->modifiers() & Qt::ControlModifier) ? QPointF(width() / 2.0, height() / 2.0)
                                                                      : event->position();
        const int delta = event->angleDelta().y();
        if (delta == 0 || !pieces_.Zoom(delta, ToVec(at))) return;
        Redraw();
        Q_EMIT ZoomChanged();
    });
}

void COvCPSheet::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (event->button() == Qt::LeftButton) drag_.Press(ToVec(event->position()));
    });
}

void COvCPSheet::mouseMoveEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        const auto pan = drag_.Move(ToVec(event->position()));
        if (!pan) return;
        setCursor(Qt::SizeAllCursor);
        pieces_.Pan(pan->x, pan->y);
        Redraw();
    });
}

void COvCPSheet::mouseReleaseEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (event->button() != Qt::LeftButton) return;
        unsetCursor();
        if (drag_.Release()) ToggleAt(event->position());
    });
}

}  // namespace ov
