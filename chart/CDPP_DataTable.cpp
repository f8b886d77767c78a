// CDPP_DataTable: the grid is loaded from the series' block directly (cells backed by the numbers)
// and stored from the cells' texts, so every value passes through its ten-decimal text.
#include "chart/CDPP_DataTable.h"

#include "chart/CDlgXYPP.h"
#include "chart/DataSeriesObject.h"
#include "chart/DataTableHeaders.h"
#include "chart/SeriesPrompts.h"
#include "chart/SeriesValues.h"
#include "data/formula/CDlgGDByFunc.h"
#include "data/import/AsciiSeriesImport.h"
#include "data/import/DataFilePicker.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/text/Utf16Conversion.h"
#include "framework/toolbar/CDlgToolbar.h"
#include "framework/toolbar/COvMenu.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"
#include "grid/CGridCtrl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace ov {
namespace {

constexpr int kMenuEntries = 11;
constexpr int kResizeMinimum = 2;
constexpr int kResizeMaximum = 10000;

const char* const kBuiltInMenu[kMenuEntries] = {"Add Column",  "Table Size...", "Clear",     "Delete Columns",
                                                "Delete Rows", "Cut",           "Copy",      "Paste",
                                                "Open...",     "Save...",       "Formula..."};

// Icons of the pop-up items, by command.
QString MenuIcon(int command)
{
    switch (command) {
    case kTableAddColumn: return QStringLiteral("menu/add");
    case kTableDeleteColumns:
    case kTableDeleteRows: return QStringLiteral("tb/delete");
    case kTableCut: return QStringLiteral("tb/Cut");
    case kTableCopy: return QStringLiteral("tb/Copy");
    case kTablePaste: return QStringLiteral("tb/Paste");
    default: return {};
    }
}

}  // namespace

CDPP_DataTable::CDPP_DataTable(CDlgXYPP& sheet) : SheetPage(&sheet), sheet_(sheet)
{
    LangTable table;
    table.Open(CurrentLanguageCode(), "POPG.xml");
    for (int i = 1; i <= kMenuEntries; ++i) {
        const std::u16string text = table.GetLocalizedText("gGC_2", i);
        menuTexts_.push_back(text.empty() ? tr(kBuiltInMenu[i - 1]) : QString::fromStdU16String(text));
    }
    toolbar_ = new CDlgToolbar(this);
    toolbar_->setObjectName(QStringLiteral("tb_DataTable"));
    toolbar_->Load(QStringLiteral("tb_DataTable"));
    grid_ = new CGridCtrl(this);
    grid_->setObjectName(ControlName(kDataTableGridControl));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(toolbar_);
    layout->addWidget(grid_, 1);
    connect(toolbar_, &CDlgToolbar::commandPosted, this,
            Guarded(this, [this](int command) { RunCommand(command); }));
    connect(grid_, &CGridCtrl::RightButtonDown, this, Guarded(this, &CDPP_DataTable::ShowPopup));
    LoadTable();
}

void CDPP_DataTable::Store()
{
    StoreTable(sheet_.CurrentSeries());
}

void CDPP_DataTable::StoreSeries(DataSeries* previous)
{
    StoreTable(previous);
}

void CDPP_DataTable::ReloadSeries()
{
    LoadTable();
}

void CDPP_DataTable::RefreshCoordinateSystem()
{
    SetHeaders();
}

void CDPP_DataTable::LoadTable()
{
    DataSeries* series = sheet_.CurrentSeries();
    if (series == nullptr) {
        grid_->LoadNumbers(nullptr, 0, 0);
        grid_->setEnabled(false);
        return;
    }
    const bool hasValues = series->values != nullptr;
    grid_->LoadNumbers(series->values, hasValues ? series->rows : 0, hasValues ? series->columns : 0);
    SetHeaders();
    grid_->setEnabled(true);
    grid_->Redraw();
}

void CDPP_DataTable::SetHeaders()
{
    const DataSeries* series = sheet_.CurrentSeries();
    if (series == nullptr) return;
    const int columns = grid_->GetColumnCount() - 1;
    for (int c = 1; c <= columns; ++c) {
        const std::u16string header = DataColumnHeader(sheet_.Kind(), SeriesSystem(*series), columns, c);
        grid_->SetItemText(0, c, QString::fromStdU16String(header));
    }
}

void CDPP_DataTable::StoreTable(DataSeries* series)
{
    if (series == nullptr || !grid_->GetModified()) return;
    StoreGridValues(*series, grid_->GetRowCount(), grid_->GetColumnCount(), grid_->CellValues());
    grid_->SetModified(false);
}

void CDPP_DataTable::RunCommand(int command)
{
    DataSeries* series = sheet_.CurrentSeries();
    switch (command) {
    case kTableAddColumn:
        if (series) ResizeKeepingValues(series->columns + 1, series->rows);
        break;
    case kTableResize:
        if (series) {
            TableSize size{series->columns, series->rows};
            if (!PromptTableSize(this, size, kResizeMinimum, kResizeMaximum)) break;
            ResizeKeepingValues(size.columns, size.rows);
            WriteOfferedSize(kChartSeriesSize, size);
        }
        break;
    case kTableClear: Clear(); break;
    case kTableDeleteColumns: DeleteColumns(); break;
    case kTableDeleteRows: DeleteRows(); break;
    case kTableCut:
    case kTablePaste:
        command == kTableCut ? grid_->Cut() : grid_->Paste();
        grid_->Redraw();
        StoreTable(series);
        break;
    case kTableCopy: grid_->Copy(); break;
    case kTableOpen: Open(); break;
    case kTableSave: Save(); break;
    case kTableFormula: Formula(); break;
    default: break;
    }
}

void CDPP_DataTable::ResizeKeepingValues(int columns, int rows)
{
    DataSeries* series = sheet_.CurrentSeries();
    StoreTable(series);
    ResizeSeriesKeepingValues(*series, columns, rows);
    LoadTable();
}

void CDPP_DataTable::Clear()
{
    DataSeries* series = sheet_.CurrentSeries();
    if (series == nullptr) return;
    ClearSeriesValues(*series);
    grid_->ClearCells();
    grid_->SetModified(false);
    grid_->Redraw();
}

void CDPP_DataTable::DeleteColumns()
{
    DataSeries* series = sheet_.CurrentSeries();
    if (series == nullptr) return;
    if (grid_->GetColumnCount() - 1 <= 1) return Clear();
    // Right to left so the numbers of the columns still to go stay valid; one column always stays.
    int remaining = grid_->GetColumnCount() - 1;
    for (int c = grid_->GetColumnCount() - 1; c >= 1 && remaining > 1; --c) {
        if (!grid_->IsColumnSelected(c)) continue;
        grid_->DeleteColumn(c);
        --remaining;
    }
    StoreTable(series);
    LoadTable();
}

void CDPP_DataTable::DeleteRows()
{
    DataSeries* series = sheet_.CurrentSeries();
    if (series == nullptr) return;
    if (grid_->GetRowCount() - 1 <= 1) return Clear();
    const CellRange range = grid_->GetSelectedCellRange();
    if (!range.IsValid()) return;
    const int first = std::max(range.minRow, 1);
    const int count = std::min(range.maxRow - first + 1, grid_->GetRowCount() - 2);
    grid_->DeleteRows(first, count);
    StoreTable(series);
}

void CDPP_DataTable::Open()
{
    DataSeries* series = sheet_.CurrentSeries();
    if (series == nullptr) return;
    StoreTable(series);
    const std::optional<ImportedSeries> imported = ImportAsciiFile(this, kDataFileSlotDataTable, 0);
    if (!imported) return;
    const AsciiMatrix& m = imported->matrix;
    if (!ReplaceSeriesValues(*series, m.cols, m.rows, m.values.get())) return;
    if (imported->name) {
        RenameSeries(*series, Utf8ToUtf16(*imported->name));
        sheet_.RefreshSeriesNames();
    }
    LoadTable();
}

void CDPP_DataTable::Save()
{
    const std::optional<QString> path = PickTextFileToSave(kDataFileSlotDataTable, this);
    if (path && !grid_->Save(*path))
        ShowSharedMessage("gMSG_FILE", 3, *path, MessageButtons::Ok, MessageIcon::Warning, this);
}

void CDPP_DataTable::Formula()
{
    DataSeries* series = sheet_.CurrentSeries();
    const CellRange range = grid_->GetSelectedCellRange();
    const int column = range.IsValid() ? range.minCol : 0;
    if (series == nullptr || series->rows < 1 || column < 1 || column > series->columns) {
        ShowSharedMessage("gMSG_1", 1, {}, MessageButtons::Ok, MessageIcon::Warning, this);
        return;
    }
    StoreTable(series);
    std::vector<double> output(static_cast<std::size_t>(series->rows));
    CDlgGDByFunc dialog(this);
    dialog.kind = FormulaKind::Column;
    dialog.source = series->values;
    dialog.rows = series->rows;
    dialog.columns = series->columns;
    dialog.output = output.data();
    if (dialog.DoModal() != 1) return;
    for (int r = 1; r <= series->rows; ++r)
        grid_->SetItemText(r, column, QString::asprintf("%g", output[static_cast<std::size_t>(r - 1)]));
    grid_->Redraw();
    StoreTable(series);
}

void CDPP_DataTable::ShowPopup(const QPoint& globalPos)
{
    COvMenu menu;
    for (int i = 0; i < kMenuEntries; ++i) {
        const int command = kTableAddColumn + i;
        if (command == kTableDeleteColumns || command == kTableCut || command == kTableOpen ||
            command == kTableFormula)
            menu.AppendSeparator();
        menu.AppendItem(kMenuNormal, command, menuTexts_[static_cast<std::size_t>(i)], MenuIcon(command));
    }
    if (const int command = menu.Track(globalPos); command != 0) RunCommand(command);
}

void CDPP_DataTable::keyPressEvent(QKeyEvent* event)
{
    RunGuarded(this, [&] {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (!enter || grid_->IsEditing()) return SheetPage::keyPressEvent(event);
        sheet_.accept();
    });
}

void CDPP_DataTable::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (event->button() == Qt::RightButton) return ShowPopup(event->globalPosition().toPoint());
        SheetPage::mousePressEvent(event);
    });
}

}  // namespace ov
