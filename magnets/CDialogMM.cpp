// CDialogMM: controls built in code, the two toolbars' commands, the pop-up menus and the table kept
// in step with the current magnet. Every slot and event handler runs through the guard.
#include "magnets/CDialogMM.h"

#include "data/formula/CDlgGDByFunc.h"
#include "data/import/AsciiSeriesImport.h"
#include "data/import/DataFilePicker.h"
#include "framework/prompt/SetStrings.h"
#include "framework/settings/RegKeyHandle.h"
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
#include "grid/GridTextFile.h"
#include "magnets/MagnetList.h"
#include "magnets/MagnetMirror.h"
#include "magnets/MagnetTable.h"
#include "magnets/PatternCommand.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace ov {
namespace {

const char* const kFile = "MM.xml";
constexpr int kFirstColumnsWidth = 80;
constexpr int kOtherColumnsWidth = 110;

// (control id, entry of "gCL_1" / "gCL_1x") pairs; id 0 is the caption.
constexpr int32_t kTexts[] = {0,
                              1,
                              CDialogMM::kIdOk,
                              2,
                              CDialogMM::kIdCancel,
                              3,
                              CDialogMM::kIdDeleteSource,
                              4,
                              CDialogMM::kIdNewLayer,
                              5,
                              CDialogMM::kIdRelativeCoord,
                              6,
                              -1,
                              -1};

struct MenuEntry {
    int item;
    int entry;  // of the language section
    const char* builtIn;
    const char* icon;
};

constexpr MenuEntry kListMenu[] = {
    {CDialogMM::kListNew, 1, "New Magnet...", "menu/Add"},
    {CDialogMM::kListRename, 2, "Rename...", ""},
    {CDialogMM::kListCheckSelected, 3, "Check Selected", ""},
    {CDialogMM::kListUncheckSelected, 4, "Uncheck Selected", ""},
    {CDialogMM::kListCheckAll, 5, "Check All", ""},
    {CDialogMM::kListUncheckAll, 6, "Uncheck All", ""},
    {CDialogMM::kListDeleteSelected, 7, "Delete Selected", "tb/delete"},
    {CDialogMM::kListDeleteAll, 8, "Delete All", ""},
    {CDialogMM::kListRemoveTemporary, 9, "Remove Temporary Magnets", ""},
};

// The table menu shares the grid pop-up texts of "POPG.xml", "gGC_2" with the data table.
constexpr MenuEntry kTableMenu[] = {
    {CDialogMM::kTableImport, 9, "Import...", ""},
    {CDialogMM::kTableExport, 10, "Export...", ""},
    {CDialogMM::kTableFormula, 11, "Fill from Formula...", ""},
    {CDialogMM::kTableSetCount, 2, "Table Size...", ""},
    {CDialogMM::kTableDeleteRows, 5, "Delete Rows", "tb/delete"},
    {CDialogMM::kTableClear, 3, "Clear", ""},
    {CDialogMM::kTableCut, 6, "Cut", "tb/Cut"},
    {CDialogMM::kTableCopy, 7, "Copy", "tb/Copy"},
    {CDialogMM::kTablePaste, 8, "Paste", "tb/Paste"},
    {CDialogMM::kTableSelectAll, 12, "Select All", ""},
};

std::u16string Number(int32_t value)
{
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

}  // namespace

CDialogMM::CDialogMM(QWidget* parent, OvHostWindow* viewWindow, MagnetRecord& record)
    : QDialog(parent),
      viewWindow_(viewWindow),
      record_(record),
      copyMode_(record.scale_angle_mode != 0),
      mapping_(MappingFor(record, ReadUnitIndex())),
      options_(LoadMagnetDialogOptions()),
      texts_(std::make_unique<LangTable>())
{
    texts_->Open(CurrentLanguageCode(), kFile);
    BuildControls();
    ApplyTexts();
    const std::vector<COvMag*> magnets = MagnetsOf(record_);
    filling_ = true;
    FillList();
    SelectMagnet(magnets.empty() ? nullptr : magnets.front());
    filling_ = false;
    RefreshTable();
}

CDialogMM::~CDialogMM()
{
    SaveMagnetDialogOptions(options_);
}

void CDialogMM::BuildControls()
{
    setWindowTitle(copyMode_ ? QStringLiteral("Arrange Copies") : QStringLiteral("Magnets"));
    LangTable popg;
    popg.Open(CurrentLanguageCode(), "POPG.xml");
    for (const MenuEntry& e : kTableMenu) {
        const std::u16string text = popg.GetLocalizedText("gGC_2", e.entry);
        tableMenuTexts_.push_back(text.empty() ? QString::fromUtf8(e.builtIn)
                                               : QString::fromStdU16String(text));
    }

    listToolbar_ = new CDlgToolbar(this);
    listToolbar_->setObjectName(QStringLiteral("tb_DMM1"));
    listToolbar_->Load(QStringLiteral("tb_DMM1"));
    listToolbar_->setToolTip(QString::fromStdU16String(popg.GetLocalizedText("gGC_1", 1)));
    tableToolbar_ = new CDlgToolbar(this);
    tableToolbar_->setObjectName(QStringLiteral("tb_DMM2"));
    tableToolbar_->Load(QStringLiteral("tb_DMM2"));
    tableToolbar_->setToolTip(QString::fromStdU16String(popg.GetLocalizedText("gGC_1", 2)));

    list_ = Named(new QListWidget(this), kIdMagnetList);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->viewport()->installEventFilter(this);

    table_ = Named(new CGridCtrl(this), kIdTable);
    table_->verticalHeader()->setMinimumWidth(kFirstColumnsWidth);

    const char* const optionTexts[] = {"Delete source", "Create to new layer", "Use Absolute Coord"};
    bool* const optionValues[] = {&options_.deleteSource, &options_.newLayer, &options_.relativeCoord};
    auto* optionRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        optionBoxes_[i] = Named(new QCheckBox(QString::fromUtf8(optionTexts[i])), kIdDeleteSource + i);
        optionBoxes_[i]->setChecked(*optionValues[i]);
        bool* value = optionValues[i];
        connect(optionBoxes_[i], &QCheckBox::toggled, this,
                [this, value](bool on) { RunGuarded(this, [value, on] { *value = on; }); });
        optionRow->addWidget(optionBoxes_[i]);
    }
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(ControlName(kIdOk));
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName(ControlName(kIdCancel));
    connect(buttons_, &QDialogButtonBox::accepted, this, Guarded(this, [this] { accept(); }));
    connect(buttons_, &QDialogButtonBox::rejected, this, Guarded(this, [this] { reject(); }));
    optionRow->addStretch(1);
    optionRow->addWidget(buttons_);

    // In copy mode the list side stays out of the dialog's layout, so it is owned here.
    auto listSide = std::make_unique<QVBoxLayout>();
    listSide->addWidget(listToolbar_);
    listSide->addWidget(list_, 1);
    auto* tableSide = new QVBoxLayout;
    tableSide->addWidget(tableToolbar_);
    tableSide->addWidget(table_, 1);
    auto* panes = new QHBoxLayout;
    if (!copyMode_) panes->addLayout(listSide.release(), 1);
    panes->addLayout(tableSide, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(optionRow);

    // The other mode's controls stay hidden.
    listToolbar_->setVisible(!copyMode_);
    list_->setVisible(!copyMode_);
    for (QCheckBox* box : optionBoxes_) box->setVisible(copyMode_);
    buttons_->setVisible(copyMode_);
    resize(copyMode_ ? 600 : 720, 480);

    // Slots with arguments call the guard themselves: Guarded() wraps argument-free slots.
    const auto run = [this](int command) { RunGuarded(this, [this, command] { RunCommand(command); }); };
    connect(listToolbar_, &CDlgToolbar::commandPosted, this, run);
    connect(tableToolbar_, &CDlgToolbar::commandPosted, this, run);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { RunGuarded(this, [this, row] { OnCurrentRowChanged(row); }); });
    connect(list_, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { RunGuarded(this, [this, item] { OnItemChanged(item); }); });
    connect(list_, &QListWidget::itemSelectionChanged, this, Guarded(this, [this] { OnSelectionChanged(); }));
    connect(table_, &CGridCtrl::CellsEdited, this, Guarded(this, [this] { OnCellsEdited(); }));
    connect(table_, &CGridCtrl::RightButtonDown, this,
            [this](const QPoint& at) { RunGuarded(this, [this, at] { ShowTableMenu(at); }); });
}

void CDialogMM::ApplyTexts()
{
    ApplyLocalizedTexts(*texts_, copyMode_ ? "gCL_1x" : "gCL_1", kTexts, this);
}

QString CDialogMM::Text(const char* section, int entry, const char* builtIn) const
{
    const std::u16string text = texts_->GetLocalizedText(section, entry);
    return text.empty() ? QString::fromUtf8(builtIn) : QString::fromStdU16String(text);
}

bool CDialogMM::Prompt(SetStringsSetup& setup)
{
    const size_t wanted = setup.labels.size();
    return RunSetStrings(setup, this) == 1 && setup.values.size() >= wanted;
}

COvMag* CDialogMM::Current() const
{
    return record_.current_magnet ? COvMag::FromHandle(record_.current_magnet) : nullptr;
}

// ---- magnet list -------------------------------------------------------------------------------

void CDialogMM::FillList()
{
    const bool wasFilling = filling_;
    filling_ = true;
    list_->clear();
    int currentRow = -1;
    for (COvMag* magnet : MagnetsOf(record_)) {
        auto* item = new QListWidgetItem(QString::fromStdU16String(magnet->Name()), list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(magnet->Has(OV_MAG_CHECKED) ? Qt::Checked : Qt::Unchecked);
        item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(magnet)));
        item->setSelected(magnet->Has(OV_MAG_SELECTED));
        if (magnet == Current()) currentRow = list_->count() - 1;
    }
    if (currentRow >= 0) list_->setCurrentRow(currentRow, QItemSelectionModel::NoUpdate);
    filling_ = wasFilling;
}

void CDialogMM::SelectMagnet(COvMag* magnet)
{
    record_.current_magnet = magnet ? magnet->Handle() : nullptr;
    const std::vector<COvMag*> magnets = MagnetsOf(record_);
    const auto it = std::find(magnets.begin(), magnets.end(), magnet);
    const bool wasFilling = filling_;
    filling_ = true;
    list_->setCurrentRow(it == magnets.end() ? -1 : static_cast<int>(it - magnets.begin()),
                         QItemSelectionModel::NoUpdate);
    filling_ = wasFilling;
}

void CDialogMM::OnCurrentRowChanged(int row)
{
    if (filling_) return;
    const std::vector<COvMag*> magnets = MagnetsOf(record_);
    COvMag* next =
        row >= 0 && row < static_cast<int>(magnets.size()) ? magnets[static_cast<size_t>(row)] : nullptr;
    if (next == Current()) return;
    ApplyIfEdited();
    record_.current_magnet = next ? next->Handle() : nullptr;
    RefreshTable();
    NotifyHost();
}

void CDialogMM::OnItemChanged(QListWidgetItem* item)
{
    if (filling_ || !item) return;
    auto* magnet = static_cast<COvMag*>(item->data(Qt::UserRole).value<void*>());
    if (magnet) magnet->SetFlags(OV_MAG_CHECKED, item->checkState() == Qt::Checked);
}

void CDialogMM::OnSelectionChanged()
{
    if (filling_) return;
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        auto* magnet = static_cast<COvMag*>(item->data(Qt::UserRole).value<void*>());
        if (magnet) magnet->SetFlags(OV_MAG_SELECTED, item->isSelected());
    }
}

void CDialogMM::NewMagnet()
{
    SetStringsSetup setup;
    setup.title = Text("gDLG_1", 1, "New Magnet").toStdU16String();
    setup.labels = {Text("gDLG_1", 2, "Name").toStdU16String()};
    setup.values = {DefaultMagnetName(static_cast<int32_t>(MagnetsOf(record_).size()))};
    if (!Prompt(setup)) return;
    COvMag* magnet = AppendMagnet(record_, setup.values[0]);
    if (!magnet) throw std::bad_alloc();
    magnet->Append({static_cast<float>(mapping_.ox), static_cast<float>(mapping_.oy)});
    FillList();
    if (!Current()) {
        SelectMagnet(magnet);
        RefreshTable();
        NotifyHost();
    }
}

void CDialogMM::RenameCurrent()
{
    COvMag* magnet = Current();
    if (!magnet) return;
    SetStringsSetup setup;
    setup.title = Text("gDLG_1", 1, "Magnet").toStdU16String();
    setup.labels = {Text("gDLG_1", 2, "Name").toStdU16String()};
    setup.values = {magnet->Name()};
    if (!Prompt(setup)) return;
    RenameMagnet(*magnet, setup.values[0]);
    FillList();
}

void CDialogMM::SetChecks(bool selectedOnly, bool checked)
{
    ApplyIfEdited();
    for (COvMag* magnet : MagnetsOf(record_))
        if (!selectedOnly || magnet->Has(OV_MAG_SELECTED)) magnet->SetFlags(OV_MAG_CHECKED, checked);
    FillList();
}

void CDialogMM::RemoveWhere(const std::function<bool(const COvMag&)>& drop)
{
    ApplyIfEdited();
    RemoveMagnets(record_, drop);
    FillList();
    RefreshTable();
}

void CDialogMM::ShowListMenu(const QPoint& globalPos)
{
    COvMenu menu;
    for (const MenuEntry& e : kListMenu) {
        if (e.item == kListCheckSelected || e.item == kListDeleteSelected) menu.AppendSeparator();
        menu.AppendItem(kMenuNormal, e.item, Text("gPM_1", e.entry, e.builtIn), QString::fromUtf8(e.icon));
    }
    if (const int item = menu.Track(globalPos); item != 0) RunListMenuItem(item);
}

void CDialogMM::RunListMenuItem(int item)
{
    switch (item) {
    case kListNew: NewMagnet(); break;
    case kListRename: RenameCurrent(); break;
    case kListCheckSelected: SetChecks(true, true); break;
    case kListUncheckSelected: SetChecks(true, false); break;
    case kListCheckAll: SetChecks(false, true); break;
    case kListUncheckAll: SetChecks(false, false); break;
    case kListDeleteSelected: RemoveWhere([](const COvMag& m) { return m.Has(OV_MAG_SELECTED); }); break;
    case kListDeleteAll:
        edited_ = false;
        RemoveWhere([](const COvMag&) { return true; });
        break;
    case kListRemoveTemporary: RemoveWhere([](const COvMag& m) { return m.Has(OV_MAG_TEMPORARY); }); break;
    default: break;
    }
}

// ---- commands ---------------------------------------------------------------------------------

void CDialogMM::RunCommand(int command)
{
    switch (command) {
    case kNewMagnet: NewMagnet(); break;
    case kDeleteSelected: RunListMenuItem(kListDeleteSelected); break;
    case kCheckAll: SetChecks(false, true); break;
    case kUncheckAll: SetChecks(false, false); break;
    case kApplyTable:
        if (!Current()) break;
        ApplyTable();
        RefreshTable();
        NotifyHost();
        break;
    case kSetCount: SetCount(); break;
    case static_cast<int>(PatternKind::Cross):
    case static_cast<int>(PatternKind::Line):
    case static_cast<int>(PatternKind::Circle):
    case static_cast<int>(PatternKind::Grid):
    case static_cast<int>(PatternKind::StaggeredColumns):
    case static_cast<int>(PatternKind::StaggeredRows): RunPattern(command); break;
    case kMirrorX:
    case kMirrorY: Mirror(command); break;
    case kImport: Import(); break;
    case kExport: Export(); break;
    case kFormula: Formula(); break;
    default: break;  // 6 to 9 and anything else do nothing
    }
}

void CDialogMM::RunPattern(int command)
{
    COvMag* magnet = Current();
    if (!magnet) return;
    const auto kind = static_cast<PatternKind>(command);
    MagnetPatternSettings settings = LoadMagnetPatternSettings();
    const std::vector<PatternField> fields = PatternFields(settings, kind);
    const char* section = PatternSection(kind);
    SetStringsSetup setup;
    setup.title = Text(section, 1, "Pattern").toStdU16String();
    for (size_t i = 0; i < fields.size(); ++i) {
        const std::u16string label = texts_->GetLocalizedText(section, static_cast<int>(i) + 2);
        setup.labels.push_back(label.empty() ? Utf8ToUtf16(fields[i].name) + u" ##" : label);
    }
    setup.values = PatternFieldTexts(fields);
    if (!Prompt(setup) || !ReadPatternFieldTexts(fields, setup.values)) return;
    const std::vector<UserPoint> points = PatternPoints(settings, kind, copyMode_);
    ReplaceWithPoints(record_, *magnet, points, mapping_);
    edited_ = false;
    RefreshTable();
    SaveMagnetPatternSettings(settings);
    NotifyHost();
}

void CDialogMM::SetCount()
{
    COvMag* magnet = Current();
    if (!magnet) return;
    ApplyIfEdited();
    LangTable prompts;
    prompts.Open(CurrentLanguageCode(), "SSDlg.xml");
    const auto text = [&](int entry, std::u16string_view builtIn) {
        const std::u16string t = prompts.GetLocalizedText("gDLG_8", entry);
        return t.empty() ? std::u16string(builtIn) : t;
    };
    SetStringsSetup setup;
    setup.title = text(1, u"Size");
    setup.labels = {text(3, u"Rows ##")};
    setup.values = {Number(magnet->Count())};
    if (!Prompt(setup)) return;
    const int32_t count = std::max(ParseInteger(setup.values[0]), 1);
    const OvPointF origin{static_cast<float>(mapping_.ox), static_cast<float>(mapping_.oy)};
    magnet->Resize(count, origin);
    if (copyMode_ && record_.scale_angle)
        COvMag::FromHandle(record_.scale_angle)->Resize(count, {1.0f, 0.0f});
    RefreshTable();
}

void CDialogMM::Mirror(int command)
{
    COvMag* magnet = Current();
    if (!magnet) return;
    const MirrorAxis axis = command == kMirrorX ? MirrorAxis::Vertical : MirrorAxis::Horizontal;
    const std::vector<TableRow> rows = MirrorRows(ReadTableRows(table_->Cells(), copyMode_), axis);
    SetMagnetContent(record_, *magnet, ContentFromRows(rows, mapping_));
    edited_ = false;
    RefreshTable();
}

void CDialogMM::Import()
{
    COvMag* magnet = Current();
    if (!magnet) return;
    const std::optional<ImportedSeries> imported = ImportAsciiFile(this, kDataFileSlotMagnets, 0);
    if (!imported) return;
    const AsciiMatrix& m = imported->matrix;
    MagnetContent content = ContentFromMatrix(m.values.get(), m.cols, m.rows, mapping_);
    if (content.positions.empty()) return;
    SetMagnetContent(record_, *magnet, std::move(content));
    edited_ = false;
    RefreshTable();
}

void CDialogMM::Export()
{
    if (!Current()) return;
    const std::optional<QString> path = PickTextFileToSave(kDataFileSlotMagnets, this);
    if (!path) return;
    const GridCells& cells = table_->Cells();
    if (!SaveGridText(cells, QFile::encodeName(*path).toStdString(), PositionsTextOptions(cells)))
        ShowSharedMessage("gMSG_FILE", 3, *path, MessageButtons::Ok, MessageIcon::Warning, this);
}

void CDialogMM::Formula()
{
    COvMag* magnet = Current();
    const CellRange range = table_->GetSelectedCellRange();
    const int column = range.IsValid() ? range.minCol : 0;
    if (!magnet || column < 1 || column > TableColumns(copyMode_) || magnet->Count() < 1) {
        ShowSharedMessage("gMSG_1", 1, {}, MessageButtons::Ok, MessageIcon::Warning, this);
        return;
    }
    ApplyIfEdited();
    RefreshTable();
    const std::vector<TableRow> rows = ReadTableRows(table_->Cells(), copyMode_);
    const std::vector<double> source = FormulaSource(rows, copyMode_);
    std::vector<double> output(rows.size());
    CDlgGDByFunc dialog(this);
    dialog.kind = FormulaKind::Column;
    dialog.source = source.data();
    dialog.rows = static_cast<int32_t>(rows.size());
    dialog.columns = TableColumns(copyMode_);
    dialog.output = output.data();
    if (dialog.DoModal() != 1) return;
    for (size_t r = 0; r < output.size(); ++r)
        table_->SetItemText(static_cast<int>(r) + 1, column,
                            QString::fromStdString(TableCellText(output[r])));
    table_->Redraw();
    edited_ = true;
}

// ---- table ------------------------------------------------------------------------------------

void CDialogMM::RefreshTable()
{
    const COvMag* magnet = Current();
    const COvMag* pairs =
        copyMode_ && record_.scale_angle ? COvMag::FromHandle(record_.scale_angle) : nullptr;
    const std::vector<TableRow> rows =
        magnet ? RowsOfMagnet(*magnet, pairs, mapping_) : std::vector<TableRow>{};
    table_->ResetCells([&](GridCells& cells) { FillTable(cells, rows, copyMode_); });
    table_->setEnabled(magnet != nullptr);
    for (int c = 0; c < TableColumns(copyMode_); ++c)
        table_->setColumnWidth(c, c < 2 ? kFirstColumnsWidth : kOtherColumnsWidth);
    table_->Redraw();
    edited_ = false;
}

void CDialogMM::ApplyTable()
{
    COvMag* magnet = Current();
    if (!magnet || applying_) return;
    applying_ = true;
    SetMagnetContent(record_, *magnet, ContentFromRows(ReadTableRows(table_->Cells(), copyMode_), mapping_));
    applying_ = false;
    edited_ = false;
}

void CDialogMM::ApplyIfEdited()
{
    if (edited_) ApplyTable();
}

void CDialogMM::OnCellsEdited()
{
    if (applying_) return;
    edited_ = true;
    const GridCells& cells = table_->Cells();
    const int last = cells.RowCount() - 1;
    const bool lastRowTyped =
        last >= 1 && (!cells.Text(last, kColumnX).empty() || !cells.Text(last, kColumnY).empty());
    if (!lastRowTyped) return;
    ApplyTable();
    RefreshTable();
}

void CDialogMM::DeleteRows()
{
    if (!Current()) return;
    if (table_->GetRowCount() < 3) {
        ClearTable();
    } else {
        const CellRange range = table_->GetSelectedCellRange();
        const int first = std::max(range.minRow, 1);
        const int last = std::min(range.maxRow, table_->GetRowCount() - 2);  // the " * " row stays
        if (range.IsValid() && last >= first) table_->DeleteRows(first, last - first + 1);
    }
    table_->Redraw();
    ApplyTable();
    RefreshTable();
}

void CDialogMM::ClearTable()
{
    table_->ClearCells();
    table_->Redraw();
}

void CDialogMM::ShowTableMenu(const QPoint& globalPos)
{
    COvMenu menu;
    for (size_t i = 0; i < std::size(kTableMenu); ++i) {
        const MenuEntry& e = kTableMenu[i];
        if (e.item == kTableDeleteRows || e.item == kTableCut || e.item == kTableSelectAll)
            menu.AppendSeparator();
        menu.AppendItem(kMenuNormal, e.item, tableMenuTexts_[i], QString::fromUtf8(e.icon));
    }
    if (const int item = menu.Track(globalPos); item != 0) RunTableMenuItem(item);
}

void CDialogMM::RunTableMenuItem(int item)
{
    switch (item) {
    case kTableImport: Import(); break;
    case kTableExport: Export(); break;
    case kTableFormula: Formula(); break;
    case kTableSetCount: SetCount(); break;
    case kTableDeleteRows: DeleteRows(); break;
    case kTableClear: ClearTable(); break;
    case kTableCut:
    case kTablePaste:
        if (!Current()) break;
        item == kTableCut ? table_->Cut() : table_->Paste();
        table_->Redraw();
        ApplyTable();
        RefreshTable();
        break;
    case kTableCopy: table_->Copy(); break;
    case kTableSelectAll: table_->selectAll(); break;
    default: break;
    }
}

void CDialogMM::NotifyHost()
{
    if (copyMode_ || !viewWindow_ || !viewWindow_->send_message) return;
    viewWindow_->send_message(viewWindow_, OV_MSG_MAGNETS_CHANGED, 0, 0);
}

void CDialogMM::accept()
{
    if (!RunGuarded(this, [this] { ApplyTable(); })) return;
    QDialog::accept();
}

bool CDialogMM::eventFilter(QObject* watched, QEvent* event)
{
    if (const std::optional<QPoint> at = ListMenuClickAt(watched, list_->viewport(), event)) {
        RunGuarded(this, [this, at] { ShowListMenu(*at); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ov
