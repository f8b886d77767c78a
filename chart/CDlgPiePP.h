// CDlgPiePP: the property sheet of pie charts on the common sheet frame: General, Legend (pie mode)
// beside Label, and the slice table, over the record copy and the host's slices (edited in place).
#pragma once

#include "chart/ChartSheet.h"

namespace ov {

// Page slots: tab 0 shows General, tab 1 Legend and Label, tab 2 the slice table.
enum PieSheetSlot : int { kPieSlotGeneral, kPieSlotLegend, kPieSlotLabel, kPieSlotTable, kPieSlots };
enum PieSheetTab : int { kPieTabGeneral, kPieTabLegend, kPieTabTable, kPieTabs };

class CDlgPiePP : public ChartSheet {
    Q_OBJECT
public:
    explicit CDlgPiePP(const ChartSheetCall& call);

    OvHostList* Slices() const { return static_cast<OvHostList*>(Call().context); }

protected:
    SheetPage* CreatePage(int slot) override;
    bool SlotOnTab(int slot, int tab) const override;
    ScreenRect PageRect(int slot) const override;
    // The pie sheet offers no help.
    void Help() override {}
};

}  // namespace ov
