// TimeSeriesDialog: what the entry point needs of the time-series dialog: run it over the host's
// series list, with or without a selection record to fill.
#pragma once

#include <ornivex/animation.h>
#include <ornivex/hostwindow.h>
#include <ornivex/magnet.h>

class QWidget;

namespace ov {

// Runs CDlgATS modally: pick mode with a selection record, edit mode without. 1 (OK) or 2; 0, with
// no dialog, without a list or an id counter.
int RunTimeSeriesDialog(QWidget* parent, OvHostWindow* hostWindow, SelectionRecord* selection,
                        OvHostList* list, MagnetRecord* magnets, int32_t* nextId);

}  // namespace ov
