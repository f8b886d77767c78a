// The advanced page of the system properties: controls bound to AdvancedPageValues.
#include "sysprops/CDSP_PAdvance.h"

#include "chart/PageNumbers.h"
#include "chart/PageTexts.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace ov {
namespace {

constexpr PageRange kRanges[] = {kOutoValue1Range, kOutoValue2Range, kArValue1Range, kArValue2Range};

// A typed whole number; values past the int32 range saturate so the range check still fails.
int32_t WholeNumber(const QString& text)
{
    const double value = std::trunc(ParseTypedNumber(text.toStdU16String()));
    return static_cast<int32_t>(std::clamp(value, -2147483648.0, 2147483647.0));
}

QString RangeText(PageRange range)
{
    return QStringLiteral("%1 ... %2").arg(range.low).arg(range.high);
}

}  // namespace

CDSP_PAdvance::CDSP_PAdvance(SystemSettings& record, QWidget* parent)
    : SheetPage(parent), record_(record), values_(LoadAdvancedPage(record))
{
    BuildControls();
    Load();
}

void CDSP_PAdvance::BuildControls()
{
    PageTexts texts("GP0.xml", "gPG3");
    const int ids[] = {kSpOutoValue1, kSpOutoValue2, kSpArValue1, kSpArValue2};
    for (std::size_t i = 0; i < edits_.size(); ++i) edits_[i] = Named(new QLineEdit(this), ids[i]);

    auto* asf = new QGroupBox(texts.Text(1, "Snapping"), this);
    asf1_ = Named(new QCheckBox(texts.Text(2, "Snap to grid"), asf), kSpAsf1);
    asf2_ = Named(new QCheckBox(texts.Text(3, "Snap to objects"), asf), kSpAsf2);
    auto* asfLayout = new QVBoxLayout(asf);
    asfLayout->addWidget(asf1_);
    asfLayout->addWidget(asf2_);

    auto* outo = new QGroupBox(texts.Text(4, "Output"), this);
    outo1_ = Named(new QCheckBox(texts.Text(6, "Anti-aliasing"), outo), kSpOuto1);
    outo2_ = Named(new QCheckBox(texts.Text(7, "Embed fonts"), outo), kSpOuto2);
    auto* outoLayout = new QGridLayout(outo);
    outoLayout->addWidget(new QLabel(texts.Text(5, "Resolution (dpi) :"), outo), 0, 0);
    outoLayout->addWidget(edits_[0], 0, 1);
    outoLayout->addWidget(outo1_, 1, 0, 1, 2);
    outoLayout->addWidget(outo2_, 2, 0, 1, 2);
    outoLayout->addWidget(new QLabel(texts.Text(8, "Line scale :"), outo), 3, 0);
    outoLayout->addWidget(edits_[1], 3, 1);

    auto* ar = new QGroupBox(texts.Text(9, "Auto Recovery"), this);
    ar_ = Named(new QCheckBox(texts.Text(10, "Save recovery data"), ar), kSpArSwitch);
    arLabels_ = {new QLabel(texts.Text(11, "Interval /s :"), ar),
                 new QLabel(texts.Text(12, "Versions kept :"), ar)};
    auto* arLayout = new QGridLayout(ar);
    arLayout->addWidget(ar_, 0, 0, 1, 3);
    arLayout->addWidget(arLabels_[0], 1, 0);
    arLayout->addWidget(edits_[2], 1, 1);
    arLayout->addWidget(new QLabel(texts.Text(13, "(10 ... 1000)"), ar), 1, 2);
    arLayout->addWidget(arLabels_[1], 2, 0);
    arLayout->addWidget(edits_[3], 2, 1);
    arLayout->addWidget(new QLabel(texts.Text(14, "(2 ... 128)"), ar), 2, 2);
    connect(ar_, &QCheckBox::toggled, this, Guarded(this, &CDSP_PAdvance::OnArSwitch));

    auto* layout = new QGridLayout(this);
    layout->addWidget(asf, 0, 0);
    layout->addWidget(outo, 0, 1, 2, 1);
    layout->addWidget(ar, 1, 0);
    layout->setRowStretch(2, 1);
}

void CDSP_PAdvance::Load()
{
    asf1_->setChecked(values_.asf1);
    asf2_->setChecked(values_.asf2);
    outo1_->setChecked(values_.outo1);
    outo2_->setChecked(values_.outo2);
    shown_ = {QString::number(values_.outoValue1), QString::fromStdU16String(FormatFloat(values_.outoValue2)),
              QString::number(values_.arValue1), QString::number(values_.arValue2)};
    for (std::size_t i = 0; i < edits_.size(); ++i) edits_[i]->setText(shown_[i]);
    const QSignalBlocker quiet(ar_);  // loading is no toggle: nothing is stored yet
    ar_->setChecked(values_.arOn);
    ShowArValues(values_.arOn);
}

void CDSP_PAdvance::ShowArValues(bool on)
{
    for (QWidget* label : arLabels_) label->setVisible(on);
    edits_[2]->setVisible(on);
    edits_[3]->setVisible(on);
}

void CDSP_PAdvance::OnArSwitch(bool on)
{
    values_.arOn = on;
    StoreArSwitch(on, Typed().arValue1, record_);
    ShowArValues(on);
}

AdvancedPageValues CDSP_PAdvance::Typed() const
{
    AdvancedPageValues typed = values_;
    if (Edited(0)) typed.outoValue1 = WholeNumber(edits_[0]->text());
    if (Edited(1))
        typed.outoValue2 = static_cast<float>(ParseTypedNumber(edits_[1]->text().toStdU16String()));
    if (Edited(2)) typed.arValue1 = WholeNumber(edits_[2]->text());
    if (Edited(3)) typed.arValue2 = WholeNumber(edits_[3]->text());
    return typed;
}

bool CDSP_PAdvance::Edited(std::size_t field) const
{
    return edits_[field]->text() != shown_[field];
}

void CDSP_PAdvance::Store()
{
    AdvancedPageValues typed = Typed();
    for (const int field : ValuesOutOfRange(typed)) {
        if (!Edited(static_cast<std::size_t>(field))) continue;  // a stored value as it was stays
        ShowSharedMessage("gMSG_NUM", 2, RangeText(kRanges[field]), MessageButtons::Ok, MessageIcon::Warning,
                          this);
        if (field == 0) typed.outoValue1 = values_.outoValue1;
        if (field == 1) typed.outoValue2 = values_.outoValue2;
    }
    typed.asf1 = asf1_->isChecked();
    typed.asf2 = asf2_->isChecked();
    typed.outo1 = outo1_->isChecked();
    typed.outo2 = outo2_->isChecked();
    typed.arOn = ar_->isChecked();
    StoreAdvancedPage(typed, record_);
}

}  // namespace ov
