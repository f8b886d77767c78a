// Generate Animation through the entry point's dispatch: the render request and the host's answer,
// clamped values, playback timer and steps, the time display and the preview, the remembered values,
// discarding frames, and Save Video with its file types, refusals and failures.
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

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

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
    void AnswerMessages(std::vector<MessageRequest>& messages)
    {
        boxes_.emplace([&messages](const MessageRequest& r) {
            messages.push_back(r);
            return kMessageOk;
        });
    }
    size_t RenderRequests() const
    {
        size_t n = 0;
        for (const HostMessage& m : window_.Messages()) n += m.message == OV_MSG_RENDER_FRAMES;
        return n;
    }

    std::optional<ScopedMessagePresenter> boxes_;
    DialogRegistry registry_;
    RecordingHostWindow window_;
    Renderer renderer_;
};

// The library registers the dialog and the entry point returns 0. Each Generate clamps and rewrites
// the values, discards the last frames, sends one render request with the frame count and a progress
// control from 0, takes the folder and the text off the answer and plays from frame 0; a failing
// handler ends as one message and the dialog goes on. Close writes the values back.
TEST_F(GenerateAnimationDialog, GenerateClampsRendersPlaysAndRemembers)
{
    DialogRegistry builtin;
    RegisterBuiltinDialogs(builtin);
    registry_.generateAnimation = builtin.generateAnimation;
    std::vector<MessageRequest> messages;
    AnswerMessages(messages);
    fs::path first;
    EXPECT_EQ(
        Run([&](CDlgGenAnimation& d) {
            EXPECT_FALSE(Button(d, CDlgGenAnimation::kIdPlay)->isEnabled());
            EXPECT_FALSE(Button(d, CDlgGenAnimation::kIdSaveVideo)->isEnabled());
            InjectHandlerFault(std::make_exception_ptr(std::bad_alloc()));
            Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
            EXPECT_EQ(messages.size(), 1u);
            EXPECT_EQ(RenderRequests(), 0u);
            Generate(d, "0", "200");
            EXPECT_EQ(EditText(d, CDlgGenAnimation::kIdDuration) + " s " +
                          EditText(d, CDlgGenAnimation::kIdFps) + " fps",
                      "1 s 120 fps");
            EXPECT_EQ(d.TimerInterval(), 40);
            EXPECT_EQ(renderer_.requests, std::vector<std::string>{"120"});
            EXPECT_EQ(renderer_.rangeLow * 1000 + renderer_.rangeHigh, 120);
            EXPECT_EQ(renderer_.positionOnEntry * 10 + renderer_.positionAfter, 3);
            EXPECT_EQ(d.Frames().Folder(), renderer_.lastFolder.string());
            EXPECT_EQ(d.Frames().SecondText(), u"second");
            EXPECT_EQ(d.Frames().Count(), 3);
            EXPECT_TRUE(Button(d, CDlgGenAnimation::kIdSaveVideo)->isEnabled());
            EXPECT_FALSE(d.findChild<QProgressBar*>(ControlName(CDlgGenAnimation::kIdProgress))->isVisible());
            EXPECT_EQ(TimeText(d), "1 / 120 - 00:00:00.00");
            EXPECT_TRUE(d.Playing());
            first = renderer_.lastFolder;
            Generate(d, "3", "5");
            EXPECT_FALSE(fs::exists(first));
            EXPECT_EQ(d.TimerInterval(), 166);
            EXPECT_EQ(renderer_.requests, (std::vector<std::string>{"120", "18"}));
            EXPECT_EQ(TimeText(d), "1 / 18 - 00:00:00.00");
            Click(d, ControlName(CDlgGenAnimation::kIdClose));
        }),
        0);
    EXPECT_TRUE(LastRunSawDialog());
    EXPECT_EQ(window_.Messages().size(), 2u);
    EXPECT_FALSE(fs::exists(renderer_.lastFolder));
    EXPECT_TRUE(fs::exists(renderer_.base / "sentinel"));
    RegKeyHandle key(kAnimationLengthKey);
    EXPECT_EQ(key.ReadDword("A_Dura", 0) * 100 + key.ReadDword("A_fps", 0), 306u);
    InjectHandlerFault(nullptr);
}

// Pause and play swap the caption; back and forward only while paused, wrapping at both ends; the
// timer steps while playing; a frame that does not decode is not drawn (the last one stays).
TEST_F(GenerateAnimationDialog, PlaybackStepsWrapAndDrawTheFrames)
{
    renderer_.size = QSize(64, 16);
    Run([&](CDlgGenAnimation& d) {
        Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
        EXPECT_EQ(Button(d, CDlgGenAnimation::kIdPlay)->text(), "Pause");
        EXPECT_FALSE(Button(d, CDlgGenAnimation::kIdBack)->isEnabled());
        EXPECT_FALSE(Button(d, CDlgGenAnimation::kIdForward)->isEnabled());
        Click(d, ControlName(CDlgGenAnimation::kIdPlay));
        EXPECT_EQ(Button(d, CDlgGenAnimation::kIdPlay)->text(), "Play");
        const auto centre = [&] {
            const QImage& b = d.Preview()->Bitmap();
            return QColor(b.pixel(b.width() / 2, b.height() / 2));
        };
        std::vector<int> frames;
        std::vector<int> shown;  // the rendered frame whose colour the preview shows
        for (int id : {CDlgGenAnimation::kIdBack, CDlgGenAnimation::kIdForward, CDlgGenAnimation::kIdForward,
                       CDlgGenAnimation::kIdForward, CDlgGenAnimation::kIdForward}) {
            Click(d, ControlName(id));
            frames.push_back(d.CurrentFrame());
            int i = 0;
            while (i < 3 && centre() != FrameColour(i)) ++i;
            shown.push_back(i);
        }
        // Three files: frames 239 and 3 have none and keep the last one drawn.
        EXPECT_EQ(frames, (std::vector<int>{239, 0, 1, 2, 3}));
        EXPECT_EQ(shown, (std::vector<int>{0, 0, 1, 2, 2}));
        Click(d, ControlName(CDlgGenAnimation::kIdPlay));
        QTest::qWait(200);
        EXPECT_GT(d.CurrentFrame(), 3);
    });
}

// Without a host window Generate does nothing; a folder answer that is home, "/" or the parent of
// the frames is never deleted.
TEST_F(GenerateAnimationDialog, NoHostWindowOrAHostileFolderTouchesNothing)
{
    RunModal(
        [&] {
            CDlgGenAnimation dialog(nullptr, nullptr);
            return dialog.exec();
        },
        [&](QDialog& d) {
            Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
            EXPECT_EQ(dynamic_cast<CDlgGenAnimation&>(d).FrameCount(), 0);
        });
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
    EXPECT_EQ(RenderRequests(), 3u);
}

// Save Video offers the remembered type ("vExp" 9 counts as the last) and folder, pauses and resumes,
// writes the frames that decode at the generated size and remembers the type chosen; Cancel changes
// nothing.
TEST_F(GenerateAnimationDialog, SaveVideoWritesTheFramesAndRemembersTypeAndFolder)
{
    RegKeyHandle(kVideoExportKey).WriteDword("vExp", 9);
    renderer_.files = 5;
    renderer_.sizes = {QSize(32, 16), QSize(32, 16), QSize(30, 16), QSize(32, 16), QSize(32, 16)};
    const fs::path out = FreshFolder("save-video") / "clip.avi";
    std::vector<OpenFileRequest> requests;
    QString answer = QString::fromStdString(out.string());
    int type = 1;
    const ScopedOpenFilePresenter presenter([&](const OpenFileRequest& r) {
        requests.push_back(r);
        if (r.chosenFilter) *r.chosenFilter = type;
        return answer.isEmpty() ? QStringList() : QStringList{answer};
    });
    Run([&](CDlgGenAnimation& d) {
        Generate(d, "1", "10");
        std::ofstream(renderer_.lastFolder / "f3.png") << "not a picture";
        Click(d, ControlName(CDlgGenAnimation::kIdSaveVideo));
        EXPECT_TRUE(d.Playing());  // resumed
        Click(d, ControlName(CDlgGenAnimation::kIdPlay));
        answer.clear();
        type = 3;
        Click(d, ControlName(CDlgGenAnimation::kIdSaveVideo));
        EXPECT_FALSE(d.Playing());  // stays paused
    });
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].caption, "Save Video");
    EXPECT_EQ(requests[0].filters.size(), 5);
    EXPECT_EQ(requests[0].selectedFilter * 10 + requests[1].selectedFilter, 41);
    EXPECT_EQ(requests[1].folder.toStdString(), out.parent_path().string() + "/");
    EXPECT_EQ(RegKeyHandle(kVideoExportKey).ReadDword("vExp", 0), 1u);
    const std::string probe = ProbeStream(out);
    EXPECT_EQ(ProbeValue(probe, "codec_name") + " " + ProbeValue(probe, "nb_read_frames") + " at " +
                  ProbeValue(probe, "r_frame_rate") + " " + ProbeValue(probe, "width"),
              "msvideo1 3 at 10/1 32");
}

// One frame: Save does nothing. A path that cannot be written: the message, and no file.
TEST_F(GenerateAnimationDialog, SaveVideoRefusals)
{
    const fs::path folder = FreshFolder("save-fail");
    std::vector<OpenFileRequest> requests;
    const ScopedOpenFilePresenter presenter([&](const OpenFileRequest& r) {
        requests.push_back(r);
        return QStringList{QString::fromStdString((folder / "missing" / "clip.avi").string())};
    });
    std::vector<MessageRequest> messages;
    AnswerMessages(messages);
    for (const int files : {1, 3}) {
        renderer_.files = files;
        Run([&](CDlgGenAnimation& d) {
            Click(d, ControlName(CDlgGenAnimation::kIdGenerate));
            Click(d, ControlName(CDlgGenAnimation::kIdSaveVideo));
        });
    }
    EXPECT_EQ(requests.size(), 1u);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Cannot create the video file"))
        << messages[0].text.toStdString();
    EXPECT_TRUE(fs::is_empty(folder));
}

}  // namespace
