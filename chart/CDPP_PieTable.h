// CDPP_PieTable: the pie sheet's table page: one grid row per slice of the host's list (number, name,
// value), the line/fill editor and the "Eject" and "Excluded" boxes for the selected slices, and the
// table commands of the "tb_PieTable" toolbar. Slices are edited in place.
#pragma once

#include "chart/PieSlices.h"
#include "chart/SheetPage.h"

#include <vector>

class QCheckBox;
class QGroupBox;

namespace ov {

class CDlgToolbar;
class CDPE_LineFill;
class CGridCtrl;

enum PieTableControl : int { kPtGrid = 2381, kPtStyle = 2393, kPtEject = 21294, kPtExcluded = 21291 };

enum PieTableCommand : int {
    kPieAdd = 3,
    kPieCount = 4,
    kPieClear = 5,
    kPieMarks = 7,
    kPieCut = 8,
    kPieCopy = 9,
    kPiePaste = 10
};

class CDPP_PieTable : public SheetPage {
    Q_OBJECT
public:
    // `slices` is the host's list (may be null: an empty table that cannot grow).
    CDPP_PieTable(OvHostList* slices, QWidget* parent);

    // The pending style changes go to the selected rows; names and values are read from the cells.
    void Store() override;
    void RunCommand(int command);

    CGridCtrl& Grid() { return *grid_; }
    CDPE_LineFill& Editor() { return *editor_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadTable();
    void StoreRows();
    PieSlice* SliceOfRow(int row) const;
    void OnSelectionChanged();
    void ApplyPendingStyle();
    void ShowSlice(const PieSlice* slice);
    void AddSlice();
    void PromptCount();
    void MarkSelection();

    OvHostList* slices_;
    SliceRandom random_;
    std::vector<PieSlice*> rows_;    // the slice of grid row r is rows_[r - 1]
    std::vector<int> selectedRows_;  // rows that the pending style changes go to
    LineFillStyle style_{};          // what the editor edits: the first selected slice's style
    uint32_t pending_ = 0;           // fields changed since the editor last showed a slice
    bool sliceShown_ = false;
    CDlgToolbar* toolbar_ = nullptr;
    CGridCtrl* grid_ = nullptr;
    QGroupBox* styleGroup_ = nullptr;
    CDPE_LineFill* editor_ = nullptr;
    QCheckBox* eject_ = nullptr;
    QCheckBox* excluded_ = nullptr;
};

}  // namespace ov
