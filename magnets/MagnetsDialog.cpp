// MagnetsDialog: the dialog run of __exp_GMagnet.
#include "magnets/MagnetsDialog.h"

#include "magnets/CDialogMM.h"

namespace ov {

int RunMagnetsDialog(QWidget* parent, OvHostWindow* viewWindow, MagnetRecord* record)
{
    if (!record) return 0;
    CDialogMM dialog(parent, viewWindow, *record);
    return dialog.exec() == QDialog::Accepted ? 1 : 2;
}

}  // namespace ov
