// Generate Animation: the preview's painting and the C progress control, then the dialog through the
// entry point's dispatch: the render request and the host's answer, clamped values, playback timer and
// steps, the time display, the remembered values, discarding frames, and Save Video with its file
// types, refusals and failures.
#include <gtest/gtest.h>

#include "animation/generate/CDlgGenAnimation.h"
#include "animation/generate/FramePreview.h"
#include "animation/generate/GenerateAnimation.h"
#include "animation/generate/ProgressControl.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/FileDialogs.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"
#include "host/DialogRegistry.h"
#include "host/Dispatch.h"
#include "testhost/HostFixtures.h"
#include "testhost/ModalDriver.h"
#include "video/VideoTestSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>

#include <filesystem>
#include <fstream>

using namespace ov;
using namespace ovtest;
namespace fs = std::filesystem;

namespace {

QColor FrameColour(int i)
{
    return QColor((i * 37) % 256, 120, 250 - (i * 11) % 200);
}

// The host side of the render request: writes `files` PNG frames into a new folder and answers with
// the folder, a second text and the paths.
struct Renderer {
    int files = 3;
    QSize size{32, 16};
    fs::path base;
    std::string folderOverride;  // answer this folder instead of the one rendered into
    std::vector<QSize> sizes;    // per-frame sizes when set
    std::vector<std::string> requests;
    int rangeLow = -1, rangeHigh = -1, positionOnEntry = -1, positionAfter = -1;
    fs::path lastFolder;

    intptr_t Answer(const HostMessage& m)
    {
        if (m.message != OV_MSG_RENDER_FRAMES) return 0;
        auto* progress = reinterpret_cast<OvProgressControl*>(m.wparam);
        auto* list = reinterpret_cast<OvHostList*>(m.lparam);
        auto* bar = static_cast<QProgressBar*>(progress->qt_progress_bar);
        rangeLow = bar->minimum();
        rangeHigh = bar->maximum();
        positionOnEntry = bar->value();
        const auto* count = static_cast<const ov_char16*>(ov_list_at(list, 0));
        requests.emplace_back(count, count + ov_str_len(count));
        lastFolder = base / ("frames-" + std::to_string(requests.size()));
        fs::create_directories(lastFolder);
        std::ofstream(lastFolder / "notes.txt") << "x";
        free(ov_list_remove_last(list));
        const std::string folder = folderOverride.empty() ? lastFolder.string() : folderOverride;
        ov_list_append(list, ov_str_from_ascii(folder.c_str()));
        ov_list_append(list, ov_str_from_ascii("second"));
        for (int i = 0; i < files; ++i) {
            const fs::path file = lastFolder / ("f" + std::to_string(i) + ".png");
            QImage image(i < static_cast<int>(sizes.size()) ? sizes[i] : size, QImage::Format_RGB32);
            image.fill(FrameColour(i));
            image.save(QString::fromStdString(file.string()));
            ov_list_append(list, ov_str_from_ascii(file.string().c_str()));
            progress->step(progress);
        }
        positionAfter = bar->value();
        return 0;
    }
};

// The preview: grey 0xC8C8C8 inside a sunken 2-pixel frame drawn from 0xDCC8C8 (blue 0xDC), the
// picture fitted 2 pixels inside and centred, scaled smoothly; what does not load keeps the last
// picture, and the widget paints the bitmap once there is one.
TEST(FramePreviewPainting, FitInsetFrameAndSmoothScaling)
{
    EnsureTestApplication();
    const fs::path folder = FreshFolder("preview");
    QImage picture(40, 10, QImage::Format_RGB32);  // left half red, right half blue
    picture.fill(Qt::red);
    for (int y = 0; y < 10; ++y)
        for (int x = 20; x < 40; ++x) picture.setPixelColor(x, y, Qt::blue);
    const QString path = QString::fromStdString((folder / "p.png").string());
    ASSERT_TRUE(picture.save(path));

    QWidget dialog;  // a child may be empty, a window may not
    FramePreview preview(&dialog);
    preview.resize(100, 60);
    const QColor grey(0xC8, 0xC8, 0xC8);
    EXPECT_EQ(QColor(preview.grab().toImage().pixel(50, 30)), grey);  // nothing drawn yet
    for (const QSize empty : {QSize(0, 60), QSize(100, 0)}) {
        preview.resize(empty);
        EXPECT_FALSE(preview.DrawFrame(path)) << empty.width();
    }
    preview.resize(1, 1);
    EXPECT_TRUE(preview.DrawFrame(path));  // no room for the picture inside the frame, but drawn
    preview.resize(100, 60);
    ASSERT_TRUE(preview.DrawFrame(path));
    const QImage& b = preview.Bitmap();
    ASSERT_EQ(b.size(), QSize(100, 60));
    const auto at = [&](int x, int y) { return QColor(b.pixel(x, y)); };
    const auto rgb = [&](int x, int y) { return b.pixel(x, y) & 0xFFFFFFu; };
    // Inside 2 … 97 × 2 … 57 the 4:1 picture is 96 × 24, rows 18 … 41.
    EXPECT_EQ(at(2, 30), QColor(Qt::red));
    EXPECT_EQ(at(97, 30), QColor(Qt::blue));
    EXPECT_EQ(at(20, 18), QColor(Qt::red));
    EXPECT_EQ(at(20, 41), QColor(Qt::red));
    EXPECT_EQ(at(20, 17), grey);
    EXPECT_EQ(at(20, 42), grey);
    EXPECT_EQ(at(50, 2), grey);
    const QColor frame(0xC8, 0xC8, 0xDC);
    EXPECT_EQ(rgb(50, 1),
              frame.darker(130).rgb() & 0xFFFFFFu);  // sunken: dark above and left, light below and right
    EXPECT_EQ(rgb(1, 30), frame.darker(130).rgb() & 0xFFFFFFu);
    EXPECT_EQ(rgb(50, 58), frame.lighter(120).rgb() & 0xFFFFFFu);
    EXPECT_EQ(rgb(98, 30), frame.lighter(120).rgb() & 0xFFFFFFu);
    bool blended = false;  // smooth scaling mixes the two halves where they meet
    for (int x = 40; x < 60; ++x) blended |= at(x, 30) != QColor(Qt::red) && at(x, 30) != QColor(Qt::blue);
    EXPECT_TRUE(blended);
    EXPECT_EQ(QColor(preview.grab().toImage().pixel(20, 30)), QColor(Qt::red));

    std::ofstream(folder / "bad.png") << "not a picture";
    EXPECT_FALSE(preview.DrawFrame(QString::fromStdString((folder / "bad.png").string())));
    EXPECT_EQ(at(20, 30), QColor(Qt::red));
}

// The C progress control the host steps: up to the upper end, then again from the lower end.
TEST(FramePreviewPainting, ProgressControlStepsToTheEndThenWraps)
{
    EnsureTestApplication();
    QProgressBar bar;
    ProgressControl progress(&bar);
    OvProgressControl* c = progress.get();
    c->set_range(c, 2, 4);
    EXPECT_EQ(bar.value(), 2);
    c->step(c);
    c->step(c);
    EXPECT_EQ(bar.value(), 4);
    c->step(c);
    EXPECT_EQ(bar.value(), 2);
    c->set_position(c, 3);
    EXPECT_EQ(bar.value(), 3);
    c->set_range(c, 5, 1);  // an upper end below the lower one is the lower one
    EXPECT_EQ(bar.minimum(), 5);
    EXPECT_EQ(bar.maximum(), 5);
}

class GenerateAnimationDialog : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        registry_.generateAnimation = [](AnimationCall& c) {
            RunGenerateAnimationDialog(c.parent, c.hostWindow);
            return 0;
        };
        renderer_.base = FreshFolder("generate");
        std::ofstream(renderer_.base / "sentinel") << "x";
        window_.answer = [this](const HostMessage& m) { return renderer_.Answer(m); };
        RegKeyHandle key(kAnimationLengthKey);
        key.WriteDword("A_Dura", 10);
        key.WriteDword("A_fps", 24);
    }

    int32_t Run(const std::function<void(CDlgGenAnimation&)>& act)
    {
        GEEdtParams params{};
        params.host_window = window_.get();
        params.code = OV_CODE_GENERATE_ANIMATION;
        return RunModal([&] { return DispatchGEEdt(&params, registry_, [] { return true; }); },
                        [&](QDialog& d) { act(dynamic_cast<CDlgGenAnimation&>(d)); });
    }

    static void Generate(CDlgGenAnimation& d, const QString& duration, const QString& fps)
    {
        TypeInto(d, ControlName(CDlgGenAnimation::kIdDuration), duration);
        TypeInto(d, ControlName(CDlgGenAnimation::kIdFps), fps);
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
    }
    static QString EditText(CDlgGenAnimation& d, int id)
    {
        return d.findChild<QLineEdit*>(ControlName(id))->text();
    }
    static QAbstractButton* Button(CDlgGenAnimation& d, int id)
    {
        return d.findChild<QAbstractButton*>(ControlName(id));
    }
    static QString TimeText(CDlgGenAnimation& d)
    {
        return d.findChild<QLabel*>(ControlName(CDlgGenAnimation::kIdTime))->text();
    }
    size_t RenderRequests() const
    {
        size_t n = 0;
        for (const HostMessage& m : window_.Messages()) n += m.message == OV_MSG_RENDER_FRAMES;
        return n;
    }

    DialogRegistry registry_;
    RecordingHostWindow window_;
    Renderer renderer_;
};

TEST_F(GenerateAnimationDialog, ValuesAreClampedWrittenBackAndRemembered)
{
    const int32_t result = Run([&](CDlgGenAnimation& d) {
        Generate(d, "0", "200");
        EXPECT_EQ(EditText(d, CDlgGenAnimation::kIdDuration), "1");
        EXPECT_EQ(EditText(d, CDlgGenAnimation::kIdFps), "120");
        EXPECT_EQ(d.FrameCount(), 120);
        EXPECT_EQ(d.TimerInterval(), 40);
        Generate(d, "3", "24");
        EXPECT_EQ(d.TimerInterval(), 41);
        EXPECT_EQ(renderer_.requests, (std::vector<std::string>{"120", "72"}));
        Click(d, ControlName(CDlgGenAnimation::kIdClose));
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(LastRunSawDialog());
    RegKeyHandle key(kAnimationLengthKey);
    EXPECT_EQ(key.ReadDword("A_Dura", 0), 3u);
    EXPECT_EQ(key.ReadDword("A_fps", 0), 24u);
}

TEST_F(GenerateAnimationDialog, TheLibraryRegistersItAndTheEntryPointReturnsZero)
{
    DialogRegistry builtin;
    RegisterBuiltinDialogs(builtin);
    ASSERT_TRUE(builtin.generateAnimation);
    registry_ = builtin;
    EXPECT_EQ(Run([&](CDlgGenAnimation& d) {
                  Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
                  Click(d, ControlName(CDlgGenAnimation::kIdClose));
              }),
              0);
    EXPECT_TRUE(LastRunSawDialog());
    EXPECT_EQ(RenderRequests(), 1u);
}

TEST_F(GenerateAnimationDialog, OneRenderRequestPerGenerateWithProgressAndList)
{
    Run([&](CDlgGenAnimation& d) {
        EXPECT_FALSE(Button(d, CDlgGenAnimation::kIdPlay)->isEnabled());
        EXPECT_FALSE(Button(d, CDlgGenAnimation::kIdSaveVideo)->isEnabled());
        EXPECT_EQ(RenderRequests(), 0u);
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        EXPECT_EQ(RenderRequests(), 1u);
        EXPECT_EQ(renderer_.requests.back(), "240");
        EXPECT_EQ(renderer_.rangeLow, 0);
        EXPECT_EQ(renderer_.rangeHigh, 240);
        EXPECT_EQ(renderer_.positionOnEntry, 0);
        EXPECT_EQ(renderer_.positionAfter, 3);
        EXPECT_EQ(d.Frames().Folder(), renderer_.lastFolder.string());
        EXPECT_EQ(d.Frames().SecondText(), u"second");
        EXPECT_EQ(d.Frames().Count(), 3);
        EXPECT_TRUE(Button(d, CDlgGenAnimation::kIdPlay)->isEnabled());
        EXPECT_TRUE(Button(d, CDlgGenAnimation::kIdSaveVideo)->isEnabled());
        EXPECT_FALSE(d.findChild<QProgressBar*>(ControlName(CDlgGenAnimation::kIdProgress))->isVisible());
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        EXPECT_EQ(RenderRequests(), 2u);
    });
    EXPECT_EQ(window_.Messages().size(), 2u);
}

// A failing handler ends as one message; the dialog stays open and the next Generate works.
TEST_F(GenerateAnimationDialog, AFailingHandlerLeavesTheDialogUsable)
{
    std::vector<MessageRequest> messages;
    const ScopedMessagePresenter boxes([&](const MessageRequest& r) {
        messages.push_back(r);
        return kMessageOk;
    });
    Run([&](CDlgGenAnimation& d) {
        InjectHandlerFault(std::make_exception_ptr(std::bad_alloc()));
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_EQ(RenderRequests(), 0u);
        EXPECT_TRUE(d.isVisible());
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        EXPECT_EQ(RenderRequests(), 1u);
        EXPECT_EQ(d.Frames().Count(), 3);
    });
    InjectHandlerFault(nullptr);
}

TEST_F(GenerateAnimationDialog, WithoutAHostWindowGenerateDoesNothing)
{
    RunModal(
        [&] {
            CDlgGenAnimation dialog(nullptr, nullptr);
            return dialog.exec();
        },
        [&](QDialog& dialog) {
            auto& d = dynamic_cast<CDlgGenAnimation&>(dialog);
            Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
            EXPECT_EQ(d.FrameCount(), 0);
            EXPECT_FALSE(Button(d, CDlgGenAnimation::kIdPlay)->isEnabled());
        });
}

TEST_F(GenerateAnimationDialog, PlaybackStepsWrapAndTheTimeShows)
{
    Run([&](CDlgGenAnimation& d) {
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        EXPECT_EQ(d.CurrentFrame(), 0);
        EXPECT_EQ(TimeText(d), "1 / 240 - 00:00:00.00");
        EXPECT_TRUE(d.Playing());
        EXPECT_EQ(Button(d, CDlgGenAnimation::kIdPlay)->text(), "Pause");
        EXPECT_FALSE(Button(d, CDlgGenAnimation::kIdBack)->isEnabled());
        EXPECT_FALSE(Button(d, CDlgGenAnimation::kIdForward)->isEnabled());
        Click(d, ControlName(CDlgGenAnimation::kIdPlay));
        EXPECT_FALSE(d.Playing());
        EXPECT_EQ(Button(d, CDlgGenAnimation::kIdPlay)->text(), "Play");
        while (d.CurrentFrame() != 0) Click(d, ControlName(CDlgGenAnimation::kIdForward));
        Click(d, ControlName(CDlgGenAnimation::kIdBack));
        EXPECT_EQ(d.CurrentFrame(), 239);
        Click(d, ControlName(CDlgGenAnimation::kIdForward));
        EXPECT_EQ(d.CurrentFrame(), 0);
        // The timer advances while playing.
        Click(d, ControlName(CDlgGenAnimation::kIdPlay));
        QTest::qWait(200);
        EXPECT_GT(d.CurrentFrame(), 0);
    });
}

TEST_F(GenerateAnimationDialog, PlayingDrawsEachFrameAndUndecodableOnesAreNotDrawn)
{
    renderer_.size = QSize(64, 16);  // wider than the preview
    Run([&](CDlgGenAnimation& d) {
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        Click(d, ControlName(CDlgGenAnimation::kIdPlay));
        ASSERT_TRUE(d.Preview()->Ready());
        const QImage& bitmap = d.Preview()->Bitmap();
        EXPECT_EQ(QColor(bitmap.pixel(bitmap.width() / 2, bitmap.height() / 2)), FrameColour(0));
        // The fourth frame has no file (three were rendered): the preview keeps the last frame drawn.
        while (d.CurrentFrame() != 1) Click(d, ControlName(CDlgGenAnimation::kIdForward));
        EXPECT_EQ(QColor(d.Preview()->Bitmap().pixel(bitmap.width() / 2, bitmap.height() / 2)),
                  FrameColour(1));
        Click(d, ControlName(CDlgGenAnimation::kIdForward));
        Click(d, ControlName(CDlgGenAnimation::kIdForward));
        EXPECT_EQ(d.CurrentFrame(), 3);
        EXPECT_EQ(QColor(d.Preview()->Bitmap().pixel(bitmap.width() / 2, bitmap.height() / 2)),
                  FrameColour(2));
    });
}

TEST_F(GenerateAnimationDialog, FramesAreDiscardedBeforeGenerateAndOnClose)
{
    fs::path first, second;
    Run([&](CDlgGenAnimation& d) {
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        first = renderer_.lastFolder;
        EXPECT_TRUE(fs::exists(first / "f0.png"));
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        second = renderer_.lastFolder;
        EXPECT_FALSE(fs::exists(first));
        EXPECT_TRUE(fs::exists(second));
    });
    EXPECT_FALSE(fs::exists(second));
    EXPECT_TRUE(fs::exists(renderer_.base / "sentinel"));
}

TEST_F(GenerateAnimationDialog, AHostileFolderAnswerIsNotDeleted)
{
    const fs::path home = FreshFolder("generate-home");
    std::ofstream(home / "sentinel") << "x";
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(home.string()));
    for (const std::string& hostile : {home.string(), std::string("/"), (renderer_.base / ".").string()}) {
        renderer_.folderOverride = hostile;
        Run([&](CDlgGenAnimation& d) { Click(d, ControlName(CDlgGenAnimation::kIdGenerate)); });
        EXPECT_TRUE(fs::exists(home / "sentinel")) << hostile;
        EXPECT_TRUE(fs::exists(renderer_.base / "sentinel")) << hostile;
    }
    qputenv("HOME", previousHome);
}

class SaveVideo : public GenerateAnimationDialog {
protected:
    // Answers the Save dialog with `path` and filter `type`; records the request.
    ScopedOpenFilePresenter Answer(const QString& path, int type)
    {
        return ScopedOpenFilePresenter([this, path, type](const OpenFileRequest& r) {
            requests_.push_back(r);
            if (r.chosenFilter) *r.chosenFilter = type;
            return path.isEmpty() ? QStringList() : QStringList{path};
        });
    }
    std::vector<OpenFileRequest> requests_;
};

TEST_F(SaveVideo, OneFrameDoesNothing)
{
    renderer_.files = 1;
    const auto presenter = Answer(QStringLiteral("/tmp/never.avi"), 0);
    Run([&](CDlgGenAnimation& d) {
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        Click(d, ControlName(CDlgGenAnimation::kIdSaveVideo));
        EXPECT_TRUE(d.Playing());
    });
    EXPECT_TRUE(requests_.empty());
}

TEST_F(SaveVideo, WritesEveryFrameAndRemembersTypeAndFolder)
{
    RegKeyHandle(kVideoExportKey).WriteDword("vExp", 9);
    renderer_.files = 4;
    const fs::path out = FreshFolder("save-video") / "clip.avi";
    const auto presenter = Answer(QString::fromStdString(out.string()), 1);
    Run([&](CDlgGenAnimation& d) {
        Generate(d, "1", "10");
        Click(d, ControlName(CDlgGenAnimation::kIdSaveVideo));
        EXPECT_TRUE(d.Playing());  // resumed
        Click(d, ControlName(CDlgGenAnimation::kIdPlay));
        Click(d, ControlName(CDlgGenAnimation::kIdSaveVideo));
        EXPECT_FALSE(d.Playing());  // stays paused
    });
    ASSERT_EQ(requests_.size(), 2u);
    EXPECT_EQ(requests_[0].selectedFilter, 4);  // "vExp" 9 counts as 4
    EXPECT_EQ(requests_[1].selectedFilter, 1);  // the type chosen the first time
    EXPECT_EQ(requests_[0].filters.size(), 5);
    EXPECT_EQ(requests_[0].caption, "Save Video");
    EXPECT_EQ(requests_[1].folder.toStdString(), out.parent_path().string() + "/");
    EXPECT_EQ(RegKeyHandle(kVideoExportKey).ReadDword("vExp", 0), 1u);
    const std::string probe = ProbeStream(out);
    EXPECT_EQ(ProbeValue(probe, "codec_name"), "msvideo1");
    EXPECT_EQ(ProbeValue(probe, "nb_read_frames"), "4");
    EXPECT_EQ(ProbeValue(probe, "r_frame_rate"), "10/1");
    EXPECT_EQ(ProbeValue(probe, "width"), "32");
}

TEST_F(SaveVideo, FramesOfAnotherSizeOrUndecodableAreSkipped)
{
    renderer_.files = 5;
    renderer_.sizes = {QSize(32, 16), QSize(32, 16), QSize(30, 16), QSize(32, 16), QSize(32, 16)};
    const fs::path out = FreshFolder("save-skip") / "clip.wmv";
    const auto presenter = Answer(QString::fromStdString(out.string()), 2);
    Run([&](CDlgGenAnimation& d) {
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        std::ofstream(renderer_.lastFolder / "f3.png") << "not a picture";
        Click(d, ControlName(CDlgGenAnimation::kIdSaveVideo));
    });
    EXPECT_EQ(ProbeValue(ProbeStream(out), "nb_read_frames"), "3");
}

TEST_F(SaveVideo, AnUnwritablePathShowsTheMessageAndLeavesNoFile)
{
    const fs::path folder = FreshFolder("save-fail");
    const fs::path out = folder / "missing" / "clip.avi";
    std::vector<MessageRequest> messages;
    const ScopedMessagePresenter boxes([&](const MessageRequest& r) {
        messages.push_back(r);
        return kMessageOk;
    });
    const auto presenter = Answer(QString::fromStdString(out.string()), 0);
    Run([&](CDlgGenAnimation& d) {
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        Click(d, ControlName(CDlgGenAnimation::kIdSaveVideo));
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Cannot create the video file"))
        << messages[0].text.toStdString();
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(SaveVideo, CancelWritesNothing)
{
    RegKeyHandle(kVideoExportKey).WriteDword("vExp", 3);
    const auto presenter = Answer(QString(), 0);
    Run([&](CDlgGenAnimation& d) {
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        Click(d, ControlName(CDlgGenAnimation::kIdSaveVideo));
    });
    ASSERT_EQ(requests_.size(), 1u);
    EXPECT_EQ(RegKeyHandle(kVideoExportKey).ReadDword("vExp", 0), 3u);
}

}  // namespace
