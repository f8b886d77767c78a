// CDSP_P1: the general page of the system properties: background colour and unit, centre cross,
// grid with its colour and number, and the style of new objects with the line/fill editor of the
// fixed style.
#pragma once

#include "chart/SheetPage.h"
#include "sysprops/GeneralPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace ov {

class CDPE_LineFill;
class ChooserSwatch;

enum GeneralSysControl : int {
    kSpRandom = 1101,
    kSpFollow = 1102,
    kSpFixed = 1103,
    kSpBackground = 1104,
    kSpUnits = 1105,
    kSpCenterCross = 1106,
    kSpGrid = 1107,
    kSpSecondColour = 1108,
    kSpNumber = 1109,
    kSpLineFill = 1110
};

// Custom-colour groups of the chooser for the two swatches.
constexpr int kBackgroundColourGroup = 3;
constexpr int kSecondColourGroup = 15;

class CDSP_P1 : public SheetPage {
    Q_OBJECT
public:
    CDSP_P1(SystemSettings& record, QWidget* parent);

    void Store() override;

private:
    void BuildControls();
    QWidget* BuildDisplayGroup();
    QWidget* BuildStyleGroup();
    void Load();

    SystemSettings& record_;
    GeneralPageValues values_;
    QRadioButton* styles_[3] = {};
    ChooserSwatch* background_ = nullptr;
    QComboBox* units_ = nullptr;
    QCheckBox* centerCross_ = nullptr;
    QCheckBox* grid_ = nullptr;
    ChooserSwatch* second_ = nullptr;
    QLineEdit* number_ = nullptr;
    CDPE_LineFill* lineFill_ = nullptr;
};

}  // namespace ov
