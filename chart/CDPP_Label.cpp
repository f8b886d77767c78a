// The pie Label page: controls bound to the label content, format and style.
#include "chart/CDPP_Label.h"

#include "chart/CDPE_LineFill.h"
#include "chart/PageTexts.h"
#include "framework/ui/DialogTexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace ov {

CDPP_Label::CDPP_Label(ChartRecord& record, QWidget* parent)
    : SheetPage(parent), record_(record), values_(LoadLabel(record))
{
    PageTexts texts("GP2.xml", "gPGL");
    content_ = new QComboBox(this);
    content_->setObjectName(ControlName(kGlContent));
    texts.FillList(content_, "gCB01",
                   {"None", "Name", "Value", "Percent", "Name and Value", "Name and Percent"});
    format_ = new QComboBox(this);
    format_->setObjectName(ControlName(kGlFormat));
    texts.FillList(format_, "gCB02", {"Auto", "0", "0.0", "0.00", "0.000"});
    auto* styleGroup = new QGroupBox(texts.Text(3, "Label Style"), this);
    styleGroup->setObjectName(ControlName(kGlStyle));
    style_ = new CDPE_LineFill(values_.style, styleGroup);
    (new QVBoxLayout(styleGroup))->addWidget(style_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(texts.Text(1, "Label :"), this), 0, 0);
    grid->addWidget(content_, 0, 1);
    grid->addWidget(new QLabel(texts.Text(2, "Format :"), this), 1, 0);
    grid->addWidget(format_, 1, 1);
    grid->addWidget(styleGroup, 2, 0, 1, 3);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(2, 1);

    content_->setCurrentIndex(values_.content < content_->count() ? values_.content : -1);
    format_->setCurrentIndex(values_.format < format_->count() ? values_.format : -1);
}

void CDPP_Label::Store()
{
    values_.content = content_->currentIndex();
    values_.format = format_->currentIndex();
    StoreLabel(values_, record_);
}

}  // namespace ov
