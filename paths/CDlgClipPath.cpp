// CDlgClipPath: controls placed from the size of the Tip button, the options kept between calls and
// the hand-over of the picked pieces to the host.
#include "paths/CDlgClipPath.h"

#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"
#include "paths/ClipPathSettings.h"
#include "paths/ClipResults.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace ov {
namespace {

using D = CDlgClipPath;
// (control id, entry of section "gCD") pairs.
// clang-format off
constexpr int32_t kTexts[] = {
    D::kIdTip,       1,
    D::kIdPickAll,   2,
    D::kIdPickNone,  3,
    D::kIdDeleteSrc, 4,
    D::kIdNewLayer,  5,
    D::kIdApplyNext, 6,
    D::kIdOk,        10,
    D::kIdCancel,    11,
    D::kIdMethod,    12,
    -1,              -1,
};
// clang-format on

const char* const kFile = "GP2.xml";
constexpr const char* kSection = "gCD";
constexpr int kTipEntry = 7;
constexpr int kQuestionCaption = 8;
constexpr int kQuestionText = 9;
constexpr int kMinWidth = 800;
constexpr int kMinHeight = 640;
const QColor kSeparator(0xC8, 0xC8, 0xDC);  // COLORREF 0xDCC8C8
constexpr uint32_t kResultsMessage = OV_MSG_CLIP_RESULTS;

QPushButton* Button(int id, const char* caption)
{
    auto* button = Named(new QPushButton(QString::fromUtf8(caption)), id);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CDlgClipPath::CDlgClipPath(QWidget* parent, OvHostWindow* hostWindow, std::vector<PathObject> paths,
                           OvHostList* results)
    : QDialog(parent), hostWindow_(hostWindow), paths_(std::move(paths)), results_(results)
{
    BuildControls();
    ApplyTexts();
    const ClipPathOptions options = LoadClipPathOptions();
    deleteSource_->setChecked(options.deleteSource);
    newLayer_->setChecked(options.newLayer);
    setMinimumSize(kMinWidth, kMinHeight);
    RestorePlacement();
    method_->hide();
}

CDlgClipPath::~CDlgClipPath()
{
    // Nothing may leave a destructor: a store that fails costs the remembered options only.
    RunGuarded(parentWidget(), [this] {
        ClipPathOptions options;
        options.deleteSource = deleteSource_->isChecked();
        options.newLayer = newLayer_->isChecked();
        const QRect frame = geometry();
        options.x = frame.x();
        options.y = frame.y();
        options.width = frame.width();
        options.height = frame.height();
        StoreClipPathOptions(options);
    });
}

void CDlgClipPath::BuildControls()
{
    view_ = Named(new COvCPSheet(this), kIdView);
    tip_ = Button(kIdTip, "Tip");
    pickAll_ = Button(kIdPickAll, "Pick All");
    pickNone_ = Button(kIdPickNone, "Pick None");
    deleteSource_ = Named(new QCheckBox(QStringLiteral("Delete src"), this), kIdDeleteSrc);
    newLayer_ = Named(new QCheckBox(QStringLiteral("Create to new layer"), this), kIdNewLayer);
    applyNext_ = Button(kIdApplyNext, "Apply Next");
    ok_ = Button(kIdOk, "OK");
    cancel_ = Button(kIdCancel, "Cancel");
    method_ = Named(new QLabel(QStringLiteral("Method"), this), kIdMethod);
    for (QPushButton* b : {tip_, pickAll_, pickNone_, applyNext_, ok_, cancel_}) b->setParent(this);

    connect(tip_, &QPushButton::clicked, this, Guarded(this, &CDlgClipPath::OnTip));
    connect(pickAll_, &QPushButton::clicked, this, Guarded(this, [this] { view_->SetAllPicked(true); }));
    connect(pickNone_, &QPushButton::clicked, this, Guarded(this, [this] { view_->SetAllPicked(false); }));
    connect(applyNext_, &QPushButton::clicked, this, Guarded(this, &CDlgClipPath::OnApplyNext));
    connect(ok_, &QPushButton::clicked, this, Guarded(this, &CDlgClipPath::OnOk));
    connect(cancel_, &QPushButton::clicked, this, Guarded(this, [this] { reject(); }));
    connect(view_, &COvCPSheet::ZoomChanged, this, Guarded(this, &CDlgClipPath::RefreshTitle));
}

void CDlgClipPath::ApplyTexts()
{
    LangTable table;
    table.Open(CurrentLanguageCode(), kFile);
    ApplyLocalizedTexts(table, kSection, kTexts, this);
}

void CDlgClipPath::RestorePlacement()
{
    const ClipPathOptions options = LoadClipPathOptions();
    resize(std::max(options.width, kMinWidth), std::max(options.height, kMinHeight));
    if (options.width <= 0 || options.height <= 0) return;
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const QRect stored(options.x, options.y, options.width, options.height);
    if (screen && screen->availableGeometry().intersects(stored)) move(options.x, options.y);
}

int CDlgClipPath::DoModal()
{
    const auto* record = static_cast<const COvSegPath*>(ov_list_at(results_, 0));
    if (!record) return 0;
    LayoutControls();
    view_->Load(paths_, *record);
    RefreshTitle();
    return exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

void CDlgClipPath::RefreshTitle()
{
    setWindowTitle(QString::fromStdString(ClipViewTitle(view_->Pieces().Scale())));
}

void CDlgClipPath::LayoutControls()
{
    // The Tip button's natural size is the unit: h its height, w its width, widened so that every
    // text of the column shows whole (the two pick buttons share one row).
    const QSize tip = tip_->sizeHint().expandedTo(QSize(120, 24));
    const int h = tip.height();
    const int margin = int(0.45 * h);
    int w = tip.width();
    const QWidget* column[] = {deleteSource_, newLayer_, applyNext_, ok_, cancel_};
    for (const QWidget* control : column) w = std::max(w, control->sizeHint().width());
    w = std::max(w, 2 * std::max(pickAll_->sizeHint().width(), pickNone_->sizeHint().width()) + margin);
    const int columnWidth = w + int(0.9 * h);
    columnLeft_ = std::max(0, width() - columnWidth);
    const int x = columnLeft_ + margin;
    view_->setGeometry(0, 0, std::max(1, columnLeft_ - 4), height());
    int y = margin;
    tip_->setGeometry(x, y, w, h);
    y += int(1.7 * h);
    const int half = (w - margin) / 2;
    pickAll_->setGeometry(x, y, half, h);
    pickNone_->setGeometry(x + half + margin, y, w - half - margin, h);
    y += int(1.7 * h);
    deleteSource_->setGeometry(x, y, w, h);
    y += int(1.2 * h);
    newLayer_->setGeometry(x, y, w, h);
    y += int(0.8 * h);
    method_->setGeometry(x, y + int(0.4 * h), w, h);
    y += 3 * h;
    applyNext_->setGeometry(x, y, w, h);
    y += int(1.7 * h);
    ok_->setGeometry(x, y, w, h);
    y += int(1.2 * h);
    cancel_->setGeometry(x, y, w, h);
    update();
}

void CDlgClipPath::resizeEvent(QResizeEvent* event)
{
    RunGuarded(this, [&] {
        QDialog::resizeEvent(event);
        LayoutControls();
    });
}

void CDlgClipPath::paintEvent(QPaintEvent* event)
{
    RunGuarded(this, [&] {
        QDialog::paintEvent(event);
        QPainter painter(this);
        painter.setPen(kSeparator);
        painter.drawLine(columnLeft_ - 3, 0, columnLeft_ - 3, height());
        painter.drawLine(columnLeft_ - 1, 0, columnLeft_ - 1, height());
    });
}

void CDlgClipPath::OnTip()
{
    LangTable table;
    table.Open(CurrentLanguageCode(), kFile);
    ShowLocalizedMessage(table, kSection, kTipEntry, {}, MessageButtons::Ok, MessageIcon::Information, this);
}

void CDlgClipPath::OnApplyNext()
{
    if (!hostWindow_ || !results_) return;
    const int appended = BuildResults(view_->Pieces(), results_);
    if (appended == 0 || ov_list_count(results_) < 2) return;
    view_->SetAllPicked(false);
    view_->Redraw();
    if (hostWindow_->send_message) hostWindow_->send_message(hostWindow_, kResultsMessage, 1, 0);
    ++applyCount_;
}

void CDlgClipPath::OnOk()
{
    BuildResults(view_->Pieces(), results_);
    if (ov_list_count(results_) < 2 && applyCount_ == 0) {
        LangTable table;
        table.Open(CurrentLanguageCode(), kFile);
        MessageRequest question;
        question.parent = this;
        question.title = QString::fromStdU16String(table.GetLocalizedText(kSection, kQuestionCaption));
        question.text = QString::fromStdU16String(table.GetLocalizedText(kSection, kQuestionText));
        question.buttons = MessageButtons::YesNo;
        question.icon = MessageIcon::Question;
        if (ShowMessage(question) == kMessageYes) reject();
        return;
    }
    accept();
}

}  // namespace ov
