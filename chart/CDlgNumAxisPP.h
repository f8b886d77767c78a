// CDlgNumAxisPP: the property sheet of a number axis glyph (an axis drawn without data) on the common
// sheet frame: General, Tick/Grid and Axis pages over the record copy; no series.
#pragma once

#include "chart/ChartSheet.h"

namespace ov {

// Page slots, one per tab.
enum NumberAxisSlot : int { kAxisSlotGeneral, kAxisSlotTickGrid, kAxisSlotAxis, kAxisSlots };

class CDlgNumAxisPP : public ChartSheet {
    Q_OBJECT
public:
    explicit CDlgNumAxisPP(const ChartSheetCall& call);

protected:
    SheetPage* CreatePage(int slot) override;
};

}  // namespace ov
