// The number axis sheet: three tabs, an eighth of the frame wide, labelled with tabs 1, 2 and 4 of
// the X-Y sheet; the start tab is remembered as "InitPage4".
#include "chart/CDlgNumAxisPP.h"
#include "chart/NumberAxisSheet.h"

#include "chart/CDPP_Axis.h"
#include "chart/CDPP_General.h"
#include "chart/CDPP_TickGrid.h"

namespace ov {
namespace {

SheetShape NumberAxisShape()
{
    SheetShape shape;
    shape.tabs = {kAxisSlots, 8, -1};
    shape.pageSlots = kAxisSlots;
    shape.startTabValue = "InitPage4";
    shape.textFile = "GP1.xml";
    shape.tabTexts = {1, 2, 4};
    shape.builtInLabels = {"General", "Tick/Grid", "Axis"};
    return shape;
}

}  // namespace

CDlgNumAxisPP::CDlgNumAxisPP(const ChartSheetCall& call) : ChartSheet(call, NumberAxisShape())
{
    SelectStartTab();
    Place();
}

SheetPage* CDlgNumAxisPP::CreatePage(int slot)
{
    switch (slot) {
    case kAxisSlotGeneral: return new CDPP_General(Record(), this);
    case kAxisSlotTickGrid: return new CDPP_TickGrid(Record(), Call().hostWindow, this);
    case kAxisSlotAxis: return new CDPP_Axis(Record(), false, this);
    default: return nullptr;
    }
}

int RunNumberAxisSheet(ChartSheetCall& call)
{
    if (!call.record) return kDialogCancel;
    CDlgNumAxisPP sheet(call);
    return sheet.exec() == QDialog::Accepted ? kDialogOk : kDialogCancel;
}

}  // namespace ov
