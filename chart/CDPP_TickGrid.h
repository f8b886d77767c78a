// CDPP_TickGrid: the Tick/Grid page: tick mark and minor tick styles, the grid list (or, for kinds 7
// and 8, the text alignment toolbar), the second minor list of kind 8, the plot-area style, and for
// kind 1 "Reset Scale" and the boxes that hide the X and Y axes.
#pragma once

#include "chart/SheetPage.h"
#include "chart/TickGridPageModel.h"

#include <ornivex/hostwindow.h>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace ov {

class CDPE_LineFill;
class CDlgToolbar;

enum TickGridPageControl : int {
    kTgMajor = 1221,
    kTgMinor = 1222,
    kTgGrid = 1223,
    kTgSecondMinor = 1224,
    kTgResetScale = 1225,
    kTgHideX = 1226,
    kTgHideY = 1227,
    kTgAlignToolbar = 1228,
    kTgPlotStyle = 1229
};

constexpr uint32_t kResetScaleMessage = 0x1980;  // with wParam 0, lParam 1

class CDPP_TickGrid : public SheetPage {
    Q_OBJECT
public:
    CDPP_TickGrid(ChartRecord& record, OvHostWindow* hostWindow, QWidget* parent);

    void Store() override;
    // What a click on button 1 ... 4 of the alignment toolbar does.
    void OnAlignment(int command);

private:
    void BuildControls();
    void Load();
    void ShowForKind();

    ChartRecord& record_;
    OvHostWindow* hostWindow_;
    TickGridValues values_;
    QComboBox* major_ = nullptr;
    QComboBox* minor_ = nullptr;
    QLabel* gridLabel_ = nullptr;
    QComboBox* grid_ = nullptr;
    QLabel* alignLabel_ = nullptr;
    CDlgToolbar* align_ = nullptr;
    QLabel* secondMinorLabel_ = nullptr;
    QComboBox* secondMinor_ = nullptr;
    QPushButton* resetScale_ = nullptr;
    QCheckBox* hideX_ = nullptr;
    QCheckBox* hideY_ = nullptr;
    CDPE_LineFill* plot_ = nullptr;
};

}  // namespace ov
