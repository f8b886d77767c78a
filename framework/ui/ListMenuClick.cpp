// ListMenuClick: recognises the right-button press that opens a list's pop-up menu.
#include "framework/ui/ListMenuClick.h"

#include <QMouseEvent>
#include <QWidget>

namespace ov {

std::optional<QPoint> ListMenuClickAt(const QObject* watched, const QWidget* viewport, const QEvent* event)
{
    if (!event || watched != viewport || event->type() != QEvent::MouseButtonPress) return std::nullopt;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton) return std::nullopt;
    return mouse->globalPosition().toPoint();
}

}  // namespace ov
