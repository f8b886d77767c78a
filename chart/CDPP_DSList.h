// CDPP_DSList: the series list page in the left column of the data and chart-style tabs: one row per
// series of the host's list (coordinate system and name), the toolbar commands 1 to 9 and the pop-up
// menu with series made from drawing paths. The first selected row is the sheet's current series.
#pragma once

#include "chart/SheetPage.h"

#include <QString>

#include <string>
#include <vector>

class QTreeWidget;

namespace ov {

class CDlgXYPP;
class CDlgToolbar;
enum class SeriesMove;

constexpr int kSeriesListControl = 2412;

enum SeriesListCommand : int {
    kListMenu = 1,
    kListDelete = 2,
    kListMoveUp = 3,
    kListMoveTop = 4,
    kListMoveDown = 5,
    kListMoveBottom = 6,
    kListRename = 7,
    kListImport = 8,
    kListNewSeries = 9,
    kListNoPath = 1000,
    kListFirstPath = 10000
};

class CDPP_DSList : public SheetPage {
    Q_OBJECT
public:
    explicit CDPP_DSList(CDlgXYPP& sheet);

    // Series of the selected rows, in list order.
    std::vector<DataSeries*> SelectedSeries() const;
    void SelectRow(int row);
    void RefreshCoordinateSystem() override;

    void RunCommand(int command);
    QTreeWidget& List() { return *list_; }
    CDlgToolbar& Toolbar() { return *toolbar_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Refill();
    // Refills keep the selection: each series' transient mark records whether its row was selected.
    void MarkSelectedSeries();
    void RefillSelectingMarked();
    QString Text(int entry, const char* builtIn) const;
    void ShowPopup(const QPoint& globalPos);
    void DeleteSelected();
    void Move(SeriesMove move);
    void Rename(int row);
    void Import();
    void NewSeries();
    void SeriesFromPath(int index);
    void AppendAndSelect(DataSeries* series);
    std::vector<const struct DrawingPath*> OfferedPaths() const;

    CDlgXYPP& sheet_;
    CDlgToolbar* toolbar_ = nullptr;
    QTreeWidget* list_ = nullptr;
    std::vector<std::u16string> popupTexts_;
};

}  // namespace ov
