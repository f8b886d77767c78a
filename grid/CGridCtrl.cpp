// CGridCtrl: the view side of the grid. Sections are fixed-size so a million rows lay out and scroll
// without measuring each one.
#include "grid/CGridCtrl.h"

#include "framework/ui/GuardedHandler.h"
#include "framework/ui/InterfaceFont.h"
#include "grid/GridClipboardText.h"
#include "grid/GridModel.h"
#include "grid/GridTextFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

namespace ov {

CGridCtrl::CGridCtrl(QWidget* parent) : QTableView(parent), model_(new GridModel(this))
{
    setModel(model_);
    setFont(InterfaceFont());
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(true);
    ApplyFontMetrics();
    connect(model_, &GridModel::CellsEdited, this, &CGridCtrl::CellsEdited);
    // The corner shows cell (0, 0) ("X \ Y" on the surface page); it repaints with the headers.
    if (auto* corner = findChild<QAbstractButton*>()) {
        corner->installEventFilter(this);
        const auto repaint = [corner] { corner->update(); };
        connect(model_, &QAbstractItemModel::headerDataChanged, corner, repaint);
        connect(model_, &QAbstractItemModel::modelReset, corner, repaint);
    }
}

void CGridCtrl::ApplyFontMetrics()
{
    const QFontMetrics metrics(font());
    verticalHeader()->setDefaultSectionSize(metrics.height() + metrics.height() / 2);
    // Room for a ten-decimal value with a few integer digits, and the cell's margins.
    horizontalHeader()->setDefaultSectionSize(metrics.horizontalAdvance(QStringLiteral("-0000.0000000000")) +
                                              metrics.averageCharWidth() * 2);
}

void CGridCtrl::ResetCells(const std::function<void(GridCells&)>& change)
{
    model_->Reshape(change);
}

void CGridCtrl::SetRowCount(int rows)
{
    model_->Reshape([rows](GridCells& cells) { cells.SetRowCount(rows); });
}

void CGridCtrl::SetColumnCount(int cols)
{
    model_->Reshape([cols](GridCells& cells) { cells.SetColumnCount(cols); });
}

int CGridCtrl::GetRowCount() const
{
    return model_->Cells().RowCount();
}

int CGridCtrl::GetColumnCount() const
{
    return model_->Cells().ColumnCount();
}

QString CGridCtrl::GetItemText(int row, int col) const
{
    return QString::fromStdString(model_->Cells().Text(row, col));
}

void CGridCtrl::SetItemText(int row, int col, const QString& text)
{
    model_->ChangeTexts({row, col, row, col},
                        [&](GridCells& cells) { cells.SetText(row, col, text.toStdString()); });
}

void CGridCtrl::LoadNumbers(const double* values, int rows, int cols)
{
    model_->Reshape([&](GridCells& cells) { cells.LoadNumbers(values, rows, cols); });
}

std::vector<double> CGridCtrl::CellValues() const
{
    return model_->Cells().Values();
}

void CGridCtrl::ClearCells()
{
    model_->ChangeTexts({0, 0, GetRowCount() - 1, GetColumnCount() - 1},
                        [](GridCells& cells) { cells.ClearData(); });
}

CellRange CGridCtrl::GetSelectedCellRange() const
{
    CellRange range;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& part : selection) {
        if (!part.isValid()) continue;
        const bool first = !range.IsValid();
        range.minRow = first ? part.top() + 1 : std::min(range.minRow, part.top() + 1);
        range.minCol = first ? part.left() + 1 : std::min(range.minCol, part.left() + 1);
        range.maxRow = first ? part.bottom() + 1 : std::max(range.maxRow, part.bottom() + 1);
        range.maxCol = first ? part.right() + 1 : std::max(range.maxCol, part.right() + 1);
    }
    return range;
}

bool CGridCtrl::IsCellSelected(int row, int col) const
{
    if (row < 1 || col < 1) return false;
    return selectionModel()->isSelected(model_->index(row - 1, col - 1));
}

bool CGridCtrl::IsColumnSelected(int col) const
{
    return col >= 1 && GetRowCount() > 1 && selectionModel()->isColumnSelected(col - 1, {});
}

bool CGridCtrl::IsRowSelected(int row) const
{
    return row >= 1 && GetColumnCount() > 1 && selectionModel()->isRowSelected(row - 1, {});
}

void CGridCtrl::SelectCells(const CellRange& range)
{
    if (!range.IsValid() || range.minRow < 1 || range.minCol < 1) return;
    const QModelIndex topLeft = model_->index(range.minRow - 1, range.minCol - 1);
    const QModelIndex bottomRight = model_->index(range.maxRow - 1, range.maxCol - 1);
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
}

void CGridCtrl::DeleteRows(int first, int count)
{
    model_->RemoveRows(first, count);
}

void CGridCtrl::DeleteColumns(int first, int count)
{
    model_->RemoveColumns(first, count);
}

void CGridCtrl::Copy()
{
    const CellRange range = GetSelectedCellRange();
    if (!range.IsValid()) return;
    const std::string text =
        CopyText(model_->Cells(), range, [this](int row, int col) { return IsCellSelected(row, col); });
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void CGridCtrl::ClearSelection()
{
    const CellRange range = GetSelectedCellRange();
    if (model_->IsReadOnly() || !range.IsValid()) return;
    bool cleared = false;
    model_->ChangeTexts(range, [&](GridCells& cells) {
        cleared = ClearRange(cells, range, [this](int row, int col) { return IsCellSelected(row, col); });
    });
    if (cleared) Q_EMIT CellsEdited();
}

void CGridCtrl::Cut()
{
    Copy();
    ClearSelection();
}

QModelIndex CGridCtrl::PasteStart() const
{
    const CellRange range = GetSelectedCellRange();
    if (range.IsValid()) return model_->index(range.minRow - 1, range.minCol - 1);
    return currentIndex();
}

void CGridCtrl::Paste()
{
    const QModelIndex start = PasteStart();
    if (model_->IsReadOnly() || !start.isValid()) return;
    const std::string text = QApplication::clipboard()->text().toStdString();
    const int row = start.row() + 1;
    const int col = start.column() + 1;
    CellRange filled;
    model_->ChangeTexts({row, col, GetRowCount() - 1, GetColumnCount() - 1},
                        [&](GridCells& cells) { filled = PasteText(cells, row, col, text); });
    if (filled.IsValid()) Q_EMIT CellsEdited();
}

bool CGridCtrl::Save(const QString& path) const
{
    return SaveGridText(model_->Cells(), QFile::encodeName(path).toStdString());
}

bool CGridCtrl::GetModified() const
{
    return model_->Cells().IsModified();
}

void CGridCtrl::SetModified(bool modified)
{
    model_->SetModified(modified);
}

void CGridCtrl::SetEditable(bool editable)
{
    model_->SetReadOnly(!editable);
}

void CGridCtrl::Redraw()
{
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
}

const GridCells& CGridCtrl::Cells() const
{
    return model_->Cells();
}

void CGridCtrl::keyPressEvent(QKeyEvent* event)
{
    RunGuarded(this, [&] {
        if (event->matches(QKeySequence::Copy)) {
            Copy();
        } else if (event->matches(QKeySequence::Cut)) {
            Cut();
        } else if (event->matches(QKeySequence::Paste)) {
            Paste();
        } else if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
            ClearSelection();
        } else {
            QTableView::keyPressEvent(event);
            return;
        }
        event->accept();
    });
}

void CGridCtrl::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        QTableView::mousePressEvent(event);
        if (event->button() == Qt::RightButton) Q_EMIT RightButtonDown(event->globalPosition().toPoint());
    });
}

bool CGridCtrl::eventFilter(QObject* watched, QEvent* event)
{
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (!corner || event->type() != QEvent::Paint) return QTableView::eventFilter(watched, event);
    RunGuarded(this, [&] {
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.state |= QStyle::State_Raised;
        option.rect = corner->rect();
        option.text = GetItemText(0, 0);
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        QPainter painter(corner);
        corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    });
    return true;
}

}  // namespace ov
