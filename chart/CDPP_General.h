// CDPP_General: the General page of the chart sheets: caption, plot font and size, text colour,
// border list and frame style, "Set As Default" and, for full X-Y charts, the title font boxes.
#pragma once

#include "chart/GeneralPageModel.h"
#include "chart/SheetPage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ov {

class CDPE_LineFill;
class ColourSwatch;

enum GeneralPageControl : int {
    kGgCaption = 1201,
    kGgFont = 1202,
    kGgFontSize = 1203,
    kGgTextColour = 1204,
    kGgBorder = 1205,
    kGgSetDefault = 1206,
    kGgLargerTitle = 1207,
    kGgBoldTitle = 1208,
    kGgFrame = 21313
};

class CDPP_General : public SheetPage {
    Q_OBJECT
public:
    CDPP_General(ChartRecord& record, QWidget* parent);

    void Store() override;

private:
    void BuildControls();
    void Load();
    void ShowForKind();
    void TakeControls();

    ChartRecord& record_;
    GeneralValues values_;
    std::vector<std::u16string> families_;
    QLabel* captionLabel_ = nullptr;
    QLineEdit* caption_ = nullptr;
    QComboBox* font_ = nullptr;
    QComboBox* size_ = nullptr;
    ColourSwatch* textColour_ = nullptr;
    QLabel* borderLabel_ = nullptr;
    QComboBox* border_ = nullptr;
    QGroupBox* frameGroup_ = nullptr;
    CDPE_LineFill* frame_ = nullptr;
    QPushButton* setDefault_ = nullptr;
    QCheckBox* larger_ = nullptr;
    QCheckBox* bold_ = nullptr;
};

}  // namespace ov
