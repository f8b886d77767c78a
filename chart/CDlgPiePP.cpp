// The pie chart sheet: three tabs, a fifth of the frame wide, labelled from "GP2.xml"; the start tab
// is remembered as "InitPage2". Legend and Label share the second tab side by side.
#include "chart/CDlgPiePP.h"
#include "chart/PieChartSheet.h"

#include "chart/CDPP_General.h"
#include "chart/CDPP_Label.h"
#include "chart/CDPP_Legend.h"
#include "chart/CDPP_PieTable.h"

namespace ov {
namespace {

SheetShape PieShape()
{
    SheetShape shape;
    shape.tabs = {kPieTabs, 5, -1};
    shape.pageSlots = kPieSlots;
    shape.startTabValue = "InitPage2";
    shape.textFile = "GP2.xml";
    shape.tabTexts = {1, 2, 3};
    shape.builtInLabels = {"General", "Legend", "Pie Table"};
    return shape;
}

}  // namespace

CDlgPiePP::CDlgPiePP(const ChartSheetCall& call) : ChartSheet(call, PieShape())
{
    SelectStartTab();
    Place();
}

SheetPage* CDlgPiePP::CreatePage(int slot)
{
    switch (slot) {
    case kPieSlotGeneral: return new CDPP_General(Record(), this);
    case kPieSlotLegend: return new CDPP_Legend(Record(), true, this);
    case kPieSlotLabel: return new CDPP_Label(Record(), this);
    case kPieSlotTable: return new CDPP_PieTable(Slices(), this);
    default: return nullptr;
    }
}

bool CDlgPiePP::SlotOnTab(int slot, int tab) const
{
    switch (tab) {
    case kPieTabGeneral: return slot == kPieSlotGeneral;
    case kPieTabLegend: return slot == kPieSlotLegend || slot == kPieSlotLabel;
    case kPieTabTable: return slot == kPieSlotTable;
    default: return false;
    }
}

ScreenRect CDlgPiePP::PageRect(int slot) const
{
    ScreenRect rect = PageArea();
    const int middle = rect.left + rect.Width() / 2;
    if (slot == kPieSlotLegend) rect.right = middle;
    if (slot == kPieSlotLabel) rect.left = middle;
    return rect;
}

int RunPieChartSheet(ChartSheetCall& call)
{
    if (!call.record) return kDialogCancel;
    CDlgPiePP sheet(call);
    return sheet.exec() == QDialog::Accepted ? kDialogOk : kDialogCancel;
}

}  // namespace ov
