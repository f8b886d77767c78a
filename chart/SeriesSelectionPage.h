// SeriesSelectionPage: the left column of the data and chart-style tabs, reduced to choosing series:
// one row per series of the sheet's list, several may be selected, the first selected one is the
// sheet's current series.
#pragma once

#include "chart/SheetPage.h"

#include <vector>

class QListWidget;

namespace ov {

class CDlgXYPP;

constexpr int kSeriesListControl = 21230;

class SeriesSelectionPage : public SheetPage {
    Q_OBJECT
public:
    explicit SeriesSelectionPage(CDlgXYPP& sheet);

    // Series of the selected rows, in list order.
    std::vector<DataSeries*> SelectedSeries() const;
    void SelectRow(int row);
    void RefreshCoordinateSystem() override;

private:
    void Refill();

    CDlgXYPP& sheet_;
    QListWidget* list_ = nullptr;
};

}  // namespace ov
