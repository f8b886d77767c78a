// The Axis page: four groups bound to the axis records.
#include "chart/CDPP_Axis.h"

#include "chart/PageTexts.h"
#include "colour/ColourSwatch.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace ov {
namespace {

template <typename T>
T* Named(T* widget, int axis, int offset)
{
    return ov::Named(widget, AxisControlId(axis, offset));
}

void ShowAll(std::initializer_list<QWidget*> widgets, bool shown)
{
    for (QWidget* w : widgets)
        if (w) w->setVisible(shown);
}

}  // namespace

CDPP_Axis::CDPP_Axis(ChartRecord& record, bool threeD, QWidget* parent)
    : SheetPage(parent), record_(record), threeD_(threeD), visibility_(AxisVisibilityFor(record.kind))
{
    PageTexts texts("GP1.xml", "gPAX");
    auto* grid = new QGridLayout(this);
    for (int axis = 0; axis < OV_AXIS_COUNT; ++axis) {
        BuildGroup(axis, texts);
        grid->addWidget(groups_[static_cast<std::size_t>(axis)].box, axis / 2, axis % 2);
    }
    grid->setRowStretch(2, 1);
    Load();
    ShowForKind();
}

void CDPP_Axis::BuildGroup(int axis, PageTexts& texts)
{
    static const char* const kGroupTitles[] = {"X Axis", "Y Axis", "Y#2 Axis", "Y#3 Axis"};
    Group& g = groups_[static_cast<std::size_t>(axis)];
    QString title = texts.Text(1 + axis, kGroupTitles[axis]);
    if (axis == OV_AXIS_Z && visibility_.zAxisTitle) title = texts.Text(kZAxisTitleText, "Z Axis");
    g.box = Named(new QGroupBox(title, this), axis, kAxGroup);
    const int narrow = fontMetrics().horizontalAdvance(QStringLiteral("0")) * 9;
    g.titleLabel = new QLabel(texts.Text(5, "Title :"), g.box);
    g.title = Named(new QLineEdit(g.box), axis, kAxTitle);
    g.title->setMaxLength(127);
    g.rangeLabel = new QLabel(texts.Text(6, "Range :"), g.box);
    g.min = Named(new QLineEdit(g.box), axis, kAxMin);
    g.tilde = new QLabel(QStringLiteral("~"), g.box);
    g.max = Named(new QLineEdit(g.box), axis, kAxMax);
    g.labelsLabel = new QLabel(texts.Text(7, "Labels :"), g.box);
    g.labels = Named(new QComboBox(g.box), axis, kAxLabels);
    texts.FillList(g.labels, "gCB07", {"Auto", "0", "0.0", "0.00", "Scientific", "None"});
    g.scaleLabel = new QLabel(texts.Text(8, "Scale :"), g.box);
    g.scale = Named(new QComboBox(g.box), axis, kAxScale);
    texts.FillList(g.scale, "gCB08", {"Linear", "Log10", "Ln", "Log2", "Reciprocal", "Power"});
    g.parameter = Named(new QLineEdit(g.box), axis, kAxParameter);
    for (QLineEdit* edit : {g.min, g.max, g.parameter}) edit->setMaximumWidth(narrow);
    connect(g.scale, &QComboBox::currentIndexChanged, this,
            Guarded(this, [this, axis] { UpdateParameter(axis); }));
    const bool enableBox = axis >= OV_AXIS_Y2;
    g.check = Named(new QCheckBox(enableBox ? texts.Text(10, "Enable") : texts.Text(9, "Auto Range"), g.box),
                    axis, kAxCheck);

    auto* layout = new QGridLayout(g.box);
    layout->addWidget(g.titleLabel, 0, 0);
    layout->addWidget(g.title, 0, 1, 1, 4);
    layout->addWidget(g.rangeLabel, 1, 0);
    layout->addWidget(g.min, 1, 1);
    layout->addWidget(g.tilde, 1, 2);
    layout->addWidget(g.max, 1, 3);
    layout->addWidget(g.labelsLabel, 2, 0);
    layout->addWidget(g.labels, 2, 1, 1, 3);
    layout->addWidget(g.scaleLabel, 3, 0);
    layout->addWidget(g.scale, 3, 1, 1, 3);
    layout->addWidget(g.parameter, 3, 4);
    layout->addWidget(g.check, 4, 1, 1, 3);
    if (enableBox) {
        g.colour = Named(new ColourSwatch(g.box), axis, kAxColour);
        g.colourLabel = new QLabel(texts.Text(11, "Color :"), g.box);
        layout->addWidget(g.colourLabel, 5, 0);
        layout->addWidget(g.colour, 5, 1, Qt::AlignLeft);
        connect(g.colour, &ColourSwatch::colourChanged, this,
                Guarded(this, [this, axis](uint32_t argb) { record_.axes[axis].colour = argb; }));
        connect(g.check, &QCheckBox::clicked, this, Guarded(this, [this, axis](bool on) {
                    record_.axes[axis].shown = on ? 1 : 0;
                    UpdateSwatch(axis);
                    Q_EMIT enableChanged(axis, on);
                }));
    }
    if (axis == OV_AXIS_Z) {
        thirdAutoRange_ = new QCheckBox(texts.Text(9, "Auto Range"), g.box);
        thirdAutoRange_->setObjectName(ControlName(kAxThirdAutoRange));
        layout->addWidget(thirdAutoRange_, 4, 1, 1, 3);
    }
    layout->setColumnStretch(5, 1);
}

void CDPP_Axis::Load()
{
    values_ = LoadAxes(record_);
    for (int axis = 0; axis < OV_AXIS_COUNT; ++axis) {
        const AxisValues& v = values_[static_cast<std::size_t>(axis)];
        Group& g = groups_[static_cast<std::size_t>(axis)];
        g.title->setText(QString::fromStdU16String(v.title));
        g.min->setText(QString::fromStdU16String(v.minText));
        g.max->setText(QString::fromStdU16String(v.maxText));
        g.labels->setCurrentIndex(v.labels < g.labels->count() ? v.labels : -1);
        g.scale->setCurrentIndex(v.scale < g.scale->count() ? v.scale : -1);
        g.parameter->setText(QString::fromStdU16String(v.parameterText));
        g.check->setChecked(v.shown);
        if (g.colour) g.colour->SetColour(record_.axes[axis].colour);
        UpdateSwatch(axis);
    }
    thirdAutoRange_->setChecked(values_[OV_AXIS_Z].shown);
}

void CDPP_Axis::ShowForKind()
{
    for (int axis = 0; axis < OV_AXIS_COUNT; ++axis) {
        const AxisGroupVisibility& v = visibility_.groups[static_cast<std::size_t>(axis)];
        Group& g = groups_[static_cast<std::size_t>(axis)];
        g.box->setVisible(v.group);
        ShowAll({g.titleLabel, g.title}, v.title);
        ShowAll({g.rangeLabel, g.min, g.tilde, g.max}, v.range);
        ShowAll({g.labelsLabel, g.labels}, v.labels);
        ShowAll({g.scaleLabel, g.scale}, v.scale);
        g.check->setVisible(v.check);
        ShowAll({g.colourLabel, g.colour}, v.colour);
        UpdateParameter(axis);
    }
    thirdAutoRange_->setVisible(visibility_.thirdAutoRange);
}

void CDPP_Axis::UpdateParameter(int axis)
{
    Group& g = groups_[static_cast<std::size_t>(axis)];
    g.parameter->setVisible(visibility_.groups[static_cast<std::size_t>(axis)].scale &&
                            ScaleParameterShown(g.scale->currentIndex()));
}

void CDPP_Axis::UpdateSwatch(int axis)
{
    if (ColourSwatch* swatch = groups_[static_cast<std::size_t>(axis)].colour)
        swatch->SetBlank(!AxisSwatchPainted(record_, axis));
}

void CDPP_Axis::Store()
{
    for (int axis = 0; axis < OV_AXIS_COUNT; ++axis) {
        AxisValues& v = values_[static_cast<std::size_t>(axis)];
        const Group& g = groups_[static_cast<std::size_t>(axis)];
        v.title = g.title->text().toStdU16String();
        v.minText = g.min->text().toStdU16String();
        v.maxText = g.max->text().toStdU16String();
        v.labels = g.labels->currentIndex();
        v.scale = g.scale->currentIndex();
        v.parameterText = g.parameter->text().toStdU16String();
        v.shown = g.check->isChecked();
    }
    if (visibility_.thirdAutoRange) values_[OV_AXIS_Z].shown = thirdAutoRange_->isChecked();
    StoreAxes(values_, record_);
}

}  // namespace ov
