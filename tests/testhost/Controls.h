// Control<T>: a dialog's control found by its numeric id, the way the dialog tests reach controls.
#pragma once

#include "framework/ui/DialogTexts.h"

#include <QWidget>

namespace ovtest {

// The child of `dialog` named after `id`, as T; null when there is none or it is of another type.
template <typename T = QWidget>
T* Control(QWidget& dialog, int id)
{
    return qobject_cast<T*>(ov::FindControl(&dialog, id));
}

}  // namespace ovtest
