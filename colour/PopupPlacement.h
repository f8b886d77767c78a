// PopupPlacement: where a pop-up of a given size opens for a pointer position: at the pointer, moved
// back inside the work area when it would cross an edge.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ov {

QRect PopupRect(QPoint pointer, QSize size, const QRect& workArea);

}  // namespace ov
