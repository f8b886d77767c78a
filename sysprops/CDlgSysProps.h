// CDlgSysProps: the system properties sheet on the common sheet frame: the general, hotkey and
// advanced pages over the dispatcher's copy of the settings record. Apply stores the pages into the
// copy and tells the host (0x1980 with 1, 1); the host's record changes only after OK.
#pragma once

#include "chart/SheetFrame.h"
#include "framework/dialogs/DialogCalls.h"

namespace ov {

// Page slots, one per tab.
enum SysPropsSlot : int { kSysGeneral, kSysHotkeys, kSysAdvanced, kSysSlots };

class CDlgSysProps : public SheetFrame {
    Q_OBJECT
public:
    explicit CDlgSysProps(const SystemPropsCall& call);

    SystemSettings& Record() { return *call_.record; }

protected:
    SheetPage* CreatePage(int slot) override;

private:
    SystemPropsCall call_;
};

}  // namespace ov
