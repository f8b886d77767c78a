// CDlgATS: the animation time-series dialog. Beside the host's list of series it shows the values of
// the current one in a grid. In pick mode (opened with a selection record) OK hands the host the
// current series, the selected row and the "Relative" and "Incremental" switches; in edit mode the
// dialog only edits the series. Series are edited in place, whichever button closes the dialog.
#pragma once

#include "animation/TimeSeriesObject.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

#include <ornivex/animation.h>
#include <ornivex/hostwindow.h>
#include <ornivex/magnet.h>

class QCheckBox;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace ov {

class CDlgToolbar;
class CGridCtrl;
class LangTable;

struct TimeSeriesDialogCall {
    OvHostWindow* hostWindow = nullptr;
    SelectionRecord* selection = nullptr;  // null: edit mode
    OvHostList* list = nullptr;            // the host's time series
    MagnetRecord* magnets = nullptr;       // may be null: no series from magnets
    int32_t* nextId = nullptr;
};

class CDlgATS : public QDialog {
    Q_OBJECT
public:
    enum ControlId : int {
        kIdOk = 1,
        kIdCancel = 2,
        kIdList = 1101,
        kIdGrid = 1102,
        kIdTip = 1103,
        kIdEmpty = 1104,
        kIdIncremental = 1105,
        kIdRelative = 1106,
    };
    // Commands of the list toolbar ("tb_DSList") and of the list's pop-up menu.
    enum ListCommand : int {
        kListMenu = 1,
        kListDelete = 2,
        kListMoveUp = 3,
        kListMoveTop = 4,
        kListMoveDown = 5,
        kListMoveBottom = 6,
        kListRename = 7,
        kListImport = 8,
        kListNew = 9,
        kListFirstMagnet = 10000,
    };
    // Commands of the grid toolbar ("tb_DataTable") and of the grid's pop-up menu.
    enum GridCommand : int {
        kGridAddColumn = 10,
        kGridResize = 11,
        kGridClear = 12,
        kGridDeleteColumns = 13,
        kGridDeleteRows = 14,
        kGridCut = 15,
        kGridCopy = 16,
        kGridPaste = 17,
        kGridImport = 18,
        kGridSave = 19,
        kGridFormula = 20,
    };
    static constexpr int kSelectionTimerMs = 333;

    CDlgATS(QWidget* parent, const TimeSeriesDialogCall& call);
    ~CDlgATS() override;
    CDlgATS(const CDlgATS&) = delete;
    CDlgATS& operator=(const CDlgATS&) = delete;

    void RunCommand(int command);
    bool IsPickMode() const { return call_.selection != nullptr; }
    TimeSeries* Current() const { return current_; }
    // The first selected grid row (1 … rows for data), 0 when nothing is selected.
    int SelectedRow() const;
    // What the selection timer does: OK enabled only while CanPick holds.
    void RefreshOkState();

    QTreeWidget& List() { return *list_; }
    CGridCtrl& Grid() { return *grid_; }
    CDlgToolbar& ListToolbar() { return *listToolbar_; }
    CDlgToolbar& GridToolbar() { return *gridToolbar_; }

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ApplyTexts();
    QString Text(LangTable& table, const char* section, int entry, const char* builtIn) const;

    // List.
    std::vector<TimeSeries*> Series() const;
    void FillList();
    void SelectSeries(int index);
    void OnSelectionChanged();
    void ShowListMenu(const QPoint& globalPos);
    void NewSeries();
    void SeriesFromMagnet(int index);
    void AppendAndSelect(OwnedTimeSeries& series);
    void DeleteCurrent();
    void MoveCurrent(int command);
    void RenameCurrent();
    void ImportSeries();

    // Grid.
    void LoadGrid();
    void StoreGrid();
    void SelectGridRow(int row);
    void AddColumn();
    void Resize();
    void Clear();
    void DeleteColumns();
    void DeleteRows();
    void ImportIntoCurrent();
    void Save();
    void Formula();
    void ShowGridMenu(const QPoint& globalPos);

    // Pick mode.
    void OnRelativeToggled(bool on);
    void Empty();
    void NotifyHost();

    TimeSeriesDialogCall call_;
    TimeSeries* current_ = nullptr;
    bool filling_ = false;
    std::unique_ptr<LangTable> texts_;
    std::vector<QString> gridMenuTexts_;

    QTreeWidget* list_ = nullptr;
    CGridCtrl* grid_ = nullptr;
    CDlgToolbar* listToolbar_ = nullptr;
    CDlgToolbar* gridToolbar_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* tip_ = nullptr;
    QPushButton* empty_ = nullptr;
    QCheckBox* incremental_ = nullptr;
    QCheckBox* relative_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace ov
