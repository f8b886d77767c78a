// CDPP_3DS: the surface data page: the four range edits above a toolbar and the cell grid of the
// surface's values (x positions down, y positions across). Range edits take effect as they are typed;
// the grid is stored into the surface when the sheet collects and before every command that reshapes
// the surface, which then reloads the grid.
#pragma once

#include "chart/SheetPage.h"
#include "view3d/SurfaceRanges.h"

#include <QString>

#include <array>
#include <vector>

class QLineEdit;

namespace ov {

class CDlg3DSPP;
class CDlgToolbar;
class CGridCtrl;

enum SurfaceDataCommand : int {
    kSdAddY = 2,
    kSdAddX = 3,
    kSdResize = 4,
    kSdClear = 5,
    kSdDeleteColumns = 6,
    kSdDeleteRows = 7,
    kSdCut = 8,
    kSdCopy = 9,
    kSdPaste = 10,
    kSdOpen = 11,
    kSdSave = 12,
    kSdReverseY = 13,
    kSdReverseX = 14,
    kSdTranspose = 15,
    kSdFormula = 16,
    kSdUpdate = 17
};

// The range edits are kSdRangeEdit + SurfaceRangeField.
constexpr int kSdRangeEdit = 21350;
enum SurfaceDataControl : int { kSdGrid = 21354, kSdToolbar = 21355 };

class CDPP_3DS : public SheetPage {
    Q_OBJECT
public:
    CDPP_3DS(CDlg3DSPP& sheet, SurfaceGrid* surface);

    void Store() override;
    void RunCommand(int command);
    CGridCtrl& Grid() { return *grid_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void LoadGrid();
    void OnRangeEdited(SurfaceRangeField field, const QString& text);
    // Stores the grid, runs a change of the surface's shape and reloads the grid.
    template <typename Change>
    void Reshape(Change&& change);
    void Resize();
    void DeleteColumns();
    void DeleteRows();
    void Open();
    void Save();
    void Formula();
    void ShowPopup(const QPoint& globalPos);

    CDlg3DSPP& sheet_;
    SurfaceGrid* surface_;
    SurfaceRanges ranges_{};
    std::array<QLineEdit*, kRangeFields> edits_{};
    CDlgToolbar* toolbar_ = nullptr;
    CGridCtrl* grid_ = nullptr;
    std::vector<QString> menuTexts_;
};

}  // namespace ov
