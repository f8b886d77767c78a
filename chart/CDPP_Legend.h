// CDPP_Legend: the Legend page: layout, "Show Title", "Show Value" (pie mode only), spacing and the
// legend box style.
#pragma once

#include "chart/LegendPageModel.h"
#include "chart/SheetPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ov {

class CDPE_LineFill;

enum LegendPageControl : int {
    kLeLayout = 1241,
    kLeShowTitle = 1242,
    kLeShowValue = 1243,
    kLeSpacing = 1244,
    kLeBoxStyle = 21286
};

class CDPP_Legend : public SheetPage {
    Q_OBJECT
public:
    CDPP_Legend(ChartRecord& record, bool pieMode, QWidget* parent);

    void Store() override;

private:
    ChartRecord& record_;
    LegendValues values_;
    QComboBox* layout_ = nullptr;
    QCheckBox* showTitle_ = nullptr;
    QCheckBox* showValue_ = nullptr;
    QLineEdit* spacing_ = nullptr;
    CDPE_LineFill* box_ = nullptr;
};

}  // namespace ov
