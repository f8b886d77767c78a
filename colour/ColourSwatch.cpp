// The colour swatch.
#include "colour/ColourSwatch.h"

#include "colour/COvColorPicker.h"
#include "colour/Checkerboard.h"
#include "framework/ui/GuardedHandler.h"

#include <QMouseEvent>
#include <QPainter>

namespace ov {

ColourSwatch::ColourSwatch(QWidget* parent, uint32_t argb)
    : QWidget(parent), colour_(argb), checker_(CheckerboardTile("Pics/CP/Alpha2.bmp"))
{
    setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::SetColour(uint32_t argb)
{
    colour_ = argb;
    update();
}

void ColourSwatch::SetBlank(bool blank)
{
    blank_ = blank;
    update();
}

QSize ColourSwatch::sizeHint() const
{
    return {40, 20};
}

void ColourSwatch::OpenPicker(QPoint globalPos)
{
    if (!picker_) {
        picker_ = new COvColorPicker(this);
        connect(picker_, &COvColorPicker::colourChanged, this, Guarded(this, &ColourSwatch::OnPickerChanged));
    }
    picker_->SetTarget(&colour_);
    picker_->PopUpAt(globalPos);
}

void ColourSwatch::OnPickerChanged(int wParam, int lParam)
{
    if (wParam != kColourChangedWParam || lParam != kColourChangedLParam) return;
    update();
    Q_EMIT colourChanged(colour_);
}

void ColourSwatch::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (event->button() != Qt::LeftButton || blank_ || !isEnabled()) return;
        OpenPicker(event->globalPosition().toPoint());
    });
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        QPainter painter(this);
        const QRect inner = rect().adjusted(2, 2, -2, -2);
        if (!blank_) {
            PaintColourOverCheckerboard(painter, inner, colour_, checker_);
            if (!isEnabled()) painter.fillRect(inner, QColor(255, 255, 255, 140));
        }
        painter.setPen(palette().color(isEnabled() ? QPalette::Dark : QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    });
}

}  // namespace ov
