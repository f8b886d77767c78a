// CDialogMM: the Magnets dialog. In list mode it manages the record's magnets beside the position
// table of the current one; in copy mode (the record's scale-and-angle flag) the table carries scale
// and angle and OK confirms the arrangement. Commands 1-21 come from its two toolbars.
#pragma once

#include "magnets/COvMag.h"
#include "magnets/MagnetDialogOptions.h"
#include "magnets/MagnetUnits.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <ornivex/hostwindow.h>

class QCheckBox;
class QDialogButtonBox;
class QListWidget;
class QListWidgetItem;

namespace ov {

class CDlgToolbar;
class CGridCtrl;
class LangTable;
struct SetStringsSetup;

class CDialogMM : public QDialog {
    Q_OBJECT
public:
    enum ControlId : int {
        kIdOk = 1,
        kIdCancel = 2,
        kIdDeleteSource = 1001,
        kIdNewLayer = 1002,
        kIdRelativeCoord = 1003,
        kIdMagnetList = 1004,
        kIdTable = 1005,
    };
    enum Command : int {
        kNewMagnet = 1,
        kDeleteSelected = 2,
        kCheckAll = 3,
        kUncheckAll = 4,
        kApplyTable = 5,
        kSetCount = 10,
        kMirrorX = 17,
        kMirrorY = 18,
        kImport = 19,
        kExport = 20,
        kFormula = 21,
    };
    // Items of the magnet list's pop-up menu ("MM.xml", "gPM_1").
    enum ListMenuItem : int {
        kListNew = 1,
        kListRename = 2,
        kListCheckSelected = 3,
        kListUncheckSelected = 4,
        kListCheckAll = 5,
        kListUncheckAll = 6,
        kListDeleteSelected = 7,
        kListDeleteAll = 8,
        kListRemoveTemporary = 9,
    };
    // Items of the table's pop-up menu ("POPG.xml", "gGC_2").
    enum TableMenuItem : int {
        kTableImport = 2,
        kTableExport = 3,
        kTableFormula = 4,
        kTableSetCount = 5,
        kTableDeleteRows = 7,
        kTableClear = 8,
        kTableCut = 9,
        kTableCopy = 10,
        kTablePaste = 11,
        kTableSelectAll = 12,
    };

    CDialogMM(QWidget* parent, OvHostWindow* viewWindow, MagnetRecord& record);
    ~CDialogMM() override;
    CDialogMM(const CDialogMM&) = delete;
    CDialogMM& operator=(const CDialogMM&) = delete;

    void RunCommand(int command);
    void RunListMenuItem(int item);
    void RunTableMenuItem(int item);

    bool IsCopyMode() const { return copyMode_; }
    COvMag* Current() const;
    CGridCtrl& Table() { return *table_; }
    QListWidget& MagnetList() { return *list_; }
    CDlgToolbar& ListToolbar() { return *listToolbar_; }
    CDlgToolbar& TableToolbar() { return *tableToolbar_; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ApplyTexts();
    QString Text(const char* section, int entry, const char* builtIn) const;
    bool Prompt(SetStringsSetup& setup);

    // Magnet list.
    void FillList();
    void SelectMagnet(COvMag* magnet);
    void OnCurrentRowChanged(int row);
    void OnItemChanged(QListWidgetItem* item);
    void OnSelectionChanged();
    void NewMagnet();
    void RenameCurrent();
    void SetChecks(bool selectedOnly, bool checked);
    void RemoveWhere(const std::function<bool(const COvMag&)>& drop);
    void ShowListMenu(const QPoint& globalPos);

    // Table.
    void RefreshTable();
    void ApplyTable();
    void ApplyIfEdited();
    void OnCellsEdited();
    void SetCount();
    void RunPattern(int command);
    void Mirror(int command);
    void Import();
    void Export();
    void Formula();
    void DeleteRows();
    void ClearTable();
    void ShowTableMenu(const QPoint& globalPos);

    void NotifyHost();

    OvHostWindow* viewWindow_ = nullptr;
    MagnetRecord& record_;
    bool copyMode_ = false;
    PageMapping mapping_;
    MagnetDialogOptions options_;
    bool edited_ = false;
    bool applying_ = false;
    bool filling_ = false;
    std::unique_ptr<LangTable> texts_;

    QListWidget* list_ = nullptr;
    CGridCtrl* table_ = nullptr;
    CDlgToolbar* listToolbar_ = nullptr;
    CDlgToolbar* tableToolbar_ = nullptr;
    QCheckBox* optionBoxes_[3] = {};
    QDialogButtonBox* buttons_ = nullptr;
    std::vector<QString> tableMenuTexts_;
};

}  // namespace ov
