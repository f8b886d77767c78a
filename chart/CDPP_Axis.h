// CDPP_Axis: the Axis page: four groups (X, Y, Y#2, Y#3) with title, range, labels, scale and its
// parameter; the X and Y groups' box and the Y#2 and Y#3 "Enable" boxes are the axis-shown flags; the
// Y#2 and Y#3 colour swatches. Kinds 5 and 6 turn the Y#2 group into the Z axis.
#pragma once

#include "chart/AxisPageModel.h"
#include "chart/SheetPage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace ov {

class ColourSwatch;

// Control ids: group i's controls are kAxBase + 20 × i + the offset below.
enum AxisPageControl : int {
    kAxBase = 1300,
    kAxGroup = 0,
    kAxTitle = 1,
    kAxMin = 2,
    kAxMax = 3,
    kAxLabels = 4,
    kAxScale = 5,
    kAxParameter = 6,
    kAxCheck = 7,
    kAxColour = 8,
    kAxThirdAutoRange = 1390
};

constexpr int AxisControlId(int axis, int offset)
{
    return kAxBase + 20 * axis + offset;
}

class CDPP_Axis : public SheetPage {
    Q_OBJECT
public:
    // `threeD` is set by the 3-D surface sheet.
    CDPP_Axis(ChartRecord& record, bool threeD, QWidget* parent);

    void Store() override;
    bool ThreeD() const { return threeD_; }

Q_SIGNALS:
    // "Enable" of axis 2 or 3 changed; the shown flag in the record is already set.
    void enableChanged(int axis, bool enabled);

private:
    struct Group {
        QGroupBox* box = nullptr;
        QLabel* titleLabel = nullptr;
        QLineEdit* title = nullptr;
        QLabel* rangeLabel = nullptr;
        QLineEdit* min = nullptr;
        QLabel* tilde = nullptr;
        QLineEdit* max = nullptr;
        QLabel* labelsLabel = nullptr;
        QComboBox* labels = nullptr;
        QLabel* scaleLabel = nullptr;
        QComboBox* scale = nullptr;
        QLineEdit* parameter = nullptr;
        QCheckBox* check = nullptr;
        QLabel* colourLabel = nullptr;
        ColourSwatch* colour = nullptr;
    };
    void BuildGroup(int axis, class PageTexts& texts);
    void Load();
    void ShowForKind();
    void UpdateParameter(int axis);
    void UpdateSwatch(int axis);

    ChartRecord& record_;
    bool threeD_;
    AxisPageValues values_;
    AxisPageVisibility visibility_;
    std::array<Group, OV_AXIS_COUNT> groups_;
    QCheckBox* thirdAutoRange_ = nullptr;
};

}  // namespace ov
