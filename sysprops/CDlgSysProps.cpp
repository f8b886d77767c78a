// The system properties sheet: its shape on the frame and its three pages, all built on opening.
#include "sysprops/CDlgSysProps.h"
#include "sysprops/SystemProperties.h"

#include "sysprops/CDSP_HK.h"
#include "sysprops/CDSP_P1.h"
#include "sysprops/CDSP_PAdvance.h"

namespace ov {
namespace {

SheetShape SysPropsShape()
{
    SheetShape shape;
    shape.tabs = {kSysSlots, 8, -1};
    shape.pageSlots = kSysSlots;
    shape.startTabValue = "InitPage0";
    shape.textFile = "GP0.xml";
    shape.tabTexts = {1, 2, 3};
    shape.builtInLabels = {"General", "Hotkeys", "Advanced"};
    shape.widthDu = 600;
    shape.heightDu = 323;
    shape.buttonTexts = {0, 1, kSheetOk, 2, kSheetCancel, 3, kSheetApply, 4, kSheetHelp, 5, -1};
    shape.applyParam = 1;
    shape.remembersPlacement = false;
    return shape;
}

}  // namespace

CDlgSysProps::CDlgSysProps(const SystemPropsCall& call)
    : SheetFrame(SheetHost{call.parent, call.hostWindow}, SysPropsShape()), call_(call)
{
    // Every page exists from the start: OK and Apply store the general and advanced pages even when
    // they were never shown, and the hotkey page asks the host for its commands once per opening.
    for (int slot = 0; slot < kSysSlots; ++slot) EnsurePage(slot);
    SelectStartTab();
}

SheetPage* CDlgSysProps::CreatePage(int slot)
{
    switch (slot) {
    case kSysGeneral: return new CDSP_P1(Record(), this);
    case kSysHotkeys: return new CDSP_HK(static_cast<HotkeyTable*>(call_.hotkeyTable), HostWindow(), this);
    case kSysAdvanced: return new CDSP_PAdvance(Record(), this);
    default: return nullptr;
    }
}

int RunSystemProperties(SystemPropsCall& call)
{
    if (!call.record) return kDialogCancel;
    CDlgSysProps sheet(call);
    return sheet.exec() == QDialog::Accepted ? kDialogOk : kDialogCancel;
}

}  // namespace ov
