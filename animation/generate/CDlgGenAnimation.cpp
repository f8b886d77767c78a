// CDlgGenAnimation: controls, the render request, playback and saving the frames as a video.
#include "animation/generate/CDlgGenAnimation.h"

#include "animation/generate/AnimationTiming.h"
#include "animation/generate/FramePreview.h"
#include "animation/generate/ProgressControl.h"
#include "animation/generate/VideoExportTypes.h"
#include "animation/video/FrameImage.h"
#include "framework/settings/RememberedFolder.h"
#include "framework/text/HostFolder.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/FileDialogs.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace ov {
namespace {

constexpr const char* kFile = "GP0.xml";
constexpr const char* kSection = "gGAN";
constexpr int kPlayEntry = 4;
constexpr int kPauseEntry = 8;

// (control id, entry) pairs of "gGAN"; 0 is the dialog's title.
constexpr int32_t kTexts[] = {0,
                              1,
                              CDlgGenAnimation::kIdDurationLabel,
                              2,
                              CDlgGenAnimation::kIdFpsLabel,
                              3,
                              CDlgGenAnimation::kIdGenerate,
                              5,
                              CDlgGenAnimation::kIdSaveVideo,
                              6,
                              CDlgGenAnimation::kIdClose,
                              7,
                              -1,
                              -1};

// Built-in texts of "EXP.xml" when the language file is missing.
constexpr const char* kTypeNames[kVideoExportTypeCount] = {
    "AVI, uncompressed (*.avi)", "AVI, Microsoft Video 1 (*.avi)",
    "Windows Media Video, best quality (*.wmv)", "Windows Media Video, balanced (*.wmv)",
    "Windows Media Video, smallest (*.wmv)"};
constexpr const char* kTypePatterns[kVideoExportTypeCount] = {"*.avi", "*.avi", "*.wmv", "*.wmv", "*.wmv"};

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Shows the progress bar for the length of a scope.
class ProgressShown {
public:
    explicit ProgressShown(QProgressBar* bar) : bar_(bar) { bar_->show(); }
    ~ProgressShown() { bar_->hide(); }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    QProgressBar* bar_;
};

QString Local(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

QString TextOr(const std::u16string& text, const char* builtIn)
{
    return text.empty() ? QString::fromUtf8(builtIn) : QString::fromStdU16String(text);
}

}  // namespace

CDlgGenAnimation::CDlgGenAnimation(QWidget* parent, OvHostWindow* hostWindow)
    : QDialog(parent),
      host_(hostWindow),
      texts_(std::make_unique<LangTable>()),
      length_(ReadRemembered(kAnimationLengthKey, kAnimationLengthValues))
{
    texts_->Open(CurrentLanguageCode(), kFile);
    BuildControls();
    ApplyTexts();
    UpdatePlayControls();
}

CDlgGenAnimation::~CDlgGenAnimation()
{
    // Nothing may leave a destructor: a failure here costs the frame folder or the remembered values.
    timer_->stop();
    RunGuarded(parentWidget(), [this] { DiscardFrames(); });
    RunGuarded(parentWidget(),
               [this] { WriteRemembered(kAnimationLengthKey, kAnimationLengthValues, length_); });
}

QString CDlgGenAnimation::Text(int entry, const char* builtIn) const
{
    return TextOr(texts_->GetLocalizedText(kSection, entry), builtIn);
}

void CDlgGenAnimation::BuildControls()
{
    setWindowTitle(QStringLiteral("Generate Animation"));
    auto* durationLabel = Named(new QLabel(QStringLiteral("Duration /s :"), this), kIdDurationLabel);
    duration_ = Named(new QLineEdit(QString::number(length_.duration), this), kIdDuration);
    auto* fpsLabel = Named(new QLabel(QStringLiteral("Frame Rate /fps :"), this), kIdFpsLabel);
    fps_ = Named(new QLineEdit(QString::number(length_.fps), this), kIdFps);
    generate_ = Named(new QPushButton(QStringLiteral("Generate"), this), kIdGenerate);
    save_ = Named(new QPushButton(QStringLiteral("Save Video..."), this), kIdSaveVideo);
    auto* close = Named(new QPushButton(QStringLiteral("Close"), this), kIdClose);
    play_ = Named(new QPushButton(this), kIdPlay);
    back_ = Named(new QPushButton(QStringLiteral("<<"), this), kIdBack);
    forward_ = Named(new QPushButton(QStringLiteral(">>"), this), kIdForward);
    progress_ = Named(new QProgressBar(this), kIdProgress);
    time_ = Named(new QLabel(this), kIdTime);
    preview_ = new FramePreview(this);
    preview_->setMinimumSize(400, 300);
    timer_ = new QTimer(this);
    progressControl_ = std::make_unique<ProgressControl>(progress_);

    auto* form = new QGridLayout;
    form->addWidget(durationLabel, 0, 0);
    form->addWidget(duration_, 0, 1);
    form->addWidget(fpsLabel, 1, 0);
    form->addWidget(fps_, 1, 1);
    auto* side = new QVBoxLayout;
    side->addLayout(form);
    side->addWidget(generate_);
    side->addWidget(save_);
    // Kept from the original layout, never shown.
    for (const int id : {kIdHiddenCheck1, kIdHiddenCheck2}) side->addWidget(Named(new QCheckBox(this), id));
    for (const int id : {kIdHiddenStatic1, kIdHiddenStatic2}) side->addWidget(Named(new QLabel(this), id));
    side->addStretch();
    side->addWidget(close);
    auto* controls = new QHBoxLayout;
    controls->addWidget(back_);
    controls->addWidget(play_);
    controls->addWidget(forward_);
    controls->addStretch();
    controls->addWidget(time_);
    auto* view = new QVBoxLayout;
    view->addWidget(preview_, 1);
    view->addLayout(controls);
    view->addWidget(progress_);
    auto* top = new QHBoxLayout(this);
    top->addLayout(side);
    top->addLayout(view, 1);
    for (const int id : {kIdHiddenCheck1, kIdHiddenCheck2, kIdHiddenStatic1, kIdHiddenStatic2})
        FindControl(this, id)->hide();
    progress_->hide();
    time_->hide();
    generate_->setDefault(true);

    connect(generate_, &QPushButton::clicked, this, Guarded(this, [this] { OnGenerate(); }));
    connect(save_, &QPushButton::clicked, this, Guarded(this, [this] { OnSaveVideo(); }));
    connect(play_, &QPushButton::clicked, this, Guarded(this, [this] { OnPlay(); }));
    connect(back_, &QPushButton::clicked, this, Guarded(this, [this] { OnStep(-1); }));
    connect(forward_, &QPushButton::clicked, this, Guarded(this, [this] { OnStep(1); }));
    connect(close, &QPushButton::clicked, this, Guarded(this, [this] { reject(); }));
    connect(timer_, &QTimer::timeout, this, Guarded(this, [this] { OnTick(); }));
}

void CDlgGenAnimation::ApplyTexts()
{
    ApplyLocalizedTexts(*texts_, kSection, kTexts, this);
}

int CDlgGenAnimation::TimerInterval() const
{
    return timer_->interval();
}

std::vector<std::string> CDlgGenAnimation::KeptFolders()
{
    const std::filesystem::path appData = AppDataFolder();
    return {QFile::encodeName(QDir::homePath()).toStdString(), appData.string(), (appData / "Temp").string()};
}

void CDlgGenAnimation::DiscardFrames()
{
    frames_.Discard(KeptFolders());
}

void CDlgGenAnimation::OnGenerate()
{
    if (!host_ || !host_->send_message) return;
    const ProgressShown shown(progress_);
    const WaitCursor wait;
    StopPlayback();
    DiscardFrames();
    length_.duration = ClampDuration(duration_->text().trimmed().toInt());
    length_.fps = ClampFps(fps_->text().trimmed().toInt());
    frameCount_ = length_.duration * length_.fps;
    progressControl_->Reset(0, frameCount_);
    if (!frames_.PrepareRequest(frameCount_)) throw std::bad_alloc();
    host_->send_message(host_, OV_MSG_RENDER_FRAMES, reinterpret_cast<uintptr_t>(progressControl_->get()),
                        reinterpret_cast<intptr_t>(frames_.get()));
    frames_.TakeAnswer();
    duration_->setText(QString::number(length_.duration));
    fps_->setText(QString::number(length_.fps));
    time_->show();
    ShowFrame(0);
    StartPlayback();
}

void CDlgGenAnimation::StartPlayback()
{
    if (frameCount_ <= 0) return;
    timer_->start(PlaybackIntervalMs(length_.fps));
    playing_ = true;
    UpdatePlayControls();
}

void CDlgGenAnimation::StopPlayback()
{
    timer_->stop();
    playing_ = false;
    UpdatePlayControls();
}

void CDlgGenAnimation::OnPlay()
{
    if (playing_)
        StopPlayback();
    else
        StartPlayback();
}

void CDlgGenAnimation::OnStep(int delta)
{
    if (playing_ || frameCount_ <= 0) return;
    ShowFrame(StepFrame(current_, delta, frameCount_));
}

void CDlgGenAnimation::OnTick()
{
    ShowFrame(StepFrame(current_, 1, frameCount_));
}

void CDlgGenAnimation::ShowFrame(int index)
{
    current_ = index;
    preview_->DrawFrame(Local(frames_.PathAt(index)));  // a frame that does not load is not drawn
    time_->setText(QString::fromStdString(TimeDisplayText(current_, frameCount_, length_.duration)));
}

void CDlgGenAnimation::UpdatePlayControls()
{
    const bool frames = frameCount_ > 0;
    play_->setText(Text(playing_ ? kPauseEntry : kPlayEntry, playing_ ? "Pause" : "Play"));
    play_->setEnabled(frames);
    save_->setEnabled(frames);
    back_->setEnabled(frames && !playing_);
    forward_->setEnabled(frames && !playing_);
}

void CDlgGenAnimation::OnSaveVideo()
{
    if (frames_.Count() < 2) return;
    const bool wasPlaying = playing_;
    StopPlayback();
    LangTable exp;
    exp.Open(CurrentLanguageCode(), "EXP.xml");
    OpenFileRequest request;
    request.parent = this;
    request.caption = TextOr(exp.GetLocalizedText("gCS_5", 1), "Save Video");
    for (int i = 0; i < kVideoExportTypeCount; ++i) {
        const QString name = TextOr(exp.GetLocalizedText("gCS_4", i + 1), kTypeNames[i]);
        const QString pattern = TextOr(exp.GetLocalizedText("gCS_6", i + 1), kTypePatterns[i]);
        request.filters += NameFiltersFromPairs(name + '|' + pattern + QStringLiteral("||"));
    }
    VideoExportChoice choice = ReadRemembered(kVideoExportKey, kVideoExportValues);
    int chosen = static_cast<int>(choice.type);
    request.selectedFilter = chosen;
    request.chosenFilter = &chosen;
    request.folder = Local(ReadRememberedFolder(kVideoFolderSlot));
    request.defaultSuffix = QString::fromUtf8(kTypePatterns[chosen] + 2);
    const QString path = ShowSaveFileDialog(request);
    if (!path.isEmpty()) {
        RememberFolderOf(kVideoFolderSlot, QFile::encodeName(path).toStdString());
        choice.type = static_cast<uint32_t>(std::clamp(chosen, 0, kVideoExportTypeCount - 1));
        WriteRemembered(kVideoExportKey, kVideoExportValues, choice);
        WriteVideo(path, static_cast<int>(choice.type));
    }
    if (wasPlaying) StartPlayback();
}

void CDlgGenAnimation::WriteVideo(const QString& path, int type)
{
    const VideoExportType kind = VideoExportTypeAt(type);
    std::unique_ptr<COvVideoFile> writer = MakeVideoWriter(kind);
    const QImage first = LoadFrameImage(Local(frames_.PathAt(0)));
    const int width = first.width();
    const int height = first.height();
    if (writer->Open(QFile::encodeName(path).toStdString(), kind.codec, length_.fps, width, height,
                     width * height * 3, 0) != kVideoOk) {
        ShowSharedMessage("gMSG_2", 1, {}, MessageButtons::Ok, MessageIcon::Warning, this);
        return;
    }
    const WaitCursor wait;
    const ProgressShown shown(progress_);
    const int count = frames_.Count();
    progressControl_->Reset(0, count);
    (void)writer->AddBitmap(PixelsOf(first));  // a frame that fails is skipped, the rest go on
    progressControl_->Step();
    for (int i = 1; i < count; ++i) {
        (void)AddImageFile(*writer, Local(frames_.PathAt(i)));
        progressControl_->Step();
    }
}

}  // namespace ov
