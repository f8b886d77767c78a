// The compact line/fill editor of the chart-style page.
#include "chart/LineFillControls.h"

#include "chart/StylePickers.h"
#include "colour/ColourSwatch.h"
#include "framework/NumericExpression.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace ov {

LineFillControls::LineFillControls(LineFillStyle& style, const LineFillLabels& labels, QWidget* parent)
    : QWidget(parent), style_(style)
{
    line_ = new COvCBLine(this);
    width_ = new QLineEdit(this);
    width_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10);
    fill_ = new COvCBFill(this);
    for (auto& swatch : swatches_) swatch = new ColourSwatch(this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(5, 1);
    grid->addWidget(new QLabel(labels.line, this), 0, 0);
    grid->addWidget(line_, 0, 1);
    grid->addWidget(new QLabel(labels.width, this), 0, 2);
    grid->addWidget(width_, 0, 3);
    grid->addWidget(swatches_[0], 0, 4);
    fillLabel_ = new QLabel(labels.fill, this);
    grid->addWidget(fillLabel_, 1, 0);
    grid->addWidget(fill_, 1, 1);
    for (int i = 1; i < 4; ++i) grid->addWidget(swatches_[static_cast<std::size_t>(i)], 1, i + 1);
    connect(line_, &QComboBox::activated, this, [this](int index) {
        style_.line_style = static_cast<uint8_t>(index);
        Q_EMIT fieldChanged(0);
    });
    connect(width_, &QLineEdit::editingFinished, this, &LineFillControls::OnWidthEdited);
    connect(fill_, &QComboBox::activated, this, [this](int index) {
        style_.fill_style = static_cast<uint8_t>(index);
        UpdateSwatches();
        Q_EMIT fieldChanged(2);
    });
    for (int i = 0; i < 4; ++i)
        connect(swatches_[static_cast<std::size_t>(i)], &ColourSwatch::colourChanged, this,
                [this, i](uint32_t argb) {
                    style_.colour[i] = argb;
                    Q_EMIT fieldChanged(3 + i);
                });
    Load();
}

void LineFillControls::Load()
{
    line_->SetIndex(style_.line_style);
    width_->setText(
        QString::number(static_cast<double>(style_.line_width * kLineWidthDisplayFactor), 'g', 6));
    fill_->SetIndex(style_.fill_style);
    for (int i = 0; i < 4; ++i) swatches_[static_cast<std::size_t>(i)]->SetColour(style_.colour[i]);
    UpdateSwatches();
}

void LineFillControls::SetLineOnly(bool lineOnly)
{
    lineOnly_ = lineOnly;
    UpdateSwatches();
}

void LineFillControls::UpdateSwatches()
{
    const int fill = style_.fill_style;
    fillLabel_->setVisible(!lineOnly_);
    fill_->setVisible(!lineOnly_);
    swatches_[1]->setVisible(!lineOnly_);
    swatches_[2]->setVisible(!lineOnly_ && fill > 1);
    swatches_[3]->setVisible(!lineOnly_ && fill >= 55 && fill <= 57);
}

void LineFillControls::OnWidthEdited()
{
    const ExpressionResult r = EvaluateNumericText(width_->text().toStdU16String());
    const float width = static_cast<float>(r.value) / kLineWidthDisplayFactor;
    if (!r.ok || r.value < 0 || width == style_.line_width) {
        Load();
        return;
    }
    style_.line_width = width;
    Q_EMIT fieldChanged(1);
}

}  // namespace ov
