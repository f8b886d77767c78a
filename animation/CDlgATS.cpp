// CDlgATS: controls built in code, the list and grid commands, the pop-up menus and the grid kept in
// step with the current series. Every slot and event handler runs through the guard.
#include "animation/CDlgATS.h"

#include "animation/MagnetSeries.h"
#include "animation/SeriesPick.h"
#include "animation/TimeSeriesList.h"
#include "animation/TimeSeriesText.h"
#include "chart/SeriesPrompts.h"
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
#include "framework/ui/ListMenuClick.h"
#include "framework/ui/MessageBox.h"
#include "grid/CGridCtrl.h"
#include "magnets/COvMag.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <new>

namespace ov {
namespace {

const char* const kFile = "GP0.xml";
const char* const kSection = "gATS";

// (control id, entry of "gATS") pairs, one table per mode; id 0 is the caption.
constexpr int32_t kPickTexts[] = {0,
                                  2,
                                  CDlgATS::kIdTip,
                                  3,
                                  CDlgATS::kIdEmpty,
                                  4,
                                  CDlgATS::kIdIncremental,
                                  5,
                                  CDlgATS::kIdRelative,
                                  6,
                                  CDlgATS::kIdOk,
                                  7,
                                  CDlgATS::kIdCancel,
                                  8,
                                  -1,
                                  -1};
constexpr int32_t kEditTexts[] = {0, 1, CDlgATS::kIdCancel, 9, -1, -1};

constexpr int kGridMenuEntries = 11;  // "gGC_2" entries 1 … 11 are the grid commands 10 … 20
const char* const kBuiltInGridMenu[kGridMenuEntries] = {
    "Add Column", "Table Size...", "Clear",   "Delete Columns", "Delete Rows",         "Cut",
    "Copy",       "Paste",         "Open...", "Save...",        "Fill from Formula..."};

QString GridMenuIcon(int command)
{
    switch (command) {
    case CDlgATS::kGridAddColumn: return QStringLiteral("menu/Add");
    case CDlgATS::kGridDeleteColumns:
    case CDlgATS::kGridDeleteRows: return QStringLiteral("tb/delete");
    case CDlgATS::kGridCut: return QStringLiteral("tb/cut");
    case CDlgATS::kGridCopy: return QStringLiteral("tb/copy");
    case CDlgATS::kGridPaste: return QStringLiteral("tb/paste");
    default: return {};
    }
}

QString Decimal(int value)
{
    return QString::number(value);
}

}  // namespace

CDlgATS::CDlgATS(QWidget* parent, const TimeSeriesDialogCall& call)
    : QDialog(parent), call_(call), texts_(std::make_unique<LangTable>())
{
    texts_->Open(CurrentLanguageCode(), kFile);
    BuildControls();
    ApplyTexts();
    FillList();
    const std::vector<TimeSeries*> series = Series();
    SelectSeries(InitialSeriesIndex(series, call_.selection));
    if (!IsPickMode()) return;
    const PickSwitches switches = SwitchesOf(*call_.selection);
    relative_->setChecked(switches.relative);
    incremental_->setChecked(switches.incremental);
    incremental_->setVisible(switches.relative);
    SelectGridRow(InitialGridRow(current_, *call_.selection));
    RefreshOkState();
    timer_->start(kSelectionTimerMs);
}

CDlgATS::~CDlgATS() = default;

void CDlgATS::BuildControls()
{
    setWindowTitle(QStringLiteral("Animation Time Series"));
    LangTable popg;
    popg.Open(CurrentLanguageCode(), "POPG.xml");
    for (int i = 1; i <= kGridMenuEntries; ++i)
        gridMenuTexts_.push_back(Text(popg, "gGC_2", i, kBuiltInGridMenu[i - 1]));

    listToolbar_ = new CDlgToolbar(this);
    listToolbar_->setObjectName(QStringLiteral("tb_DSList"));
    listToolbar_->Load(QStringLiteral("tb_DSList"));
    gridToolbar_ = new CDlgToolbar(this);
    gridToolbar_->setObjectName(QStringLiteral("tb_DataTable"));
    gridToolbar_->Load(QStringLiteral("tb_DataTable"));

    LangTable gp1;
    gp1.Open(CurrentLanguageCode(), "GP1.xml");
    list_ = Named(new QTreeWidget(this), kIdList);
    list_->setColumnCount(3);
    list_->setHeaderLabels(
        {Text(gp1, "gLC1", 1, "Name"), Text(gp1, "gLC1", 3, "Columns"), Text(gp1, "gLC1", 4, "Rows")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->viewport()->installEventFilter(this);

    grid_ = Named(new CGridCtrl(this), kIdGrid);
    grid_->setFrameShadow(QFrame::Sunken);

    ok_ = Named(new QPushButton(QStringLiteral("OK")), kIdOk);
    cancel_ = Named(new QPushButton(QStringLiteral("Cancel")), kIdCancel);
    tip_ = Named(new QPushButton(QStringLiteral("Tip")), kIdTip);
    empty_ = Named(new QPushButton(QStringLiteral("Empty")), kIdEmpty);
    relative_ = Named(new QCheckBox(QStringLiteral("Relative")), kIdRelative);
    incremental_ = Named(new QCheckBox(QStringLiteral("Incremental")), kIdIncremental);
    for (QPushButton* button : {ok_, cancel_, tip_, empty_}) button->setAutoDefault(false);
    ok_->setDefault(true);

    auto* listSide = new QVBoxLayout;
    listSide->addWidget(listToolbar_);
    listSide->addWidget(list_, 1);
    auto* gridSide = new QVBoxLayout;
    gridSide->addWidget(gridToolbar_);
    gridSide->addWidget(grid_, 1);
    auto* panes = new QHBoxLayout;
    panes->addLayout(listSide, 2);
    panes->addLayout(gridSide, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(tip_);
    buttons->addWidget(empty_);
    buttons->addWidget(relative_);
    buttons->addWidget(incremental_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);
    resize(760, 480);

    for (QWidget* pickOnly : std::initializer_list<QWidget*>{ok_, tip_, empty_, incremental_, relative_})
        pickOnly->setVisible(IsPickMode());

    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, Guarded(this, &CDlgATS::RefreshOkState));
    const auto run = [this](int command) { RunGuarded(this, [this, command] { RunCommand(command); }); };
    connect(listToolbar_, &CDlgToolbar::commandPosted, this, run);
    connect(gridToolbar_, &CDlgToolbar::commandPosted, this, run);
    // Selection rather than the current item: a list that takes the focus makes its first row current
    // without selecting it, and that must not choose a series.
    connect(list_, &QTreeWidget::itemSelectionChanged, this, Guarded(this, [this] { OnSelectionChanged(); }));
    connect(list_, &QTreeWidget::itemDoubleClicked, this, Guarded(this, [this] { RenameCurrent(); }));
    connect(grid_, &CGridCtrl::RightButtonDown, this, Guarded(this, &CDlgATS::ShowGridMenu));
    connect(ok_, &QPushButton::clicked, this, Guarded(this, [this] { accept(); }));
    connect(cancel_, &QPushButton::clicked, this, Guarded(this, [this] { reject(); }));
    connect(empty_, &QPushButton::clicked, this, Guarded(this, [this] { Empty(); }));
    connect(tip_, &QPushButton::clicked, this, Guarded(this, [this] {
                ShowSharedMessage("gMSG_6", 1, {}, MessageButtons::Ok, MessageIcon::Information, this);
            }));
    connect(relative_, &QCheckBox::toggled, this, Guarded(this, &CDlgATS::OnRelativeToggled));
}

void CDlgATS::ApplyTexts()
{
    ApplyLocalizedTexts(*texts_, kSection, IsPickMode() ? kPickTexts : kEditTexts, this);
}

QString CDlgATS::Text(LangTable& table, const char* section, int entry, const char* builtIn) const
{
    const std::u16string text = table.GetLocalizedText(section, entry);
    return text.empty() ? QString::fromUtf8(builtIn) : QString::fromStdU16String(text);
}

// ---- list -------------------------------------------------------------------------------------

std::vector<TimeSeries*> CDlgATS::Series() const
{
    return SeriesOf(call_.list);
}

void CDlgATS::FillList()
{
    const bool wasFilling = filling_;
    filling_ = true;
    list_->clear();
    for (const TimeSeries* s : Series()) {
        auto* item = new QTreeWidgetItem(
            {QString::fromStdU16String(TimeSeriesName(*s)), Decimal(s->columns), Decimal(s->rows)});
        item->setData(0, Qt::UserRole, s->id);
        list_->addTopLevelItem(item);
    }
    const std::vector<TimeSeries*> series = Series();
    const auto it = std::find(series.begin(), series.end(), current_);
    if (it != series.end())
        list_->setCurrentItem(list_->topLevelItem(static_cast<int>(it - series.begin())));
    else
        list_->clearSelection();
    filling_ = wasFilling;
}

void CDlgATS::SelectSeries(int index)
{
    const std::vector<TimeSeries*> series = Series();
    if (index < 0 || index >= static_cast<int>(series.size())) {
        current_ = nullptr;
        LoadGrid();
        return;
    }
    list_->setCurrentItem(list_->topLevelItem(index));  // stores the previous series and loads this one
    if (current_ != series[static_cast<std::size_t>(index)]) {
        current_ = series[static_cast<std::size_t>(index)];
        LoadGrid();
    }
}

// A row chosen in the list becomes the current series; a list left without a selection keeps it.
void CDlgATS::OnSelectionChanged()
{
    if (filling_) return;
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    const int row = selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.front());
    const std::vector<TimeSeries*> series = Series();
    if (row < 0 || row >= static_cast<int>(series.size())) return;
    TimeSeries* next = series[static_cast<std::size_t>(row)];
    if (next == current_) return;
    StoreGrid();
    current_ = next;
    LoadGrid();
}

void CDlgATS::ShowListMenu(const QPoint& globalPos)
{
    LangTable gp1;
    gp1.Open(CurrentLanguageCode(), "GP1.xml");
    COvMenu menu;
    menu.AppendItem(kMenuNormal, kListNew, Text(gp1, "gPOP1", 1, "New Series..."),
                    QStringLiteral("menu/Add"));
    menu.AppendItem(kMenuNormal, kListImport, Text(gp1, "gPOP1", 3, "Import from Files..."));
    COvMenu& magnets = menu.AppendSubmenu(Text(gp1, "gPOP1", 12, "Series from Magnet"));
    const std::vector<const COvMag*> offered = MagnetMenuEntries(call_.magnets);
    for (std::size_t i = 0; i < offered.size(); ++i)
        magnets.AppendItem(kMenuNormal, kListFirstMagnet + static_cast<int>(i),
                           QString::fromStdU16String(offered[i]->Name()));
    if (offered.empty())
        magnets.AppendItem(kMenuGreyed, 0, Text(gp1, "gPOP1", 13, "(no magnet with two or more positions)"));
    menu.AppendSeparator();
    const unsigned needsSeries = current_ ? kMenuNormal : kMenuGreyed;
    menu.AppendItem(needsSeries, kListRename, Text(gp1, "gPOP1", 9, "Rename..."));
    menu.AppendItem(needsSeries, kListDelete, Text(gp1, "gPOP1", 10, "Delete"), QStringLiteral("tb/delete"));
    if (const int command = menu.Track(globalPos); command != 0) RunCommand(command);
}

void CDlgATS::NewSeries()
{
    std::u16string name = NumberedSeriesName(static_cast<int>(Series().size()) + 1);
    TableSize size = ReadOfferedSize(kTimeSeriesSize);
    if (!PromptNewSeries(this, name, size, kNewSeriesMinimum, kNewSeriesMaximum)) return;
    WriteOfferedSize(kTimeSeriesSize, size);
    OwnedTimeSeries series = MakeNewSeries(name, *call_.nextId, size.columns, size.rows);
    AppendAndSelect(series);
}

void CDlgATS::SeriesFromMagnet(int index)
{
    const std::vector<const COvMag*> offered = MagnetMenuEntries(call_.magnets);
    if (index < 0 || index >= static_cast<int>(offered.size())) return;
    std::u16string name = NumberedSeriesName(static_cast<int>(Series().size()) + 1);
    if (!PromptSeriesName(this, name)) return;
    OwnedTimeSeries series =
        MakeMagnetSeries(*offered[static_cast<std::size_t>(index)], *call_.magnets, name, *call_.nextId);
    AppendAndSelect(series);
}

// The id was the counter's value; the counter moves on only once the host holds the series.
void CDlgATS::AppendAndSelect(OwnedTimeSeries& series)
{
    if (!series || !AppendSeries(*call_.list, series)) throw std::bad_alloc();
    TakeNextId(*call_.nextId);
    FillList();
    SelectSeries(static_cast<int>(Series().size()) - 1);
}

void CDlgATS::DeleteCurrent()
{
    const std::vector<TimeSeries*> series = Series();
    const auto it = std::find(series.begin(), series.end(), current_);
    if (it == series.end()) return;
    const int index = static_cast<int>(it - series.begin());
    current_ = nullptr;  // its unstored grid edits go with it
    DeleteSeriesAt(*call_.list, index);
    FillList();
    SelectSeries(std::min(index, static_cast<int>(series.size()) - 2));
}

void CDlgATS::MoveCurrent(int command)
{
    const std::vector<TimeSeries*> series = Series();
    const auto it = std::find(series.begin(), series.end(), current_);
    if (it == series.end()) return;
    const int from = static_cast<int>(it - series.begin());
    const int last = static_cast<int>(series.size()) - 1;
    const int to = command == kListMoveUp     ? from - 1
                   : command == kListMoveTop  ? 0
                   : command == kListMoveDown ? from + 1
                                              : last;
    if (MoveSeries(*call_.list, from, to)) FillList();
}

void CDlgATS::RenameCurrent()
{
    if (!current_) return;
    std::u16string name = TimeSeriesName(*current_);
    if (!PromptSeriesName(this, name)) return;
    if (!SetTimeSeriesName(*current_, name)) throw std::bad_alloc();
    FillList();
}

// One series per file; a file that cannot be read gives none and is named in one message.
void CDlgATS::ImportSeries()
{
    const QStringList chosen = PickDataFiles(this, kDataFileSlotTimeSeries);
    if (chosen.isEmpty()) return;
    StoreGrid();
    QStringList readable;
    QStringList failed;
    for (const QString& path : chosen)
        (QFileInfo(path).isFile() && QFileInfo(path).isReadable() ? readable : failed) << path;
    TimeSeries* first = nullptr;
    for (ImportedSeries& file : ImportAsciiFiles(this, readable, 1)) {
        const AsciiMatrix& m = file.matrix;
        if (m.cols <= 0 || m.rows <= 0) {
            failed << file.path;
            continue;
        }
        const std::u16string name =
            file.name ? Utf8ToUtf16(*file.name) : NumberedSeriesName(static_cast<int>(Series().size()) + 1);
        std::vector<std::u16string> titles;
        for (const std::string& title : file.columnTitles) titles.push_back(Utf8ToUtf16(title));
        OwnedTimeSeries series = CreateTimeSeries();
        if (!series || !SetTimeSeriesName(*series, name) || !SetTimeSeriesSize(*series, m.cols, m.rows) ||
            !SetColumnTitles(*series, titles))
            throw std::bad_alloc();
        std::copy_n(m.values.get(), static_cast<std::size_t>(m.cols) * m.rows, series->values);
        series->id = *call_.nextId;
        TimeSeries* appended = AppendSeries(*call_.list, series);
        if (!appended) throw std::bad_alloc();
        TakeNextId(*call_.nextId);
        if (!first) first = appended;
    }
    FillList();
    if (first) SelectSeries(0);
    if (!failed.isEmpty())
        ShowSharedMessage("gMSG_FILE", 2, failed.join(QLatin1Char('\n')), MessageButtons::Ok,
                          MessageIcon::Warning, this);
}

// ---- grid -------------------------------------------------------------------------------------

void CDlgATS::LoadGrid()
{
    grid_->ResetCells([this](GridCells& cells) { LoadSeriesCells(cells, current_); });
    grid_->setEnabled(current_ != nullptr);
    grid_->Redraw();
}

void CDlgATS::StoreGrid()
{
    if (!current_ || !grid_->GetModified()) return;
    if (!StoreSeriesCells(*current_, grid_->Cells())) throw std::bad_alloc();
    grid_->SetModified(false);
}

void CDlgATS::SelectGridRow(int row)
{
    if (row < 1 || row >= grid_->GetRowCount()) return;
    grid_->SelectCells({row, 1, row, grid_->GetColumnCount() - 1});
    grid_->scrollTo(grid_->model()->index(row - 1, 0));
}

int CDlgATS::SelectedRow() const
{
    const CellRange range = grid_->GetSelectedCellRange();
    return range.IsValid() ? range.minRow : 0;
}

void CDlgATS::RunCommand(int command)
{
    if (command >= kListFirstMagnet) return SeriesFromMagnet(command - kListFirstMagnet);
    switch (command) {
    case kListMenu: ShowListMenu(listToolbar_->mapToGlobal(listToolbar_->rect().bottomLeft())); break;
    case kListDelete: DeleteCurrent(); break;
    case kListMoveUp:
    case kListMoveTop:
    case kListMoveDown:
    case kListMoveBottom: MoveCurrent(command); break;
    case kListRename: RenameCurrent(); break;
    case kListImport: ImportSeries(); break;
    case kListNew: NewSeries(); break;
    case kGridAddColumn: AddColumn(); break;
    case kGridResize: Resize(); break;
    case kGridClear: Clear(); break;
    case kGridDeleteColumns: DeleteColumns(); break;
    case kGridDeleteRows: DeleteRows(); break;
    case kGridCut:
    case kGridPaste:
        if (!current_) break;
        command == kGridCut ? grid_->Cut() : grid_->Paste();
        grid_->Redraw();
        StoreGrid();
        break;
    case kGridCopy: grid_->Copy(); break;
    case kGridImport: ImportIntoCurrent(); break;
    case kGridSave: Save(); break;
    case kGridFormula: Formula(); break;
    default: break;
    }
}

void CDlgATS::AddColumn()
{
    if (!current_ || current_->columns >= kResizeMaximum) return;
    StoreGrid();
    if (!AddTimeSeriesColumn(*current_)) throw std::bad_alloc();
    FillList();
    LoadGrid();
}

void CDlgATS::Resize()
{
    if (!current_) return;
    StoreGrid();
    TableSize size{current_->columns, current_->rows};
    if (!PromptTableSize(this, size, kResizeMinimum, kResizeMaximum)) return;
    if (!ResizeTimeSeries(*current_, size.columns, size.rows)) throw std::bad_alloc();
    WriteOfferedSize(kTimeSeriesSize, size);
    FillList();
    LoadGrid();
}

void CDlgATS::Clear()
{
    if (!current_ || !current_->values) return;
    std::fill_n(current_->values, static_cast<std::size_t>(current_->columns) * current_->rows, 0.0);
    LoadGrid();
}

void CDlgATS::DeleteColumns()
{
    if (!current_) return;
    int remaining = grid_->GetColumnCount() - 1;
    bool any = false;
    // Right to left so the numbers of the columns still to go stay valid; one column always stays.
    for (int c = grid_->GetColumnCount() - 1; c >= 1 && remaining > 1; --c) {
        if (!grid_->IsColumnSelected(c)) continue;
        grid_->DeleteColumn(c);
        --remaining;
        any = true;
    }
    if (!any) {
        ShowSharedMessage("gMSG_1", 1, {}, MessageButtons::Ok, MessageIcon::Warning, this);
        return;
    }
    StoreGrid();
    FillList();
    LoadGrid();
}

void CDlgATS::DeleteRows()
{
    const CellRange range = grid_->GetSelectedCellRange();
    if (!current_ || !range.IsValid() || range.maxRow < 1) {
        ShowSharedMessage("gMSG_1", 1, {}, MessageButtons::Ok, MessageIcon::Warning, this);
        return;
    }
    const int first = std::max(range.minRow, 1);
    const int count = std::min(range.maxRow - first + 1, grid_->GetRowCount() - 2);  // one row stays
    if (count < 1) return;
    grid_->DeleteRows(first, count);
    StoreGrid();
    FillList();
    LoadGrid();
}

void CDlgATS::ImportIntoCurrent()
{
    if (!current_) return;
    StoreGrid();
    const std::optional<ImportedSeries> imported = ImportAsciiFile(this, kDataFileSlotTimeSeries, 1);
    if (!imported) return;
    const AsciiMatrix& m = imported->matrix;
    if (!SetTimeSeriesSize(*current_, m.cols, m.rows)) throw std::bad_alloc();
    std::copy_n(m.values.get(), static_cast<std::size_t>(m.cols) * m.rows, current_->values);
    std::vector<std::u16string> titles;
    for (const std::string& title : imported->columnTitles) titles.push_back(Utf8ToUtf16(title));
    if (!SetColumnTitles(*current_, titles)) throw std::bad_alloc();
    if (imported->name && !SetTimeSeriesName(*current_, Utf8ToUtf16(*imported->name))) throw std::bad_alloc();
    FillList();
    LoadGrid();
}

void CDlgATS::Save()
{
    if (!current_) return;
    const std::optional<QString> path = PickTextFileToSave(kDataFileSlotTimeSeries, this);
    if (!path) return;
    const FileWriteResult written =
        SaveTimeSeriesText(grid_->Cells(), QFile::encodeName(*path).toStdString());
    if (!written)
        ShowSharedMessage("gMSG_FILE", 3,
                          *path + QStringLiteral("\n") + QString::fromStdString(written.Message()),
                          MessageButtons::Ok, MessageIcon::Warning, this);
}

// The formula's column goes into the series' values directly, so no value passes through "%g".
void CDlgATS::Formula()
{
    const CellRange range = grid_->GetSelectedCellRange();
    const int column = range.IsValid() ? range.minCol : 0;
    if (!current_ || current_->rows < 1 || column < 1 || column > current_->columns) {
        ShowSharedMessage("gMSG_1", 1, {}, MessageButtons::Ok, MessageIcon::Warning, this);
        return;
    }
    StoreGrid();
    std::vector<double> output(static_cast<std::size_t>(current_->rows));
    CDlgGDByFunc dialog(this);
    dialog.kind = FormulaKind::Column;
    dialog.source = current_->values;
    dialog.rows = current_->rows;
    dialog.columns = current_->columns;
    dialog.output = output.data();
    if (dialog.DoModal() != 1) return;
    std::copy(output.begin(), output.end(),
              current_->values + static_cast<std::size_t>(column - 1) * current_->rows);
    LoadGrid();
}

void CDlgATS::ShowGridMenu(const QPoint& globalPos)
{
    COvMenu menu;
    for (int i = 0; i < kGridMenuEntries; ++i) {
        const int command = kGridAddColumn + i;
        if (command == kGridDeleteColumns || command == kGridCut || command == kGridImport ||
            command == kGridFormula)
            menu.AppendSeparator();
        menu.AppendItem(kMenuNormal, command, gridMenuTexts_[static_cast<std::size_t>(i)],
                        GridMenuIcon(command));
    }
    if (const int command = menu.Track(globalPos); command != 0) RunCommand(command);
}

// ---- pick mode and closing ---------------------------------------------------------------------

void CDlgATS::RefreshOkState()
{
    ok_->setEnabled(CanPick(current_, SelectedRow()));
}

void CDlgATS::OnRelativeToggled(bool on)
{
    incremental_->setVisible(IsPickMode() && on);
}

void CDlgATS::NotifyHost()
{
    OvHostWindow* window = call_.hostWindow;
    if (window && window->send_message) window->send_message(window, OV_MSG_TIME_SERIES_PICKED, 1, 0);
}

void CDlgATS::accept()
{
    RunGuarded(this, [this] {
        if (!IsPickMode()) return;
        StoreGrid();
        const std::optional<SelectionRecord> picked = PickRow(
            *call_.selection, current_, SelectedRow(), {relative_->isChecked(), incremental_->isChecked()});
        if (!picked) return;
        *call_.selection = *picked;
        timer_->stop();
        NotifyHost();
        QDialog::accept();
    });
}

void CDlgATS::Empty()
{
    StoreGrid();
    *call_.selection = PickNone(*call_.selection, {relative_->isChecked(), incremental_->isChecked()});
    timer_->stop();
    NotifyHost();
    QDialog::reject();
}

// Cancel, Escape and the window's close button keep the grid's edits.
void CDlgATS::reject()
{
    if (!RunGuarded(this, [this] { StoreGrid(); })) return;
    timer_->stop();
    QDialog::reject();
}

bool CDlgATS::eventFilter(QObject* watched, QEvent* event)
{
    if (const std::optional<QPoint> at = ListMenuClickAt(watched, list_->viewport(), event)) {
        RunGuarded(this, [this, at] { ShowListMenu(*at); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ov
