// The 3-D surface sheet: five tabs, an eighth of the frame wide, labelled with tabs 1, 2, 4, 5 and 7
// of the X-Y sheet; the start tab is remembered as "InitPage3".
#include "view3d/ui/CDlg3DSPP.h"

#include "chart/CDPP_Axis.h"
#include "chart/CDPP_General.h"
#include "chart/CDPP_TickGrid.h"
#include "framework/ui/GuardedHandler.h"
#include "view3d/ui/CDPP_3DS.h"
#include "view3d/ui/CDPP_3DSTool.h"
#include "view3d/ui/SurfaceSheet.h"

namespace ov {
namespace {

SheetShape SurfaceShape()
{
    SheetShape shape;
    shape.tabs = {kSurfTabs, 8, -1};
    shape.pageSlots = kSurfSlots;
    shape.startTabValue = "InitPage3";
    shape.textFile = "GP1.xml";
    shape.tabTexts = {1, 2, 4, 5, 7};
    shape.builtInLabels = {"General", "Tick/Grid", "Axis", "Data", "3D View"};
    return shape;
}

// The view's share of the page area: as wide as the page is high, times 270 / 256.
int ViewWidth(const ScreenRect& area)
{
    return area.Height() * 270 / 256;
}

}  // namespace

CDlg3DSPP::CDlg3DSPP(const ChartSheetCall& call) : ChartSheet(call, SurfaceShape())
{
    SelectStartTab();
    Place();
}

Host3DObject* CDlg3DSPP::Object3D() const
{
    return Surface() ? Surface()->host3d : nullptr;
}

SheetPage* CDlg3DSPP::CreatePage(int slot)
{
    switch (slot) {
    case kSurfSlotGeneral: return new CDPP_General(Record(), this);
    case kSurfSlotTickGrid: return new CDPP_TickGrid(Record(), Call().hostWindow, this);
    case kSurfSlotAxis: return new CDPP_Axis(Record(), true, this);
    case kSurfSlotData: return new CDPP_3DS(*this, Surface());
    case kSurfSlotTool: {
        auto* tool = new CDPP_3DSTool(Record(), this);
        connect(tool, &CDPP_3DSTool::viewChanged, this, Guarded(this, &CDlg3DSPP::OnToolChanged));
        return tool;
    }
    default: return nullptr;
    }
}

bool CDlg3DSPP::SlotOnTab(int slot, int tab) const
{
    if (tab == kSurfTab3D) return slot == kSurfSlotView || slot == kSurfSlotTool;
    return slot == tab;
}

ScreenRect CDlg3DSPP::PageRect(int slot) const
{
    ScreenRect rect = PageArea();
    const int split = rect.left + ViewWidth(rect);
    if (slot == kSurfSlotView) rect.right = split;
    if (slot == kSurfSlotTool) rect.left = split;
    return rect;
}

void CDlg3DSPP::Collect()
{
    ChartSheet::Collect();
    CollectViewState();
}

void CDlg3DSPP::UpdateHost()
{
    CollectViewState();
    OvHostWindow* host = Call().hostWindow;
    if (host && host->send_message) host->send_message(host, kChartApplyMessage, 0, 0);
}

void CDlg3DSPP::CollectViewState() {}

void CDlg3DSPP::OnToolChanged(bool modeChanged)
{
    (void)modeChanged;
}

int RunSurfaceSheet(ChartSheetCall& call)
{
    if (!call.record) return kDialogCancel;
    CDlg3DSPP sheet(call);
    return sheet.exec() == QDialog::Accepted ? kDialogOk : kDialogCancel;
}

}  // namespace ov
