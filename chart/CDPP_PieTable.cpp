// The pie table page: the grid is rebuilt from the slices whenever their number changes and read
// back from its texts when the sheet collects, so every value passes through its "%g" text.
#include "chart/CDPP_PieTable.h"

#include "chart/CDPE_LineFill.h"
#include "chart/PageTexts.h"
#include "framework/prompt/SetStrings.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/toolbar/CDlgToolbar.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "grid/CGridCtrl.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <random>

namespace ov {
namespace {

constexpr int kNumberColumnWidth = 60;
constexpr int kNameColumn = 1;
constexpr int kValueColumn = 2;

std::string Utf8(const std::u16string& text)
{
    return QString::fromStdU16String(text).toStdString();
}

std::u16string Utf16(const QString& text)
{
    return text.toStdU16String();
}

}  // namespace

CDPP_PieTable::CDPP_PieTable(OvHostList* slices, QWidget* parent)
    : SheetPage(parent), slices_(slices), random_(std::random_device{}())
{
    PageTexts texts("GP2.xml", "gPGD");
    toolbar_ = new CDlgToolbar(this);
    toolbar_->setObjectName(QStringLiteral("tb_PieTable"));
    toolbar_->Load(QStringLiteral("tb_PieTable"));
    grid_ = new CGridCtrl(this);
    grid_->setObjectName(ControlName(kPtGrid));
    grid_->verticalHeader()->setFixedWidth(kNumberColumnWidth);
    styleGroup_ = new QGroupBox(texts.Text(5, "Slice Style"), this);
    styleGroup_->setObjectName(ControlName(kPtStyle));
    editor_ = new CDPE_LineFill(style_, styleGroup_);
    (new QVBoxLayout(styleGroup_))->addWidget(editor_);
    eject_ = new QCheckBox(texts.Text(3, "Eject"), this);
    eject_->setObjectName(ControlName(kPtEject));
    excluded_ = new QCheckBox(texts.Text(4, "Excluded"), this);
    excluded_->setObjectName(ControlName(kPtExcluded));

    auto* boxes = new QVBoxLayout;
    boxes->addWidget(eject_);
    boxes->addWidget(excluded_);
    boxes->addStretch();
    auto* lower = new QHBoxLayout;
    lower->addWidget(styleGroup_, 1);
    lower->addLayout(boxes);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(toolbar_);
    layout->addWidget(grid_, 1);
    layout->addLayout(lower);

    connect(toolbar_, &CDlgToolbar::commandPosted, this,
            Guarded(this, [this](int command) { RunCommand(command); }));
    connect(editor_, &CDPE_LineFill::changed, this,
            Guarded(this, [this](int field) { pending_ |= 1u << static_cast<unsigned>(field); }));
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            Guarded(this, &CDPP_PieTable::OnSelectionChanged));
    LoadTable();
}

void CDPP_PieTable::LoadTable()
{
    // Nothing is shown or pending while the rows are rebuilt (clearing the selection reports it).
    ShowSlice(nullptr);
    selectedRows_.clear();
    const std::vector<SliceRowText> rows = SliceRowTexts(slices_);
    rows_ = SliceList(slices_);
    PageTexts texts("GP2.xml", "gPGD");
    const std::string nameHeader = texts.Text(1, "Name").toStdString();
    const std::string valueHeader = texts.Text(2, "Value").toStdString();
    grid_->ResetCells([&](GridCells& cells) {
        cells.SetRowCount(1);
        cells.SetColumnCount(3);
        cells.SetRowCount(static_cast<int>(rows.size()) + 1);
        cells.SetText(0, kNameColumn, nameHeader);
        cells.SetText(0, kValueColumn, valueHeader);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            cells.SetText(static_cast<int>(i) + 1, kNameColumn, Utf8(rows[i].name));
            cells.SetText(static_cast<int>(i) + 1, kValueColumn, Utf8(rows[i].value));
        }
    });
    grid_->clearSelection();
    grid_->Redraw();
}

PieSlice* CDPP_PieTable::SliceOfRow(int row) const
{
    if (row < 1 || row > static_cast<int>(rows_.size())) return nullptr;
    return rows_[static_cast<std::size_t>(row - 1)];
}

void CDPP_PieTable::Store()
{
    ApplyPendingStyle();
    StoreRows();
}

void CDPP_PieTable::StoreRows()
{
    std::vector<SliceRowText> rows;
    for (int r = 1; r < grid_->GetRowCount(); ++r)
        rows.push_back(
            {Utf16(grid_->GetItemText(r, kNameColumn)), Utf16(grid_->GetItemText(r, kValueColumn))});
    StoreSliceRows(slices_, rows);
}

void CDPP_PieTable::ApplyPendingStyle()
{
    if (sliceShown_)
        for (int row : selectedRows_)
            if (PieSlice* slice = SliceOfRow(row))
                ApplySliceStyle(*slice, style_, pending_, eject_->isChecked(), excluded_->isChecked());
    pending_ = 0;
}

void CDPP_PieTable::OnSelectionChanged()
{
    ApplyPendingStyle();
    selectedRows_.clear();
    const CellRange range = grid_->GetSelectedCellRange();
    for (int row = std::max(range.minRow, 1); range.IsValid() && row <= range.maxRow; ++row)
        selectedRows_.push_back(row);
    const auto first = std::find_if(selectedRows_.begin(), selectedRows_.end(),
                                    [this](int row) { return SliceOfRow(row) != nullptr; });
    ShowSlice(first == selectedRows_.end() ? nullptr : SliceOfRow(*first));
}

void CDPP_PieTable::ShowSlice(const PieSlice* slice)
{
    sliceShown_ = slice != nullptr;
    pending_ = 0;
    if (slice) {
        style_ = slice->style;
        editor_->Load();
        eject_->setChecked((slice->flags & OV_SLICE_EJECT) != 0);
        excluded_->setChecked((slice->flags & OV_SLICE_EXCLUDED) != 0);
    }
    styleGroup_->setVisible(sliceShown_);
    eject_->setVisible(sliceShown_);
    excluded_->setVisible(sliceShown_);
}

void CDPP_PieTable::RunCommand(int command)
{
    switch (command) {
    case kPieAdd: AddSlice(); break;
    case kPieCount: PromptCount(); break;
    case kPieClear:
        grid_->ClearCells();
        grid_->Redraw();
        break;
    case kPieMarks: MarkSelection(); break;
    case kPieCut:
    case kPieCopy:
    case kPiePaste:
        command == kPieCut ? grid_->Cut() : command == kPieCopy ? grid_->Copy() : grid_->Paste();
        grid_->Redraw();
        break;
    default: break;
    }
}

void CDPP_PieTable::AddSlice()
{
    if (!slices_) return;
    // What the table shows is kept: the rebuilt table shows the slices, not the cells.
    ApplyPendingStyle();
    StoreRows();
    if (!AppendPieSlice(*slices_, random_)) return;
    LoadTable();
    const int row = grid_->GetRowCount() - 1;
    grid_->SelectCells({row, kNameColumn, row, kValueColumn});
}

void CDPP_PieTable::PromptCount()
{
    if (!slices_) return;
    LangTable texts;
    texts.Open(CurrentLanguageCode(), "SSDlg.xml");
    const auto text = [&texts](int entry, const char16_t* builtIn) {
        std::u16string t = texts.GetLocalizedText("gDLG_8", entry);
        return t.empty() ? std::u16string(builtIn) : t;
    };
    SetStringsSetup setup;
    setup.title = text(1, u"Size");
    setup.labels = {text(3, u"Rows ##")};
    setup.values = {QString::number(ov_list_count(slices_)).toStdU16String()};
    if (RunSetStrings(setup, this) != 1 || setup.values.size() != 1) return;
    const int count = TypedSliceCount(setup.values[0]);
    if (count < 1) return;
    ApplyPendingStyle();
    StoreRows();
    SetSliceCount(*slices_, count, random_);
    LoadTable();
}

void CDPP_PieTable::MarkSelection()
{
    MarkSelectedSlices(slices_, [this](int row) {
        return grid_->IsCellSelected(row, kNameColumn) || grid_->IsCellSelected(row, kValueColumn);
    });
}

void CDPP_PieTable::keyPressEvent(QKeyEvent* event)
{
    RunGuarded(this, [&] {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        auto* sheet = qobject_cast<QDialog*>(window());
        if (!enter || grid_->IsEditing() || !sheet) return SheetPage::keyPressEvent(event);
        sheet->accept();
    });
}

}  // namespace ov
