// TimeSeriesDialog: the dialog run of code 0xFF.
#include "animation/TimeSeriesDialog.h"

#include "animation/CDlgATS.h"

namespace ov {

int RunTimeSeriesDialog(QWidget* parent, OvHostWindow* hostWindow, SelectionRecord* selection,
                        OvHostList* list, MagnetRecord* magnets, int32_t* nextId)
{
    if (!list || !nextId) return 0;
    CDlgATS dialog(parent, {hostWindow, selection, list, magnets, nextId});
    return dialog.exec() == QDialog::Accepted ? 1 : 2;
}

}  // namespace ov
