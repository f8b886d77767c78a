// ListMenuClick: the right-button press on a list's viewport that opens the list's own pop-up menu,
// for the dialogs that watch their list views through an event filter.
#pragma once

#include <QPoint>

#include <optional>

class QEvent;
class QObject;
class QWidget;

namespace ov {

// Where on the screen the right button went down on `viewport`; nothing for any other event, button
// or watched object.
std::optional<QPoint> ListMenuClickAt(const QObject* watched, const QWidget* viewport, const QEvent* event);

}  // namespace ov
