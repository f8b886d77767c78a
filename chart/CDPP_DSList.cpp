// CDPP_DSList: edits the host's series list in place. Refills keep the selection through each series'
// transient mark, so a reordered list selects the same series again.
#include "chart/CDPP_DSList.h"

#include "chart/CDlgXYPP.h"
#include "chart/DataSeriesObject.h"
#include "chart/SeriesListMoves.h"
#include "chart/SeriesPrompts.h"
#include "chart/SeriesValues.h"
#include "data/import/AsciiSeriesImport.h"
#include "data/import/DataFilePicker.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/text/Utf16Conversion.h"
#include "framework/toolbar/CDlgToolbar.h"
#include "framework/toolbar/COvMenu.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ov {
namespace {

constexpr int kPopupTexts = 11;
constexpr int kNewSeriesMinimum = 1;
constexpr int kNewSeriesMaximum = 2000;

QString SeriesName(const DataSeries& s)
{
    return QString::fromStdU16String(s.name ? std::u16string(s.name) : std::u16string());
}

QString SystemText(const DataSeries& s)
{
    static const char* const kSystems[] = {"X-Y", "X-Y#2", "X-Y#3"};
    const int system = SeriesSystem(s);
    return QLatin1String(system >= 0 && system <= 2 ? kSystems[system] : kSystems[0]);
}

std::u16string Numbered(const char* pattern, int number)
{
    const QString text = QString::asprintf(pattern, number);
    return text.toStdU16String();
}

}  // namespace

CDPP_DSList::CDPP_DSList(CDlgXYPP& sheet) : SheetPage(&sheet), sheet_(sheet)
{
    LangTable table;
    table.Open(CurrentLanguageCode(), "GP1.xml");
    for (int i = 1; i <= kPopupTexts; ++i) popupTexts_.push_back(table.GetLocalizedText("gPOP1", i));
    const std::u16string nameHeader = table.GetLocalizedText("gLC1", 1);
    const std::u16string systemHeader = table.GetLocalizedText("gLC1", 2);

    toolbar_ = new CDlgToolbar(this);
    toolbar_->setObjectName(QStringLiteral("tb_DSList"));
    toolbar_->Load(QStringLiteral("tb_DSList"));
    list_ = new QTreeWidget(this);
    list_->setObjectName(ControlName(kSeriesListControl));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setColumnCount(2);
    const bool systems = sheet_.Kind() == 2;
    list_->setHeaderLabels(
        {systems ? (systemHeader.empty() ? tr("Coordinate") : QString::fromStdU16String(systemHeader))
                 : QString(),
         nameHeader.empty() ? tr("Name") : QString::fromStdU16String(nameHeader)});
    const int width = QFontMetrics(font()).horizontalAdvance(QStringLiteral("X-Y#3 ")) + 30;
    list_->header()->setMinimumSectionSize(1);
    list_->setColumnWidth(0, systems ? width : 1);
    list_->setColumnWidth(1, 2 * width);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(toolbar_);
    layout->addWidget(list_, 1);
    connect(toolbar_, &CDlgToolbar::commandPosted, this,
            Guarded(this, [this](int command) { RunCommand(command); }));
    connect(list_, &QTreeWidget::itemSelectionChanged, this,
            Guarded(this, [this] { sheet_.SelectCurrentSeries(); }));
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            Guarded(this, [this](QTreeWidgetItem* item) { Rename(list_->indexOfTopLevelItem(item)); }));
    Refill();
}

QString CDPP_DSList::Text(int entry, const char* builtIn) const
{
    const std::u16string& text = popupTexts_[static_cast<std::size_t>(entry - 1)];
    return text.empty() ? tr(builtIn) : QString::fromStdU16String(text);
}

void CDPP_DSList::Refill()
{
    const QSignalBlocker block(list_);
    list_->clear();
    const bool systems = sheet_.Kind() == 2;
    for (DataSeries* s : sheet_.SeriesList())
        list_->addTopLevelItem(new QTreeWidgetItem({systems ? SystemText(*s) : QString(), SeriesName(*s)}));
}

void CDPP_DSList::MarkSelectedSeries()
{
    const std::vector<DataSeries*> all = sheet_.SeriesList();
    for (int row = 0; row < static_cast<int>(all.size()); ++row) {
        const QTreeWidgetItem* item = list_->topLevelItem(row);
        all[static_cast<std::size_t>(row)]->selection_mark = item != nullptr && item->isSelected() ? 1 : 0;
    }
}

void CDPP_DSList::RefillSelectingMarked()
{
    const std::vector<DataSeries*> all = sheet_.SeriesList();
    Refill();
    {
        const QSignalBlocker block(list_);
        for (int row = 0; row < static_cast<int>(all.size()); ++row) {
            DataSeries* s = all[static_cast<std::size_t>(row)];
            if (s->selection_mark != 0) list_->topLevelItem(row)->setSelected(true);
            s->selection_mark = 0;
        }
    }
    sheet_.SelectCurrentSeries();
}

std::vector<DataSeries*> CDPP_DSList::SelectedSeries() const
{
    const std::vector<DataSeries*> all = sheet_.SeriesList();
    std::vector<DataSeries*> selected;
    for (int row = 0; row < list_->topLevelItemCount() && row < static_cast<int>(all.size()); ++row)
        if (list_->topLevelItem(row)->isSelected()) selected.push_back(all[static_cast<std::size_t>(row)]);
    return selected;
}

void CDPP_DSList::SelectRow(int row)
{
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (item == nullptr) return;
    list_->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void CDPP_DSList::RefreshCoordinateSystem()
{
    const std::vector<DataSeries*> all = sheet_.SeriesList();
    const bool systems = sheet_.Kind() == 2;
    for (int row = 0; row < list_->topLevelItemCount() && row < static_cast<int>(all.size()); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        item->setText(0, systems ? SystemText(*all[static_cast<std::size_t>(row)]) : QString());
        item->setText(1, SeriesName(*all[static_cast<std::size_t>(row)]));
    }
}

void CDPP_DSList::RunCommand(int command)
{
    switch (command) {
    case kListMenu: ShowPopup(mapToGlobal(toolbar_->geometry().bottomLeft())); break;
    case kListDelete: DeleteSelected(); break;
    case kListMoveUp: Move(SeriesMove::kUp); break;
    case kListMoveTop: Move(SeriesMove::kTop); break;
    case kListMoveDown: Move(SeriesMove::kDown); break;
    case kListMoveBottom: Move(SeriesMove::kBottom); break;
    case kListRename: {
        const QList<QTreeWidgetItem*> selected = list_->selectedItems();
        if (!selected.isEmpty()) Rename(list_->indexOfTopLevelItem(selected.front()));
        break;
    }
    case kListImport: Import(); break;
    case kListNewSeries: NewSeries(); break;
    default:
        if (command >= kListFirstPath) SeriesFromPath(command - kListFirstPath);
        break;
    }
}

void CDPP_DSList::DeleteSelected()
{
    OvHostList* list = sheet_.SeriesHostList();
    if (list == nullptr) return;
    int lastRow = -1;
    for (int row = list_->topLevelItemCount() - 1; row >= 0; --row) {
        if (!list_->topLevelItem(row)->isSelected()) continue;
        lastRow = std::max(lastRow, row);
        auto* series = static_cast<DataSeries*>(ov_list_remove_at(list, row));
        sheet_.SeriesRemoved(series);
        DestroyDataSeries(series);
    }
    if (lastRow < 0) return;
    Refill();
    SelectRow(std::min(lastRow, list_->topLevelItemCount() - 1));
}

void CDPP_DSList::Move(SeriesMove move)
{
    OvHostList* list = sheet_.SeriesHostList();
    if (list == nullptr) return;
    const std::vector<DataSeries*> all = sheet_.SeriesList();
    std::vector<bool> selected;
    for (int row = 0; row < static_cast<int>(all.size()); ++row) {
        const QTreeWidgetItem* item = list_->topLevelItem(row);
        selected.push_back(item != nullptr && item->isSelected());
    }
    const std::vector<int> order = MovedOrder(selected, move);
    MarkSelectedSeries();
    int node = 0;
    for (OvHostListNode* n = list->head; n != nullptr; n = n->next, ++node)
        n->data = all[static_cast<std::size_t>(order[static_cast<std::size_t>(node)])];
    RefillSelectingMarked();
}

void CDPP_DSList::Rename(int row)
{
    const std::vector<DataSeries*> all = sheet_.SeriesList();
    if (row < 0 || row >= static_cast<int>(all.size())) return;
    DataSeries& series = *all[static_cast<std::size_t>(row)];
    std::u16string name = series.name ? std::u16string(series.name) : std::u16string();
    if (!PromptSeriesName(this, name)) return;
    MarkSelectedSeries();
    RenameSeries(series, name);
    RefillSelectingMarked();
}

void CDPP_DSList::Import()
{
    const QStringList paths = PickDataFiles(this);
    if (paths.isEmpty()) return;
    std::vector<ImportedSeries> imported = ImportAsciiFiles(this, paths, 1);
    DataSeries* last = nullptr;
    for (ImportedSeries& file : imported) {
        const int number = static_cast<int>(sheet_.SeriesList().size()) + 1;
        const std::u16string name = file.name ? Utf8ToUtf16(*file.name) : Numbered("DatSer_%d", number);
        DataSeries* series = CreateDataSeries();
        if (series == nullptr) break;
        const AsciiMatrix& m = file.matrix;
        if (!RenameSeries(*series, name) || !ReplaceSeriesValues(*series, m.cols, m.rows, m.values.get()) ||
            !ov_list_append(sheet_.SeriesHostList(), series)) {
            DestroyDataSeries(series);
            break;
        }
        last = series;
    }
    Refill();
    if (last != nullptr) SelectRow(list_->topLevelItemCount() - 1);
}

void CDPP_DSList::NewSeries()
{
    if (sheet_.SeriesHostList() == nullptr) return;
    std::u16string name = Numbered("DatSer_%d", static_cast<int>(sheet_.SeriesList().size()) + 1);
    TableSize size = ReadOfferedSize(kChartSeriesSize);
    if (!PromptNewSeries(this, name, size, kNewSeriesMinimum, kNewSeriesMaximum)) return;
    WriteOfferedSize(kChartSeriesSize, size);
    AppendAndSelect(CreateNumberedSeries(name, size.columns, size.rows));
}

std::vector<const DrawingPath*> CDPP_DSList::OfferedPaths() const
{
    std::vector<const DrawingPath*> paths;
    const DrawingContext* context = sheet_.Context();
    if (context == nullptr) return paths;
    for (const OvHostListNode* n = context->paths.head; n != nullptr; n = n->next) {
        const auto* path = static_cast<const DrawingPath*>(n->data);
        if (path != nullptr && path->excluded == 0 && path->count >= 2) paths.push_back(path);
    }
    return paths;
}

void CDPP_DSList::SeriesFromPath(int index)
{
    const std::vector<const DrawingPath*> paths = OfferedPaths();
    if (index < 0 || index >= static_cast<int>(paths.size()) || sheet_.SeriesHostList() == nullptr) return;
    const DrawingPath& path = *paths[static_cast<std::size_t>(index)];
    std::u16string name = path.name ? std::u16string(path.name) : std::u16string();
    if (!PromptSeriesName(this, name)) return;
    DataSeries* series = ov::SeriesFromPath(path, *sheet_.Context());
    if (series != nullptr && !RenameSeries(*series, name)) {
        DestroyDataSeries(series);
        series = nullptr;
    }
    AppendAndSelect(series);
}

void CDPP_DSList::AppendAndSelect(DataSeries* series)
{
    if (series == nullptr) return;
    if (!ov_list_append(sheet_.SeriesHostList(), series)) {
        DestroyDataSeries(series);
        return;
    }
    Refill();
    SelectRow(list_->topLevelItemCount() - 1);
}

void CDPP_DSList::ShowPopup(const QPoint& globalPos)
{
    COvMenu menu;
    menu.AppendItem(kMenuNormal, kListNewSeries, Text(1, "New Series..."), QStringLiteral("menu/Add"));
    menu.AppendSeparator();
    COvMenu& paths = menu.AppendSubmenu(Text(2, "Series from Drawing Path"));
    const std::vector<const DrawingPath*> offered = OfferedPaths();
    for (int i = 0; i < static_cast<int>(offered.size()); ++i) {
        const DrawingPath& path = *offered[static_cast<std::size_t>(i)];
        paths.AppendItem(kMenuNormal, kListFirstPath + i,
                         QString::fromStdU16String(path.name ? std::u16string(path.name) : std::u16string()));
    }
    if (offered.empty()) paths.AppendItem(kMenuGreyed, kListNoPath, Text(11, "(no drawing path)"));
    menu.AppendSeparator();
    menu.AppendItem(kMenuNormal, kListImport, Text(3, "Import from Files..."), QStringLiteral("tb/import"));
    menu.AppendSeparator();
    COvMenu& moves = menu.AppendSubmenu(Text(4, "Move"));
    moves.AppendItem(kMenuNormal, kListMoveUp, Text(5, "Move Up"), QStringLiteral("tb/move_up"));
    moves.AppendItem(kMenuNormal, kListMoveTop, Text(6, "Move to Top"), QStringLiteral("tb/move_top"));
    moves.AppendItem(kMenuNormal, kListMoveDown, Text(7, "Move Down"), QStringLiteral("tb/move_down"));
    moves.AppendItem(kMenuNormal, kListMoveBottom, Text(8, "Move to Bottom"),
                     QStringLiteral("tb/move_bottom"));
    if (const int command = menu.Track(globalPos); command != 0) RunCommand(command);
}

void CDPP_DSList::keyPressEvent(QKeyEvent* event)
{
    RunGuarded(this, [&] {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return sheet_.accept();
        if (event->key() == Qt::Key_Escape) return sheet_.reject();
        SheetPage::keyPressEvent(event);
    });
}

void CDPP_DSList::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (event->button() == Qt::RightButton) return ShowPopup(event->globalPosition().toPoint());
        SheetPage::mousePressEvent(event);
    });
}

}  // namespace ov
