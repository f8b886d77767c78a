// Placing pop-ups inside the work area.
#include "colour/PopupPlacement.h"

#include <algorithm>

namespace ov {

QRect PopupRect(QPoint pointer, QSize size, const QRect& workArea)
{
    QRect rect(pointer, size);
    if (workArea.isEmpty()) return rect;
    // The left and top edges win when the pop-up is larger than the work area.
    rect.moveRight(std::min(rect.right(), workArea.right()));
    rect.moveBottom(std::min(rect.bottom(), workArea.bottom()));
    rect.moveLeft(std::max(rect.left(), workArea.left()));
    rect.moveTop(std::max(rect.top(), workArea.top()));
    return rect;
}

}  // namespace ov
