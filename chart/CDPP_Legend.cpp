// The Legend page: controls bound to the legend flags, spacing and box style.
#include "chart/CDPP_Legend.h"

#include "chart/CDPE_LineFill.h"
#include "chart/PageTexts.h"
#include "framework/ui/DialogTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ov {

CDPP_Legend::CDPP_Legend(ChartRecord& record, bool pieMode, QWidget* parent)
    : SheetPage(parent), record_(record), values_(LoadLegend(record))
{
    PageTexts texts("GP1.xml", "gPLE");
    layout_ = new QComboBox(this);
    layout_->setObjectName(ControlName(kLeLayout));
    texts.FillList(layout_, "gCB06",
                   {"Top Right", "Top Left", "Bottom Right", "Bottom Left", "Right", "Top"});
    showTitle_ = new QCheckBox(texts.Text(2, "Show Title"), this);
    showTitle_->setObjectName(ControlName(kLeShowTitle));
    showValue_ = new QCheckBox(texts.Text(3, "Show Value"), this);
    showValue_->setObjectName(ControlName(kLeShowValue));
    showValue_->setVisible(pieMode);
    spacing_ = new QLineEdit(this);
    spacing_->setObjectName(ControlName(kLeSpacing));
    spacing_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 12);
    auto* boxGroup = new QGroupBox(texts.Text(5, "Legend Box"), this);
    boxGroup->setObjectName(ControlName(kLeBoxStyle));
    box_ = new CDPE_LineFill(values_.box, boxGroup);
    (new QVBoxLayout(boxGroup))->addWidget(box_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(texts.Text(1, "Layout :"), this), 0, 0);
    grid->addWidget(layout_, 0, 1);
    grid->addWidget(showTitle_, 1, 1);
    grid->addWidget(showValue_, 2, 1);
    grid->addWidget(new QLabel(texts.Text(4, "Space :"), this), 3, 0);
    grid->addWidget(spacing_, 3, 1, Qt::AlignLeft);
    grid->addWidget(boxGroup, 4, 0, 1, 3);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(2, 1);

    layout_->setCurrentIndex(values_.layout < layout_->count() ? values_.layout : -1);
    showTitle_->setChecked(values_.showTitle);
    showValue_->setChecked(values_.showValue);
    spacing_->setText(QString::fromStdU16String(values_.spacingText));
}

void CDPP_Legend::Store()
{
    values_.layout = layout_->currentIndex();
    values_.showTitle = showTitle_->isChecked();
    values_.showValue = showValue_->isChecked();
    values_.spacingText = spacing_->text().toStdU16String();
    StoreLegend(values_, record_);
}

}  // namespace ov
