// The surface data page: the cells show every value with "%g" and store what they show, so once the
// page has been built, collecting rounds the surface's values to six significant digits.
#include "view3d/ui/CDPP_3DS.h"

#include "chart/PageTexts.h"
#include "chart/SeriesPrompts.h"
#include "data/formula/CDlgGDByFunc.h"
#include "data/import/AsciiSeriesImport.h"
#include "data/import/DataFilePicker.h"
#include "framework/toolbar/CDlgToolbar.h"
#include "framework/toolbar/COvMenu.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"
#include "grid/CGridCtrl.h"
#include "view3d/SurfaceCells.h"
#include "view3d/SurfaceData.h"
#include "view3d/ui/CDlg3DSPP.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace ov {
namespace {

constexpr int kMenuEntries = kSdUpdate - kSdAddY + 1;
constexpr int kMaxPositions = 10000;

const char* const kBuiltInRangeLabels[kRangeFields] = {"Xmin : ", "Xmax : ", "Ymin : ", "Ymax : "};
const char* const kBuiltInMenu[kMenuEntries] = {
    "Add Y Position", "Add X Position", "Grid Size...", "Clear",
    "Delete Columns", "Delete Rows",    "Cut",          "Copy",
    "Paste",          "Open...",        "Save...",      "Reverse Y",
    "Reverse X",      "Transpose",      "Formula...",   "Update"};

QString MenuIcon(int command)
{
    switch (command) {
    case kSdDeleteColumns:
    case kSdDeleteRows: return QStringLiteral("tb/delete");
    case kSdCut: return QStringLiteral("tb/Cut");
    case kSdCopy: return QStringLiteral("tb/Copy");
    case kSdPaste: return QStringLiteral("tb/Paste");
    default: return {};
    }
}

bool StartsMenuGroup(int command)
{
    return command == kSdDeleteColumns || command == kSdCut || command == kSdOpen || command == kSdReverseY ||
           command == kSdFormula;
}

}  // namespace

CDPP_3DS::CDPP_3DS(CDlg3DSPP& sheet, SurfaceGrid* surface)
    : SheetPage(&sheet), sheet_(sheet), surface_(surface)
{
    if (surface_) ranges_ = RangesOf(*surface_);
    BuildControls();
    LoadGrid();
}

void CDPP_3DS::BuildControls()
{
    PageTexts texts("GP1.xml", "gDLG3");
    auto* ranges = new QHBoxLayout;
    for (int f = 0; f < kRangeFields; ++f) {
        auto* edit = Named(new QLineEdit(this), kSdRangeEdit + f);
        edit->setText(QString::fromStdString(FormatHeaderValue(ranges_[static_cast<std::size_t>(f)])));
        edit->setEnabled(surface_ != nullptr);
        ranges->addWidget(new QLabel(texts.Text(1 + f, kBuiltInRangeLabels[f]), this));
        ranges->addWidget(edit, 1);
        edits_[static_cast<std::size_t>(f)] = edit;
        const auto field = static_cast<SurfaceRangeField>(f);
        connect(edit, &QLineEdit::textEdited, this,
                Guarded(this, [this, field](const QString& text) { OnRangeEdited(field, text); }));
    }
    for (int i = 0; i < kMenuEntries; ++i) menuTexts_.push_back(texts.Text(5 + i, kBuiltInMenu[i]));
    toolbar_ = new CDlgToolbar(this);
    toolbar_->Load(QStringLiteral("tb_3DS_data"));
    Named(toolbar_, kSdToolbar);
    grid_ = Named(new CGridCtrl(this), kSdGrid);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addLayout(ranges);
    layout->addWidget(toolbar_);
    layout->addWidget(grid_, 1);
    connect(toolbar_, &CDlgToolbar::commandPosted, this, Guarded(this, [this](int c) { RunCommand(c); }));
    connect(grid_, &CGridCtrl::RightButtonDown, this, Guarded(this, &CDPP_3DS::ShowPopup));
}

void CDPP_3DS::LoadGrid()
{
    bool shown = false;
    grid_->ResetCells([&](GridCells& cells) { shown = LoadSurfaceCells(cells, surface_); });
    grid_->setEnabled(shown);
    grid_->Redraw();
}

void CDPP_3DS::Store()
{
    if (surface_ == nullptr || !grid_->GetModified()) return;
    StoreSurfaceCells(*surface_, grid_->Cells());
    grid_->SetModified(false);
}

void CDPP_3DS::OnRangeEdited(SurfaceRangeField field, const QString& text)
{
    if (surface_ == nullptr || !TakeRangeText(ranges_, field, text.toStdU16String())) return;
    if (!ApplyRanges(*surface_, ranges_) || !HasSurfaceValues(surface_)) return;
    grid_->ResetCells([this](GridCells& cells) { SetSurfaceHeaders(cells, *surface_); });
    grid_->Redraw();
}

template <typename Change>
void CDPP_3DS::Reshape(Change&& change)
{
    if (surface_ == nullptr) return;
    Store();
    change(*surface_);
    LoadGrid();
}

void CDPP_3DS::RunCommand(int command)
{
    switch (command) {
    case kSdAddY: Reshape([](SurfaceGrid& s) { AddYPosition(s); }); break;
    case kSdAddX: Reshape([](SurfaceGrid& s) { AddXPosition(s); }); break;
    case kSdResize: Resize(); break;
    case kSdClear:
        grid_->ClearCells();
        grid_->Redraw();
        break;
    case kSdDeleteColumns: DeleteColumns(); break;
    case kSdDeleteRows: DeleteRows(); break;
    case kSdCut:
    case kSdPaste:
        command == kSdCut ? grid_->Cut() : grid_->Paste();
        grid_->Redraw();
        break;
    case kSdCopy: grid_->Copy(); break;
    case kSdOpen: Open(); break;
    case kSdSave: Save(); break;
    case kSdReverseY: Reshape([](SurfaceGrid& s) { ReverseY(s); }); break;
    case kSdReverseX: Reshape([](SurfaceGrid& s) { ReverseX(s); }); break;
    case kSdTranspose: Reshape([](SurfaceGrid& s) { TransposeSurface(s); }); break;
    case kSdFormula: Formula(); break;
    case kSdUpdate:
        Store();
        sheet_.UpdateHost();
        break;
    default: break;
    }
}

void CDPP_3DS::Resize()
{
    if (surface_ == nullptr) return;
    TableSize size{surface_->ny, surface_->nx};
    if (!HasSurfaceValues(surface_)) size = ReadOfferedSize(kSurfaceSeriesSize);
    if (!PromptTableSize(this, size, 1, kMaxPositions)) return;
    WriteOfferedSize(kSurfaceSeriesSize, size);
    Reshape([&](SurfaceGrid& s) { ResizeSurface(s, size.rows, size.columns); });
}

void CDPP_3DS::DeleteColumns()
{
    if (!HasSurfaceValues(surface_)) return;
    std::vector<int> columns;
    for (int c = 1; c < grid_->GetColumnCount(); ++c)
        if (grid_->IsColumnSelected(c)) columns.push_back(c - 1);
    if (columns.empty() && surface_->ny > 1) return;
    Reshape([&](SurfaceGrid& s) { DeleteYPositions(s, columns); });
}

void CDPP_3DS::DeleteRows()
{
    if (!HasSurfaceValues(surface_)) return;
    const CellRange range = grid_->GetSelectedCellRange();
    std::vector<int> rows;
    if (range.IsValid())
        for (int r = std::max(range.minRow, 1); r <= range.maxRow; ++r) rows.push_back(r - 1);
    if (rows.empty() && surface_->nx > 1) return;
    Reshape([&](SurfaceGrid& s) { DeleteXPositions(s, rows); });
}

void CDPP_3DS::Open()
{
    if (surface_ == nullptr) return;
    Store();
    const std::optional<ImportedSeries> imported = ImportAsciiFile(this, kDataFileSlotSurfaceGrid, 0);
    if (!imported) return;
    const AsciiMatrix& m = imported->matrix;
    // File lines are x positions and file columns y positions; the ranges stay as they are.
    SetSurfaceData(*surface_, m.values.get(), m.rows, m.cols, surface_->x_min, surface_->x_max,
                   surface_->y_min, surface_->y_max);
    LoadGrid();
}

void CDPP_3DS::Save()
{
    const std::optional<QString> path = PickTextFileToSave(kDataFileSlotSurfaceGrid, this);
    if (path && !grid_->Save(*path))
        ShowSharedMessage("gMSG_FILE", 3, *path, MessageButtons::Ok, MessageIcon::Warning, this);
}

void CDPP_3DS::Formula()
{
    if (!HasSurfaceValues(surface_)) return;
    Store();
    SurfaceGrid& s = *surface_;
    std::vector<double> output(static_cast<std::size_t>(s.nx) * static_cast<std::size_t>(s.ny));
    CDlgGDByFunc dialog(this);
    dialog.kind = FormulaKind::Surface;
    dialog.rows = s.nx;
    dialog.columns = s.ny;
    dialog.xStart = s.x_min;
    dialog.xEnd = s.x_max;
    dialog.yStart = s.y_min;
    dialog.yEnd = s.y_max;
    dialog.output = output.data();
    if (dialog.DoModal() != 1) return;
    SetSurfaceData(s, output.data(), s.nx, s.ny, s.x_min, s.x_max, s.y_min, s.y_max);
    LoadGrid();
}

void CDPP_3DS::ShowPopup(const QPoint& globalPos)
{
    COvMenu menu;
    for (int i = 0; i < kMenuEntries; ++i) {
        const int command = kSdAddY + i;
        if (StartsMenuGroup(command)) menu.AppendSeparator();
        menu.AppendItem(kMenuNormal, command, menuTexts_[static_cast<std::size_t>(i)], MenuIcon(command));
    }
    if (const int command = menu.Track(globalPos); command != 0) RunCommand(command);
}

void CDPP_3DS::keyPressEvent(QKeyEvent* event)
{
    RunGuarded(this, [&] {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (!enter || grid_->IsEditing()) return SheetPage::keyPressEvent(event);
        sheet_.accept();
    });
}

}  // namespace ov
