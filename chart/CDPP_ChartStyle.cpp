// The chart-style page: controls bound to DataSeries fields by property code.
#include "chart/CDPP_ChartStyle.h"

#include "chart/CDPE_LineFill.h"
#include "chart/CDlgXYPP.h"
#include "chart/DataSeriesObject.h"
#include "chart/StylePickers.h"
#include "data/formula/NumericExpression.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/toolbar/CDlgToolbar.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ov {
namespace {

constexpr int kTextCount = 20;
constexpr int kProjectionEntries = 16;

QString Number(float value)
{
    return QString::number(static_cast<double>(value), 'g', 6);
}

QWidget* Row(QWidget* parent, std::initializer_list<QWidget*> widgets)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets) {
        w->setParent(row);
        layout->addWidget(w);
    }
    layout->addStretch();
    return row;
}

}  // namespace

CDPP_ChartStyle::CDPP_ChartStyle(CDlgXYPP& sheet) : SheetPage(&sheet), sheet_(sheet)
{
    LangTable table;
    table.Open(CurrentLanguageCode(), "GP1.xml");
    for (int i = 1; i <= kTextCount; ++i) texts_.push_back(table.GetLocalizedText("gPCS", i));
    SetSeriesDefaults(edited_);
    BuildControls();
    projection_->clear();
    for (int i = 1; i <= kProjectionEntries; ++i) {
        const std::u16string entry = table.GetLocalizedText("gCB09", i);
        if (entry.empty()) break;
        projection_->addItem(QString::fromStdU16String(entry));
    }
    if (projection_->count() == 0)
        for (const char* entry : {"None", "X-Y", "Y-Z", "Z-X"}) projection_->addItem(tr(entry));
    ReloadSeries();
}

QString CDPP_ChartStyle::Text(int index, const char* builtIn) const
{
    const std::u16string& text = texts_[static_cast<std::size_t>(index - 1)];
    return text.empty() ? tr(builtIn) : QString::fromStdU16String(text);
}

void CDPP_ChartStyle::BuildControls()
{
    toolbar_ = Named(new CDlgToolbar(this), kCsToolbar);
    toolbar_->Load(QStringLiteral("tb_ChartStyle"));
    connect(toolbar_, &CDlgToolbar::commandPosted, this,
            Guarded(this, [this](int command) { OnChartType(command); }));

    coordinate_ = Named(new QGroupBox(Text(1, "Coordinate"), this), kCsCoordinate);
    auto* radios = new QHBoxLayout(coordinate_);
    for (int i = 0; i < 3; ++i) {
        static const char* const kNames[] = {"X-Y", "X-Y#2", "X-Y#3"};
        auto* radio = Named(new QRadioButton(Text(2 + i, kNames[i]), coordinate_), kCsSystem + i);
        radios->addWidget(radio);
        systems_[static_cast<std::size_t>(i)] = radio;
        connect(radio, &QRadioButton::clicked, this, Guarded(this, [this, i] {
                    if (!loading_) sheet_.SetCoordinateSystem(i);
                    RefreshCoordinateSystem();  // a refused system puts the radio back
                }));
    }

    projection_ = Named(new QComboBox(this), kCsProjection);
    projectionRow_ = Row(this, {new QLabel(Text(19, "Project :")), projection_});
    connect(projection_, &QComboBox::activated, this, Guarded(this, [this](int index) {
                edited_.colour_map = static_cast<uint8_t>(index);
                Apply(kPropProjection);
            }));

    smooth_ = Named(new QCheckBox(Text(5, "Smooth Curve"), this), kCsSmooth);
    legend_ = Named(new QCheckBox(Text(6, "Show Legend"), this), kCsLegend);
    connect(smooth_, &QCheckBox::clicked, this, Guarded(this, [this](bool on) {
                edited_.smooth = on ? 1 : 0;
                Apply(kPropSmooth);
            }));
    connect(legend_, &QCheckBox::clicked, this, Guarded(this, [this](bool on) {
                edited_.hidden_from_legend = on ? 0 : 1;
                Apply(kPropLegend);
            }));

    curveGroup_ = new QGroupBox(Text(14, "Curve"), this);
    curve_ = Named(new CDPE_LineFill(edited_.curve_style, curveGroup_), kCsCurveStyle);
    (new QVBoxLayout(curveGroup_))->addWidget(curve_);
    connect(curve_, &CDPE_LineFill::changed, this,
            Guarded(this, [this](int field, uint32_t) { Apply(kPropCurveStyle + field); }));

    markerGroup_ = new QGroupBox(Text(15, "Marker"), this);
    marker_ = Named(new COvCBMarker(markerGroup_), kCsMarker);
    markerSize_ = Named(new QLineEdit(markerGroup_), kCsMarkerSize);
    stroke_ = Named(new QCheckBox(Text(7, "Stroke"), markerGroup_), kCsStroke);
    markerStyle_ = Named(new CDPE_LineFill(edited_.marker_style, markerGroup_), kCsMarkerStyle);
    auto* markerLayout = new QVBoxLayout(markerGroup_);
    markerLayout->addWidget(Row(markerGroup_, {new QLabel(Text(8, "Marker :")), marker_,
                                               new QLabel(Text(9, "Size :")), markerSize_, stroke_}));
    markerLayout->addWidget(markerStyle_);
    connect(marker_, &QComboBox::activated, this, Guarded(this, [this](int index) {
                edited_.marker_type = static_cast<uint8_t>(index);
                Apply(kPropMarkerType);
            }));
    BindNumber(markerSize_, edited_.marker_size, kPropMarkerSize);
    connect(stroke_, &QCheckBox::clicked, this, Guarded(this, [this](bool on) {
                edited_.stroke = on ? 1 : 0;
                Apply(kPropStroke);
            }));
    connect(markerStyle_, &CDPE_LineFill::changed, this,
            Guarded(this, [this](int field, uint32_t) { Apply(kPropMarkerStyle + field); }));

    barSize_ = Named(new QLineEdit(this), kCsBarSize);
    barOffset_ = Named(new QLineEdit(this), kCsBarOffset);
    barRow_ = Row(this, {new QLabel(Text(10, "Bar Size :")), barSize_, new QLabel(Text(11, "Bar Offset :")),
                         barOffset_});
    BindNumber(barSize_, edited_.bar_size, kPropBarSize);
    BindNumber(barOffset_, edited_.bar_offset, kPropBarOffset);

    bubbleMin_ = Named(new QLineEdit(this), kCsBubbleMin);
    bubbleMax_ = Named(new QLineEdit(this), kCsBubbleMax);
    colourMap_ = Named(new COvCBColorMap(this), kCsColourMap);
    bubbleRow_ =
        Row(this, {new QLabel(Text(12, "Bubble Size :")), bubbleMin_, new QLabel(QStringLiteral("~")),
                   bubbleMax_, new QLabel(Text(13, "Color Map :")), colourMap_});
    BindNumber(bubbleMin_, edited_.bubble_min, kPropBubbleMin);
    BindNumber(bubbleMax_, edited_.bubble_max, kPropBubbleMax);
    connect(colourMap_, &QComboBox::activated, this, Guarded(this, [this](int index) {
                edited_.colour_map = static_cast<uint8_t>(index);
                Apply(kPropColourMap);
            }));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolbar_);
    layout->addWidget(coordinate_);
    layout->addWidget(projectionRow_);
    layout->addWidget(Row(this, {smooth_, legend_}));
    layout->addWidget(curveGroup_);
    layout->addWidget(markerGroup_);
    layout->addWidget(barRow_);
    layout->addWidget(bubbleRow_);
    layout->addStretch();
}

void CDPP_ChartStyle::BindNumber(QLineEdit* edit, float& field, int code)
{
    edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10);
    connect(edit, &QLineEdit::editingFinished, this, Guarded(this, [this, edit, &field, code] {
                const ExpressionResult r = EvaluateNumericText(edit->text().toStdU16String());
                if (r.ok && static_cast<float>(r.value) != field) {
                    field = static_cast<float>(r.value);
                    Apply(code);
                }
                edit->setText(Number(field));
            }));
}

void CDPP_ChartStyle::Apply(int code)
{
    if (loading_) return;
    std::vector<DataSeries*> targets = sheet_.SelectedSeries();
    if (targets.empty() && sheet_.CurrentSeries()) targets.push_back(sheet_.CurrentSeries());
    ApplySeriesProperty(targets, edited_, code);
}

void CDPP_ChartStyle::OnChartType(int command)
{
    if (command < 1 || command > kSeriesTypeCount || !sheet_.CurrentSeries()) return;
    SetSeriesType(edited_, command - 1);
    Apply(kPropChartType + command - 1);
    ShowGroups();
}

void CDPP_ChartStyle::ReloadSeries()
{
    if (const DataSeries* current = sheet_.CurrentSeries()) edited_ = *current;
    Load();
    ShowGroups();
}

void CDPP_ChartStyle::Load()
{
    loading_ = true;
    smooth_->setChecked(edited_.smooth != 0);
    legend_->setChecked(edited_.hidden_from_legend == 0);
    stroke_->setChecked(edited_.stroke != 0);
    marker_->SetIndex(edited_.marker_type);
    markerSize_->setText(Number(edited_.marker_size));
    barSize_->setText(Number(edited_.bar_size));
    barOffset_->setText(Number(edited_.bar_offset));
    bubbleMin_->setText(Number(edited_.bubble_min));
    bubbleMax_->setText(Number(edited_.bubble_max));
    colourMap_->SetIndex(edited_.colour_map);
    projection_->setCurrentIndex(edited_.colour_map < projection_->count() ? edited_.colour_map : 0);
    curve_->Load();
    markerStyle_->Load();
    loading_ = false;
    RefreshCoordinateSystem();
}

void CDPP_ChartStyle::RefreshCoordinateSystem()
{
    const ChartRecord& record = sheet_.Record();
    const DataSeries* current = sheet_.CurrentSeries();
    const int system = current ? SeriesSystem(*current) : 0;
    systems_[1]->setEnabled(record.axes[OV_AXIS_Y2].shown != 0);
    systems_[2]->setEnabled(record.axes[OV_AXIS_Y3].shown != 0);
    for (int i = 0; i < 3; ++i) systems_[static_cast<std::size_t>(i)]->setChecked(i == system);
    if (current) SetSeriesSystem(edited_, system);
}

void CDPP_ChartStyle::ShowGroups()
{
    const DataSeries* current = sheet_.CurrentSeries();
    groups_ = VisibleChartStyleGroups(current != nullptr, SeriesType(edited_), sheet_.Kind());
    toolbar_->setVisible(groups_.chartType);
    coordinate_->setVisible(groups_.chartType);
    projectionRow_->setVisible(groups_.projection);
    smooth_->setVisible(groups_.smooth);
    legend_->setVisible(groups_.legend);
    curveGroup_->setVisible(groups_.curve);
    curve_->SetLineOnly(!groups_.curveFill);
    markerGroup_->setVisible(groups_.marker);
    barRow_->setVisible(groups_.bar);
    bubbleRow_->setVisible(groups_.bubble);
}

}  // namespace ov
