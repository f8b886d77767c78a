// MagnetsDialog: what the entry point needs of the Magnets dialog: run it over the host's record.
#pragma once

#include <ornivex/hostwindow.h>
#include <ornivex/magnet.h>

class QWidget;

namespace ov {

// Runs CDialogMM modally over the record; the host's view window receives its notifications.
// 1 (OK, copy mode) or 2; 0 without a record.
int RunMagnetsDialog(QWidget* parent, OvHostWindow* viewWindow, MagnetRecord* record);

}  // namespace ov
