// CDPP_Label: the Label page of pie charts: label content, number format and the label style.
#pragma once

#include "chart/LegendPageModel.h"
#include "chart/SheetPage.h"

class QComboBox;

namespace ov {

class CDPE_LineFill;

enum LabelPageControl : int { kGlContent = 1261, kGlFormat = 1262, kGlStyle = 1263 };

class CDPP_Label : public SheetPage {
    Q_OBJECT
public:
    CDPP_Label(ChartRecord& record, QWidget* parent);

    void Store() override;

private:
    ChartRecord& record_;
    LabelValues values_;
    QComboBox* content_ = nullptr;
    QComboBox* format_ = nullptr;
    CDPE_LineFill* style_ = nullptr;
};

}  // namespace ov
