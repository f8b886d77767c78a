// CDPP_DataTable: the data table page of the X-Y sheet: a toolbar above the cell grid showing the
// current series' values. Loads when the series changes, stores back (only when the grid changed)
// when the sheet collects or the series changes, and runs the table commands 10 to 20.
#pragma once

#include "chart/SheetPage.h"

#include <QString>

#include <vector>

namespace ov {

class CDlgXYPP;
class CDlgToolbar;
class CGridCtrl;

enum DataTableCommand : int {
    kTableAddColumn = 10,
    kTableResize = 11,
    kTableClear = 12,
    kTableDeleteColumns = 13,
    kTableDeleteRows = 14,
    kTableCut = 15,
    kTableCopy = 16,
    kTablePaste = 17,
    kTableOpen = 18,
    kTableSave = 19,
    kTableFormula = 20
};

constexpr int kDataTableGridControl = 2414;

class CDPP_DataTable : public SheetPage {
    Q_OBJECT
public:
    explicit CDPP_DataTable(CDlgXYPP& sheet);

    void Store() override;
    void StoreSeries(DataSeries* previous) override;
    void ReloadSeries() override;
    void RefreshCoordinateSystem() override;

    void RunCommand(int command);
    CGridCtrl& Grid() { return *grid_; }
    CDlgToolbar& Toolbar() { return *toolbar_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void LoadTable();
    void StoreTable(DataSeries* series);
    void SetHeaders();
    void ResizeKeepingValues(int columns, int rows);
    void Clear();
    void DeleteColumns();
    void DeleteRows();
    void Open();
    void Save();
    void Formula();
    void ShowPopup(const QPoint& globalPos);

    CDlgXYPP& sheet_;
    CDlgToolbar* toolbar_ = nullptr;
    CGridCtrl* grid_ = nullptr;
    std::vector<QString> menuTexts_;
};

}  // namespace ov
