// CDlg3DSPP: the property sheet of a 3-D surface chart on the common sheet frame: General, Tick/Grid,
// Axis (3-D), the surface data page and, on the last tab, the 3-D view beside the 3-D tool page.
#pragma once

#include "chart/ChartSheet.h"

#include <ornivex/surface.h>

namespace ov {

class View3DTab;

// Page slots, one per tab; the last one holds the view and the tool page side by side.
enum SurfaceSheetSlot : int {
    kSurfSlotGeneral,
    kSurfSlotTickGrid,
    kSurfSlotAxis,
    kSurfSlotData,
    kSurfSlot3D,
    kSurfSlots
};

class CDlg3DSPP : public ChartSheet {
    Q_OBJECT
public:
    explicit CDlg3DSPP(const ChartSheetCall& call);

    SurfaceGrid* Surface() const { return static_cast<SurfaceGrid*>(Call().element); }
    Host3DObject* Object3D() const { return Surface() ? Surface()->host3d : nullptr; }
    // The view's tab once it was first shown, else null.
    View3DTab* ViewTab() const;

    // The data page's update command: the view state collected and the host told (0x1980, 0, 0).
    void UpdateHost();

protected:
    SheetPage* CreatePage(int slot) override;
};

}  // namespace ov
