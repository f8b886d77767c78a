// The X-Y property sheet: its pages, page areas and the current-series rules.
#include "chart/CDlgXYPP.h"
#include "chart/XYChartSheet.h"

#include "chart/CDPP_Axis.h"
#include "chart/CDPP_ChartStyle.h"
#include "chart/CDPP_DSList.h"
#include "chart/CDPP_DataTable.h"
#include "chart/CDPP_General.h"
#include "chart/CDPP_Legend.h"
#include "chart/CDPP_TickGrid.h"
#include "chart/DataSeriesObject.h"
#include "chart/View3DTab.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/InterfaceFont.h"

namespace ov {
namespace {

SheetShape XYShape(int kind)
{
    SheetShape shape;
    shape.tabs = XYTabStrip(kind);
    shape.pageSlots = kSheetPageSlots;
    shape.startTabValue = std::string(StartTabValueName(kind));
    shape.textFile = "GP1.xml";
    shape.tabTexts = {1, 2, 3, 4, 5, 6, 7};
    shape.builtInLabels = {"General", "Tick/Grid", "Legend", "Axis", "Data", "Chart Style", "3D"};
    return shape;
}

}  // namespace

CDlgXYPP::CDlgXYPP(const ChartSheetCall& call) : ChartSheet(call, XYShape(call.record->kind))
{
    auto* listWidth = new QWidget(this);
    listWidth->setObjectName(ControlName(kXYListWidth));
    listWidth->setGeometry(DialogUnits(font()).Rect(6, 6, 112, 8));
    listWidth->hide();
    areas_ = SheetPageAreas(FrameRect(), TabHeight(), listWidth->width(), Kind());
    SetKindTitle();
    EnsurePage(kSlotSeriesList);
    if (Kind() == 6) EnsurePage(kSlot3D);
    SelectStartTab();
    SeriesPage()->SelectRow(0);
    Place();
}

void CDlgXYPP::SetKindTitle()
{
    const int titleIndex = Kind() == 4 ? 8 : Kind() == 6 ? 9 : 0;
    if (!titleIndex) return;
    LangTable texts;
    texts.Open(CurrentLanguageCode(), "GP1.xml");
    const std::u16string title = texts.GetLocalizedText("gDD", titleIndex);
    if (!title.empty()) setWindowTitle(QString::fromStdU16String(title));
}

std::vector<DataSeries*> CDlgXYPP::SeriesList() const
{
    std::vector<DataSeries*> series;
    const OvHostList* list = Call().seriesList;
    for (const OvHostListNode* node = list ? list->head : nullptr; node; node = node->next)
        series.push_back(static_cast<DataSeries*>(node->data));
    return series;
}

CDPP_DSList* CDlgXYPP::SeriesPage() const
{
    return static_cast<CDPP_DSList*>(Page(kSlotSeriesList));
}

std::vector<DataSeries*> CDlgXYPP::SelectedSeries() const
{
    return SeriesPage() ? SeriesPage()->SelectedSeries() : std::vector<DataSeries*>{};
}

ScreenRect CDlgXYPP::PageRect(int slot) const
{
    if (slot == kSlotSeriesList) return areas_.seriesList;
    if (slot == kSlotDataTable || slot == kSlotChartStyle) return areas_.right;
    return PageArea();
}

SheetPage* CDlgXYPP::CreatePage(int slot)
{
    switch (slot) {
    case kSlotSeriesList: return new CDPP_DSList(*this);
    case kSlotDataTable: return new CDPP_DataTable(*this);
    case kSlotChartStyle: return new CDPP_ChartStyle(*this);
    case kSlotGeneral: return new CDPP_General(Record(), this);
    case kSlotTickGrid: return new CDPP_TickGrid(Record(), Call().hostWindow, this);
    case kSlotLegend: return new CDPP_Legend(Record(), false, this);
    case kSlotAxis: {
        auto* axis = new CDPP_Axis(Record(), false, this);
        connect(axis, &CDPP_Axis::enableChanged, this, Guarded(this, &CDlgXYPP::OnAxisEnabled));
        return axis;
    }
    case kSlot3D: return Kind() == 6 ? new View3DTab(Record(), Call().object3d, areas_, this) : nullptr;
    default: return nullptr;
    }
}

void CDlgXYPP::SelectCurrentSeries()
{
    if (CurrentTab() == kTabData) EnsurePage(kSlotDataTable);
    if (CurrentTab() == kTabChartStyle) EnsurePage(kSlotChartStyle);
    const std::vector<DataSeries*> selected = SelectedSeries();
    DataSeries* next = selected.empty() ? current_ : selected.front();
    if (next == current_) return;
    if (SheetPage* table = Page(kSlotDataTable)) table->StoreSeries(current_);
    current_ = next;
    for (int slot : {kSlotDataTable, kSlotChartStyle})
        if (SheetPage* page = Page(slot)) page->ReloadSeries();
}

void CDlgXYPP::SeriesRemoved(DataSeries* series)
{
    if (series != current_) return;
    // The table's edits of a series about to be destroyed go with it.
    current_ = nullptr;
    for (int slot : {kSlotDataTable, kSlotChartStyle})
        if (SheetPage* page = Page(slot)) page->ReloadSeries();
}

void CDlgXYPP::RefreshSeriesNames()
{
    if (SheetPage* list = Page(kSlotSeriesList)) list->RefreshCoordinateSystem();
}

void CDlgXYPP::SetCoordinateSystem(int system)
{
    if (!current_) return;
    const int allowed = AllowedCoordinateSystem(Record(), system);
    if (allowed == SeriesSystem(*current_)) return;
    SetSeriesSystem(*current_, allowed);
    for (int slot = 0; slot < kSheetPageSlots; ++slot)
        if (SheetPage* page = Page(slot)) page->RefreshCoordinateSystem();
}

void CDlgXYPP::OnAxisEnabled(int axis, bool enabled)
{
    // The axis page has already set the shown flag; a series left in a switched-off system 1 goes
    // back to system 0, and the chart-style radio buttons follow the flags.
    if (axis == OV_AXIS_Y2 && !enabled && current_ && SeriesSystem(*current_) == 1)
        SetSeriesSystem(*current_, 0);
    for (int slot = 0; slot < kSheetPageSlots; ++slot)
        if (SheetPage* page = Page(slot)) page->RefreshCoordinateSystem();
}

void CDlgXYPP::Collect()
{
    ChartSheet::Collect();
    if (SheetPage* table = Page(kSlotDataTable)) table->StoreSeries(current_);
}

void CDlgXYPP::done(int result)
{
    // Cancel keeps the record as it was but still hands the view's size to the 3-D host object.
    if (result != QDialog::Accepted)
        if (auto* tab = dynamic_cast<View3DTab*>(Page(kSlot3D)))
            RunGuarded(this, [tab] { tab->CollectViewState(); });
    ChartSheet::done(result);
}

int RunXYChartSheet(ChartSheetCall& call)
{
    if (!call.record) return kDialogCancel;
    CDlgXYPP sheet(call);
    return sheet.exec() == QDialog::Accepted ? kDialogOk : kDialogCancel;
}

}  // namespace ov
