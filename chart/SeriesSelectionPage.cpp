// Series selection column: names (with the coordinate system in kind 2) and multi-selection.
#include "chart/SeriesSelectionPage.h"

#include "chart/CDlgXYPP.h"
#include "chart/DataSeriesObject.h"
#include "framework/DialogTexts.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace ov {
namespace {

QString RowText(const DataSeries& s, int kind)
{
    QString name = QString::fromUtf16(reinterpret_cast<const char16_t*>(s.name ? s.name : u""));
    if (kind != 2) return name;
    static const char* const kSystems[] = {"X-Y", "X-Y#2", "X-Y#3"};
    const int system = SeriesSystem(s);
    return name + QStringLiteral("\t") + QLatin1String(system <= 2 ? kSystems[system] : kSystems[0]);
}

}  // namespace

SeriesSelectionPage::SeriesSelectionPage(CDlgXYPP& sheet) : SheetPage(&sheet), sheet_(sheet)
{
    list_ = new QListWidget(this);
    list_->setObjectName(ControlName(kSeriesListControl));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(list_);
    Refill();
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] { sheet_.SelectCurrentSeries(); });
}

void SeriesSelectionPage::Refill()
{
    const QSignalBlocker block(list_);
    list_->clear();
    for (DataSeries* s : sheet_.SeriesList()) list_->addItem(RowText(*s, sheet_.Record().kind));
}

std::vector<DataSeries*> SeriesSelectionPage::SelectedSeries() const
{
    const std::vector<DataSeries*> all = sheet_.SeriesList();
    std::vector<DataSeries*> selected;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected() && row < static_cast<int>(all.size()))
            selected.push_back(all[static_cast<std::size_t>(row)]);
    return selected;
}

void SeriesSelectionPage::SelectRow(int row)
{
    if (row >= 0 && row < list_->count()) list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void SeriesSelectionPage::RefreshCoordinateSystem()
{
    const std::vector<DataSeries*> all = sheet_.SeriesList();
    for (int row = 0; row < list_->count() && row < static_cast<int>(all.size()); ++row)
        list_->item(row)->setText(RowText(*all[static_cast<std::size_t>(row)], sheet_.Record().kind));
}

}  // namespace ov
