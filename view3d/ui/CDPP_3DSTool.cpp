// The 3-D tool page: controls bound to the record's 3-D fields, each written at once.
#include "view3d/ui/CDPP_3DSTool.h"

#include "chart/PageTexts.h"
#include "chart/StylePickers.h"
#include "colour/ColourSwatch.h"
#include "data/formula/NumericExpression.h"
#include "framework/prompt/SetStrings.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/toolbar/CDlgToolbar.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "view3d/SurfaceData.h"
#include "view3d/gl/COvOG.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace ov {
namespace {

constexpr int kLevelEntries = 8;  // 8, 16, ..., 64
constexpr int kLevelStep = 8;
constexpr int kWidthEntries = 9;  // 0 ... 8
constexpr int kRatioAxes = 3;

std::u16string PromptText(LangTable& table, int entry, std::u16string_view builtIn)
{
    std::u16string text = table.GetLocalizedText("gDLG_7", entry);
    return text.empty() ? std::u16string(builtIn) : text;
}

std::u16string Utf16(const std::string& ascii)
{
    return {ascii.begin(), ascii.end()};
}

}  // namespace

CDPP_3DSTool::CDPP_3DSTool(ChartRecord& record, COvOG& view, QWidget* parent)
    : SheetPage(parent), record_(record), view_(view)
{
    BuildControls();
    Load();
}

void CDPP_3DSTool::BuildControls()
{
    PageTexts texts("GP1.xml", "gDLG5");
    // Loading names a toolbar after its file; the control ids come after.
    styleBar_ = new CDlgToolbar(this);
    styleBar_->Load(QStringLiteral("tb_3DS_style"));
    Named(styleBar_, kStStyleBar);
    viewBar_ = new CDlgToolbar(this);
    viewBar_->Load(QStringLiteral("tb_3DS_view"));
    Named(viewBar_, kStViewBar);
    connect(styleBar_, &CDlgToolbar::commandPosted, this,
            Guarded(this, [this](int c) { OnStyleCommand(c); }));
    connect(viewBar_, &CDlgToolbar::commandPosted, this, Guarded(this, [this](int c) { OnViewCommand(c); }));

    projection_ = Named(new QComboBox(this), kStProjection);
    texts.FillList(projection_, "gCB09", {"None", "Project to X-Y", "Project to Y-Z", "Project to Z-X"});
    colourMap_ = Named(new COvCBColorMap(this), kStColourMap);
    levels_ = Named(new QComboBox(this), kStLevels);
    for (int i = 1; i <= kLevelEntries; ++i) levels_->addItem(QString::number(i * kLevelStep));
    lineWidth_ = Named(new QComboBox(this), kStLineWidth);
    for (int i = 0; i < kWidthEntries; ++i) lineWidth_->addItem(QString::number(i));
    fill_ = Named(new ColourSwatch(this), kStFillColour);
    line_ = Named(new ColourSwatch(this), kStLineColour);
    auto* ratios = Named(new QPushButton(texts.Text(7, "Axis Ratios..."), this), kStRatios);

    auto* form = new QFormLayout;
    form->addRow(texts.Text(1, "Project :"), projection_);
    form->addRow(texts.Text(2, "Color Map :"), colourMap_);
    form->addRow(texts.Text(3, "Levels :"), levels_);
    form->addRow(texts.Text(4, "Line Width :"), lineWidth_);
    form->addRow(texts.Text(5, "Fill Color :"), fill_);
    form->addRow(texts.Text(6, "Line Color :"), line_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(styleBar_);
    layout->addWidget(viewBar_);
    layout->addLayout(form);
    layout->addWidget(ratios);
    layout->addStretch();

    connect(projection_, &QComboBox::activated, this, Guarded(this, [this](int index) {
                record_.projection_3d = static_cast<uint8_t>(index);
                Changed();
            }));
    connect(colourMap_, &QComboBox::activated, this, Guarded(this, [this](int index) {
                record_.colour_map_3d = static_cast<uint8_t>(index);
                Changed();
            }));
    connect(levels_, &QComboBox::activated, this, Guarded(this, [this](int index) {
                record_.contour_levels = static_cast<uint8_t>((index + 1) * kLevelStep);
                Changed();
            }));
    connect(lineWidth_, &QComboBox::activated, this, Guarded(this, [this](int index) {
                record_.line_width_3d = static_cast<uint32_t>(index);
                Changed();
            }));
    connect(fill_, &ColourSwatch::colourChanged, this, Guarded(this, [this](uint32_t argb) {
                record_.fill_colour_3d = argb;
                Changed();
            }));
    connect(line_, &ColourSwatch::colourChanged, this, Guarded(this, [this](uint32_t argb) {
                record_.line_colour_3d = argb;
                Changed();
            }));
    connect(ratios, &QPushButton::clicked, this, Guarded(this, [this] { EditRatios(); }));
}

void CDPP_3DSTool::Load()
{
    styleBar_->SetCheckedCommand(kStFirstStyleCommand + record_.style_3d);
    viewBar_->SetCheckedCommand(record_.view_preset_3d + 1);
    projection_->setCurrentIndex(std::min<int>(record_.projection_3d, projection_->count() - 1));
    colourMap_->SetIndex(record_.colour_map_3d);
    levels_->setCurrentIndex(std::clamp(record_.contour_levels / kLevelStep - 1, 0, kLevelEntries - 1));
    lineWidth_->setCurrentIndex(
        static_cast<int>(std::min<uint32_t>(record_.line_width_3d, kWidthEntries - 1)));
    fill_->SetColour(record_.fill_colour_3d);
    line_->SetColour(record_.line_colour_3d);
}

void CDPP_3DSTool::OnStyleCommand(int command)
{
    const int style = command - kStFirstStyleCommand;
    if (style < 0 || style >= kStStyleCount) return;
    record_.style_3d = static_cast<uint8_t>(style);
    styleBar_->SetCheckedCommand(command);
    Changed(true);
}

void CDPP_3DSTool::OnViewCommand(int command)
{
    if (command < 1 || command > kStViewPresetCount) return;
    record_.view_preset_3d = static_cast<uint8_t>(command - 1);
    viewBar_->SetCheckedCommand(command);
    Changed();
}

void CDPP_3DSTool::EditRatios()
{
    LangTable table;
    table.Open(CurrentLanguageCode(), "SSDlg.xml");
    SetStringsSetup setup;
    setup.title = PromptText(table, 1, u"Axis Ratios");
    setup.labels = {PromptText(table, 2, u"X ratio ##"), PromptText(table, 3, u"Y ratio ##"),
                    PromptText(table, 4, u"Z ratio ##")};
    for (int axis = 0; axis < kRatioAxes; ++axis)
        setup.values.push_back(Utf16(FormatHeaderValue(static_cast<double>(record_.axes[axis].ratio_3d))));
    if (RunSetStrings(setup, this) != 1 || setup.values.size() != kRatioAxes) return;
    for (int axis = 0; axis < kRatioAxes; ++axis) {
        const ExpressionResult typed = EvaluateNumericText(setup.values[static_cast<std::size_t>(axis)]);
        if (typed.ok && std::isfinite(typed.value))
            record_.axes[axis].ratio_3d = static_cast<float>(typed.value);
    }
    Changed();
}

void CDPP_3DSTool::Changed(bool modeChanged)
{
    if (modeChanged) view_.SetView(record_.style_3d);
    view_.Rebuild();
}

}  // namespace ov
