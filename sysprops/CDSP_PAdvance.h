// CDSP_PAdvance: the advanced page of the system properties: the "ASF" switches, the "OUTO" switches
// and values, and the "AR" switch whose values show only while it is on.
#pragma once

#include "chart/SheetPage.h"
#include "sysprops/AdvancedPage.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace ov {

enum AdvancedSysControl : int {
    kSpAsf1 = 1201,
    kSpAsf2 = 1202,
    kSpOuto1 = 1203,
    kSpOuto2 = 1204,
    kSpOutoValue1 = 1205,
    kSpOutoValue2 = 1206,
    kSpArSwitch = 1207,
    kSpArValue1 = 1208,
    kSpArValue2 = 1209
};

class CDSP_PAdvance : public SheetPage {
    Q_OBJECT
public:
    CDSP_PAdvance(SystemSettings& record, QWidget* parent);

    // Typed values outside their ranges show the range message and are not taken over; "AR" values
    // are clamped on the way into the record.
    void Store() override;

private:
    void BuildControls();
    void Load();
    void OnArSwitch(bool on);
    void ShowArValues(bool on);
    // The typed values; a field whose text is as loaded keeps its loaded value.
    AdvancedPageValues Typed() const;
    bool Edited(std::size_t field) const;

    SystemSettings& record_;
    AdvancedPageValues values_;
    QCheckBox* asf1_ = nullptr;
    QCheckBox* asf2_ = nullptr;
    QCheckBox* outo1_ = nullptr;
    QCheckBox* outo2_ = nullptr;
    QCheckBox* ar_ = nullptr;
    std::array<QLineEdit*, 4> edits_{};  // "OUTO" 1, "OUTO" 2, "AR" 1, "AR" 2
    std::array<QString, 4> shown_;       // what Load() put into them
    std::array<QWidget*, 2> arLabels_{};
};

}  // namespace ov
