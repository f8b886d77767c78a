// CDlg3DSPP: the property sheet of a 3-D surface chart on the common sheet frame: General, Tick/Grid,
// Axis (3-D), the surface data page and, on the last tab, the 3-D view beside the 3-D tool page.
#pragma once

#include "chart/ChartSheet.h"

#include <ornivex/surface.h>

namespace ov {

class CDPP_3DSTool;

// Page slots: one per tab, the last tab showing the view and the tool page side by side.
enum SurfaceSheetSlot : int {
    kSurfSlotGeneral,
    kSurfSlotTickGrid,
    kSurfSlotAxis,
    kSurfSlotData,
    kSurfSlotView,
    kSurfSlotTool,
    kSurfSlots
};
enum SurfaceSheetTab : int { kSurfTabGeneral, kSurfTabTickGrid, kSurfTabAxis, kSurfTabData, kSurfTab3D, kSurfTabs };

class CDlg3DSPP : public ChartSheet {
    Q_OBJECT
public:
    explicit CDlg3DSPP(const ChartSheetCall& call);

    SurfaceGrid* Surface() const { return static_cast<SurfaceGrid*>(Call().element); }
    Host3DObject* Object3D() const;

    // Pages, then the 3-D view's state (rotation into the record, size into the 3-D host object).
    void Collect() override;
    // The data page's update command: the view state collected and the host told (0x1980, 0, 0).
    void UpdateHost();

protected:
    SheetPage* CreatePage(int slot) override;
    bool SlotOnTab(int slot, int tab) const override;
    ScreenRect PageRect(int slot) const override;

private:
    void CollectViewState();
    void OnToolChanged(bool modeChanged);
};

}  // namespace ov
