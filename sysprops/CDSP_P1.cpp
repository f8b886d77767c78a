// The general page of the system properties: controls bound to GeneralPageValues.
#include "sysprops/CDSP_P1.h"

#include "chart/CDPE_LineFill.h"
#include "chart/PageNumbers.h"
#include "chart/PageTexts.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "sysprops/ChooserSwatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ov {

CDSP_P1::CDSP_P1(SystemSettings& record, QWidget* parent)
    : SheetPage(parent), record_(record), values_(LoadGeneralPage(record))
{
    BuildControls();
    Load();
}

void CDSP_P1::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildDisplayGroup());
    layout->addWidget(BuildStyleGroup());
    layout->addStretch(1);
}

QWidget* CDSP_P1::BuildDisplayGroup()
{
    PageTexts texts("GP0.xml", "gPG1");
    auto* group = new QGroupBox(texts.Text(4, "Display"), this);
    background_ = Named(new ChooserSwatch(values_.background, kBackgroundColourGroup, group), kSpBackground);
    units_ = Named(new QComboBox(group), kSpUnits);
    texts.FillList(units_, "gPG_Units", {"Millimetre", "Centimetre", "Inch", "Point", "Pixel"});
    centerCross_ = Named(new QCheckBox(texts.Text(8, "Center Cross"), group), kSpCenterCross);
    grid_ = Named(new QCheckBox(texts.Text(9, "Grid"), group), kSpGrid);
    second_ = Named(new ChooserSwatch(values_.secondColour, kSecondColourGroup, group), kSpSecondColour);
    number_ = Named(new QLineEdit(group), kSpNumber);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(texts.Text(6, "Background Color :"), group), 0, 0);
    grid->addWidget(background_, 0, 1);
    grid->addWidget(new QLabel(texts.Text(7, "Measurement Unit :"), group), 0, 2);
    grid->addWidget(units_, 0, 3);
    grid->addWidget(centerCross_, 1, 0, 1, 2);
    grid->addWidget(grid_, 2, 0, 1, 2);
    grid->addWidget(new QLabel(texts.Text(10, "Grid Color :"), group), 2, 2);
    grid->addWidget(second_, 2, 3);
    grid->addWidget(new QLabel(texts.Text(11, "Grid Spacing :"), group), 3, 2);
    grid->addWidget(number_, 3, 3);
    grid->setColumnStretch(4, 1);
    return group;
}

QWidget* CDSP_P1::BuildStyleGroup()
{
    PageTexts texts("GP0.xml", "gPG1");
    auto* group = new QGroupBox(texts.Text(5, "Style of New Objects"), this);
    auto* layout = new QGridLayout(group);
    const char* builtIn[] = {"Random", "Follow", "Fixed"};
    const int ids[] = {kSpRandom, kSpFollow, kSpFixed};
    for (int i = 0; i < 3; ++i) {
        styles_[i] = Named(new QRadioButton(texts.Text(i + 1, builtIn[i]), group), ids[i]);
        layout->addWidget(styles_[i], 0, i);
    }
    lineFill_ = Named(new CDPE_LineFill(values_.fixedStyle, group), kSpLineFill);
    layout->addWidget(lineFill_, 1, 0, 1, 4);
    layout->setColumnStretch(3, 1);
    // The editor edits the fixed style, so it is live only while "Fixed" is chosen.
    connect(styles_[2], &QRadioButton::toggled, this,
            Guarded(this, [this](bool on) { lineFill_->setEnabled(on); }));
    return group;
}

void CDSP_P1::Load()
{
    styles_[static_cast<int>(values_.style)]->setChecked(true);
    lineFill_->setEnabled(values_.style == NewObjectStyle::kFixed);
    units_->setCurrentIndex(values_.unitIndex < units_->count() ? values_.unitIndex : -1);
    centerCross_->setChecked(values_.centerCross);
    grid_->setChecked(values_.grid);
    number_->setText(QString::fromStdU16String(FormatFloat(values_.number)));
    lineFill_->Load();
}

void CDSP_P1::Store()
{
    values_.style = styles_[1]->isChecked()   ? NewObjectStyle::kFollow
                    : styles_[2]->isChecked() ? NewObjectStyle::kFixed
                                              : NewObjectStyle::kRandom;
    values_.background = background_->ColorRef();
    values_.unitIndex = ListIndexOr(units_->currentIndex(), values_.unitIndex);
    values_.centerCross = centerCross_->isChecked();
    values_.grid = grid_->isChecked();
    values_.secondColour = second_->ColorRef();
    // The number keeps its exact bits while its text is untouched.
    if (number_->text() != QString::fromStdU16String(FormatFloat(values_.number)))
        values_.number = static_cast<float>(ParseTypedNumber(number_->text().toStdU16String()));
    StoreGeneralPage(values_, record_);
}

}  // namespace ov
