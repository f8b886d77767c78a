// The 3-D surface sheet: five tabs, an eighth of the frame wide, labelled with tabs 1, 2, 4, 5 and 7
// of the X-Y sheet; the start tab is remembered as "InitPage3".
#include "view3d/ui/CDlg3DSPP.h"

#include "chart/CDPP_Axis.h"
#include "chart/CDPP_General.h"
#include "chart/CDPP_TickGrid.h"
#include "chart/View3DTab.h"
#include "view3d/ui/CDPP_3DS.h"
#include "view3d/ui/CDPP_3DSTool.h"
#include "view3d/ui/SurfaceSheet.h"

namespace ov {
namespace {

SheetShape SurfaceShape()
{
    SheetShape shape;
    shape.tabs = {kSurfSlots, 8, -1};
    shape.pageSlots = kSurfSlots;
    shape.startTabValue = "InitPage3";
    shape.textFile = "GP1.xml";
    shape.tabTexts = {1, 2, 4, 5, 7};
    shape.builtInLabels = {"General", "Tick/Grid", "Axis", "Data", "3D View"};
    return shape;
}

// The view takes the page area's left part, as wide as the page is high times 270 / 256; the tool
// page the rest.
SheetAreas ViewAreas(const ScreenRect& page)
{
    SheetAreas areas{page, {}, {}, page, page};
    areas.view.right = page.left + page.Height() * 270 / 256;
    areas.tool.left = areas.view.right;
    return areas;
}

}  // namespace

CDlg3DSPP::CDlg3DSPP(const ChartSheetCall& call) : ChartSheet(call, SurfaceShape())
{
    SelectStartTab();
    Place();
}

View3DTab* CDlg3DSPP::ViewTab() const
{
    return dynamic_cast<View3DTab*>(Page(kSurfSlot3D));
}

SheetPage* CDlg3DSPP::CreatePage(int slot)
{
    switch (slot) {
    case kSurfSlotGeneral: return new CDPP_General(Record(), this);
    case kSurfSlotTickGrid: return new CDPP_TickGrid(Record(), Call().hostWindow, this);
    case kSurfSlotAxis: return new CDPP_Axis(Record(), true, this);
    case kSurfSlotData: return new CDPP_3DS(*this, Surface());
    case kSurfSlot3D: return new View3DTab(Record(), Object3D(), ViewAreas(PageArea()), this);
    default: return nullptr;
    }
}

void CDlg3DSPP::UpdateHost()
{
    if (View3DTab* tab = ViewTab()) tab->CollectViewState();
    OvHostWindow* host = Call().hostWindow;
    if (host && host->send_message) host->send_message(host, kChartApplyMessage, 0, 0);
}

void InstallSurfaceToolPage()
{
    SetView3DToolPageFactory([](QWidget* parent, ChartRecord& record, COvOG& view) -> SheetPage* {
        return new CDPP_3DSTool(record, view, parent);
    });
}

int RunSurfaceSheet(ChartSheetCall& call)
{
    if (!call.record) return kDialogCancel;
    CDlg3DSPP sheet(call);
    return sheet.exec() == QDialog::Accepted ? kDialogOk : kDialogCancel;
}

}  // namespace ov
