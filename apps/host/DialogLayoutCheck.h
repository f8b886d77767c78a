// What the tour checks on every dialog it pictures: texts cut off by their widget, controls outside
// their parent, and input controls the Tab key never reaches.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ovhost {

// One line per finding, naming the widget by its class, object name and text; empty when the dialog
// passes. Only visible widgets are checked.
QStringList CheckDialogLayout(QWidget& dialog);

}  // namespace ovhost
