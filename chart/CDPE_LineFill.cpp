// The line/fill editor embedded by the chart pages.
#include "chart/CDPE_LineFill.h"

#include "chart/PageNumbers.h"
#include "chart/StylePickers.h"
#include "colour/ColourSwatch.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace ov {
namespace {

constexpr int kSwatchIds[4] = {kLfSwatch0, kLfSwatch1, kLfSwatch2, kLfSwatch3};

QString SectionText(LangTable& texts, int index, const char* builtIn)
{
    const std::u16string text = texts.GetLocalizedText("gGLF", index);
    return text.empty() ? QString::fromUtf8(builtIn) : QString::fromStdU16String(text);
}

}  // namespace

CDPE_LineFill::CDPE_LineFill(LineFillStyle& style, QWidget* parent) : QWidget(parent), style_(style)
{
    LangTable texts;
    texts.Open(CurrentLanguageCode(), "GP1.xml");
    line_ = new COvCBLine(this);
    line_->setObjectName(ControlName(kLfLineList));
    width_ = new QLineEdit(this);
    width_->setObjectName(ControlName(kLfWidthEdit));
    width_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10);
    fill_ = new COvCBFill(this);
    fill_->setObjectName(ControlName(kLfFillList));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(SectionText(texts, 1, "Line :"), this), 0, 0);
    grid->addWidget(line_, 0, 1);
    grid->addWidget(new QLabel(SectionText(texts, 2, "Width :"), this), 0, 2);
    grid->addWidget(width_, 0, 3);
    fillLabel_ = new QLabel(SectionText(texts, 3, "Fill :"), this);
    grid->addWidget(fillLabel_, 1, 0);
    grid->addWidget(fill_, 1, 1);
    auto* colours = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* swatch = new ColourSwatch(this);
        swatch->setObjectName(ControlName(kSwatchIds[i]));
        swatches_[static_cast<std::size_t>(i)] = swatch;
        colours->addWidget(swatch);
        connect(swatch, &ColourSwatch::colourChanged, this, Guarded(this, [this, i](uint32_t argb) {
                    style_.colour[i] = argb;
                    Note(kLfColour0 + i);
                }));
    }
    colours->addStretch();
    grid->addWidget(new QLabel(SectionText(texts, 4, "Colors :"), this), 2, 0);
    grid->addLayout(colours, 2, 1, 1, 3);
    grid->setColumnStretch(4, 1);
    connect(line_, &QComboBox::activated, this, Guarded(this, [this](int index) {
                style_.line_style = static_cast<uint8_t>(index);
                Note(kLfLineStyle);
            }));
    connect(fill_, &QComboBox::activated, this, Guarded(this, [this](int index) {
                style_.fill_style = static_cast<uint8_t>(index);
                UpdateSwatches();
                Note(kLfFillStyle);
            }));
    connect(width_, &QLineEdit::editingFinished, this, Guarded(this, &CDPE_LineFill::OnWidthEdited));
    Load();
}

void CDPE_LineFill::Load()
{
    line_->SetIndex(style_.line_style);
    shownWidth_ = QString::fromStdU16String(FormatG(ShownLineWidth(style_)));
    width_->setText(shownWidth_);
    fill_->SetIndex(style_.fill_style);
    for (int i = 0; i < 4; ++i) swatches_[static_cast<std::size_t>(i)]->SetColour(style_.colour[i]);
    UpdateSwatches();
}

void CDPE_LineFill::SetLineOnly(bool lineOnly)
{
    fillLabel_->setVisible(!lineOnly);
    fill_->setVisible(!lineOnly);
    for (int i = 1; i < 4; ++i) swatches_[static_cast<std::size_t>(i)]->setVisible(!lineOnly);
}

void CDPE_LineFill::Note(int field)
{
    changes_.Note(field);
    Q_EMIT changed(field, changes_.mask);
}

void CDPE_LineFill::UpdateSwatches()
{
    for (int i = 0; i < 4; ++i)
        swatches_[static_cast<std::size_t>(i)]->SetBlank(!SwatchOffered(style_.fill_style, i));
}

void CDPE_LineFill::OnWidthEdited()
{
    if (width_->text() == shownWidth_) return;
    shownWidth_ = width_->text();
    const float width = StoredLineWidth(ParseTypedNumber(width_->text().toStdU16String()));
    if (width == style_.line_width) return;
    style_.line_width = width;
    Note(kLfWidth);
}

}  // namespace ov
