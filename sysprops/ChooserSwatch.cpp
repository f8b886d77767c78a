// The colour field that opens the colour chooser.
#include "sysprops/ChooserSwatch.h"

#include "colour/ColourChooser.h"
#include "colour/CustomColours.h"
#include "framework/ui/GuardedHandler.h"

#include <QMouseEvent>
#include <QPainter>

namespace ov {

ChooserSwatch::ChooserSwatch(uint32_t colorRef, int customGroup, QWidget* parent)
    : QWidget(parent), colorRef_(colorRef), group_(customGroup)
{
    setCursor(Qt::PointingHandCursor);
}

void ChooserSwatch::Choose()
{
    const auto chosen = ChooseColour(this, QColor::fromRgba(ColorRefToArgb(colorRef_)), group_);
    if (!chosen) return;
    colorRef_ = ArgbToColorRef(chosen->rgba());
    update();
}

void ChooserSwatch::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        QPainter p(this);
        p.fillRect(rect(), QColor::fromRgba(ColorRefToArgb(colorRef_)));
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    });
}

void ChooserSwatch::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Choose();
    });
}

}  // namespace ov
