// CDialogFFF: controls built in code, the staged retracing on every change, the load report and the
// settings kept in the store between calls.
#include "trace/CDialogFFF.h"

#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/UiScale.h"
#include "trace/SourceImage.h"
#include "trace/TraceEngine.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace ov {
namespace {

// (control id, entry of section "gCS_1") pairs; id 0 is the caption.
using D = CDialogFFF;
// clang-format off
constexpr int32_t kTexts[] = {
    0,                          1,
    D::kIdOk,                   2,
    D::kIdCancel,               3,
    D::kIdPermeabilityGroup,    4,
    D::kIdDebrisGroup,          5,
    D::kIdApproximabilityGroup, 6,
    D::kIdPathStyleGroup,       7,
    D::kIdPolygon,              8,
    D::kIdClosedCurve,          9,
    D::kIdBlending,             10,
    D::kIdDefaults,             11,
    D::kIdShowKeyPoints,        12,
    -1,                         -1,
};
// clang-format on

const char* const kFile = "FFF.xml";

QSlider* Slider(int id)
{
    auto* slider = Named(new QSlider(Qt::Horizontal), id);
    slider->setRange(0, 100);
    slider->setPageStep(10);
    return slider;
}

QGroupBox* Group(int id, const QString& title, std::initializer_list<QWidget*> children)
{
    auto* group = Named(new QGroupBox(title), id);
    auto* layout = new QVBoxLayout(group);
    for (QWidget* child : children) layout->addWidget(child);
    return group;
}

// Entry of section "gMSG" that explains a load failure.
int MessageEntry(SourceImageFailure failure)
{
    switch (failure) {
    case SourceImageFailure::Unreadable: return 1;
    case SourceImageFailure::NotAnImage: return 2;
    case SourceImageFailure::Damaged: return 3;
    case SourceImageFailure::TooLarge: return 4;
    case SourceImageFailure::None: break;
    }
    return 0;
}

}  // namespace

CDialogFFF::CDialogFFF(QWidget* parent)
    : QDialog(parent), settings_(LoadFloodFillSettings()), engine_(std::make_unique<TraceEngine>())
{
    BuildControls();
    ApplyTexts();
}

CDialogFFF::~CDialogFFF()
{
    // Nothing may leave a destructor: a store that fails costs the remembered settings only.
    RunGuarded(parentWidget(), [this] { StoreFloodFillSettings(settings_); });
}

void CDialogFFF::BuildControls()
{
    setWindowTitle(QStringLiteral("Flood Fill Tool"));
    preview_ = Named(new TracePreview, kIdPreview);
    const double s = UiScaleOf(*this);
    preview_->setMinimumSize(static_cast<int>(460 * s), static_cast<int>(400 * s));
    preview_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    permeability_ = Slider(kIdPermeability);
    debris_ = Slider(kIdDebris);
    approximability_ = Slider(kIdApproximability);
    blending_ = Slider(kIdBlendingSlider);
    styles_[0] = Named(new QRadioButton(QStringLiteral("Polygon")), kIdPolygon);
    styles_[1] = Named(new QRadioButton(QStringLiteral("Closed Curve")), kIdClosedCurve);
    styles_[2] = Named(new QRadioButton(QStringLiteral("Blending")), kIdBlending);
    auto* defaults = Named(new QPushButton(QStringLiteral("Use Default Settings")), kIdDefaults);
    defaults->setAutoDefault(false);
    showKeyPoints_ = Named(new QCheckBox(QStringLiteral("SKP")), kIdShowKeyPoints);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(ControlName(kIdOk));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(ControlName(kIdCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QSlider* slider : {permeability_, debris_, approximability_, blending_}) {
        connect(slider, &QSlider::valueChanged, this, Guarded(this, &CDialogFFF::OnSliderMoved));
    }
    for (QRadioButton* radio : styles_)
        connect(radio, &QRadioButton::clicked, this, Guarded(this, &CDialogFFF::OnStyleClicked));
    connect(defaults, &QPushButton::clicked, this, Guarded(this, &CDialogFFF::OnDefaults));
    connect(showKeyPoints_, &QCheckBox::clicked, this, Guarded(this, &CDialogFFF::OnShowKeyPoints));

    auto* side = new QVBoxLayout;
    side->setContentsMargins(10, 10, 10, 10);
    side->addWidget(Group(kIdPermeabilityGroup, QStringLiteral("Permeability"), {permeability_}));
    side->addWidget(Group(kIdDebrisGroup, QStringLiteral("Debris Elimination"), {debris_}));
    side->addWidget(Group(kIdApproximabilityGroup, QStringLiteral("Approximability"), {approximability_}));
    side->addWidget(Group(kIdPathStyleGroup, QStringLiteral("Path Style"),
                          {styles_[0], styles_[1], styles_[2], blending_}));
    side->addWidget(defaults);
    side->addWidget(showKeyPoints_);
    side->addStretch();
    side->addWidget(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(preview_, 1);
    layout->addLayout(side);
}

void CDialogFFF::ApplyTexts()
{
    LangTable table;
    table.Open(CurrentLanguageCode(), kFile);
    ApplyLocalizedTexts(table, "gCS_1", kTexts, this);
}

void CDialogFFF::PutControls()
{
    const QSignalBlocker blocks[] = {QSignalBlocker(permeability_), QSignalBlocker(debris_),
                                     QSignalBlocker(approximability_), QSignalBlocker(blending_)};
    permeability_->setValue(settings_.permeability);
    debris_->setValue(settings_.debris);
    approximability_->setValue(settings_.approximability);
    blending_->setValue(settings_.blending);
    styles_[std::clamp(settings_.pathStyle, 0, 2)]->setChecked(true);
    blending_->setEnabled(settings_.pathStyle == kPathBlending);
    showKeyPoints_->setChecked(settings_.showKeyPoints);
}

void CDialogFFF::LoadBitmap()
{
    SourceImage image = LoadSourceImage(bitmapPath);
    loadFailure_ = image.failure;
    bitmap_ = MakePreviewBitmap(std::move(image.display));
    engine_->SetSource(std::move(image.bgr));
    seedX = static_cast<float>(engine_->Source().cols) * seedX;
    seedY = static_cast<float>(engine_->Source().rows) * seedY;
    engine_->SetSeed(seedX, seedY);
    if (loadFailure_ == SourceImageFailure::None) return;
    const QString detail =
        bitmapPath + (image.detail.isEmpty() ? QString() : QStringLiteral("\n") + image.detail);
    QTimer::singleShot(0, this, Guarded(this, [this, detail] {
                           LangTable table;
                           table.Open(CurrentLanguageCode(), kFile);
                           ShowLocalizedMessage(table, "gMSG", MessageEntry(loadFailure_), detail,
                                                MessageButtons::Ok, MessageIcon::Warning, this);
                       }));
}

int CDialogFFF::DoModal()
{
    PutControls();
    LoadBitmap();
    engine_->SetSettings(settings_);
    engine_->Update();
    Redraw();
    return exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

void CDialogFFF::Retrace(const FloodFillSettings& next)
{
    settings_ = next;
    engine_->SetSettings(settings_);
    engine_->Update();
    Redraw();
}

void CDialogFFF::Redraw()
{
    engine_->MergeFigures(merged_);
    preview_->Redraw({&bitmap_, &merged_, &engine_->KeyPoints(), settings_.showKeyPoints, UiScaleOf(*this)});
}

void CDialogFFF::OnSliderMoved()
{
    FloodFillSettings next = settings_;
    next.permeability = permeability_->value();
    next.debris = debris_->value();
    next.approximability = approximability_->value();
    next.blending = blending_->value();
    if (next.permeability == settings_.permeability && next.debris == settings_.debris &&
        next.approximability == settings_.approximability && next.blending == settings_.blending) {
        return;
    }
    Retrace(next);
}

void CDialogFFF::OnStyleClicked()
{
    FloodFillSettings next = settings_;
    for (int i = 0; i < 3; ++i) {
        if (styles_[i]->isChecked()) {
            next.pathStyle = i;
            break;
        }
    }
    blending_->setEnabled(next.pathStyle == kPathBlending);
    if (next.pathStyle != settings_.pathStyle) Retrace(next);
}

void CDialogFFF::OnDefaults()
{
    settings_ = DefaultFloodFillSettings(settings_.showKeyPoints);
    PutControls();
    engine_->SetSettings(settings_);
    engine_->SetSeed(seedX, seedY);  // the defaults rerun every stage
    engine_->Update();
    Redraw();
}

void CDialogFFF::OnShowKeyPoints()
{
    const bool checked = showKeyPoints_->isChecked();
    if (checked == settings_.showKeyPoints) return;
    settings_.showKeyPoints = checked;
    Redraw();
}

void CDialogFFF::paintEvent(QPaintEvent* event)
{
    RunGuarded(this, [&] {
        QDialog::paintEvent(event);
        QPainter painter(this);
        painter.setPen(QColor(200, 200, 220));
        painter.drawLine(0, 0, width(), 0);
    });
}

}  // namespace ov
