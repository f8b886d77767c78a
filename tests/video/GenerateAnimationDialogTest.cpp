// Generate Animation through the entry point's dispatch: the render request and the host's answer,
// clamped values, playback timer and steps, the time display and the preview, the remembered values,
// discarding frames, and Save Video with its file types, refusals and failures.
#include <gtest/gtest.h>

#include "animation/generate/CDlgGenAnimation.h"
#include "animation/generate/FramePreview.h"
#include "animation/generate/ProgressControl.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/FileDialogs.h"
#include "framework/ui/MessageBox.h"
#include "host/Dispatch.h"
#include "testhost/Controls.h"
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
#include <optional>

using namespace ov;
using namespace ovtest;
namespace fs = std::filesystem;

namespace {

QColor FrameColour(int i)
{
    return QColor((i * 37) % 256, 120, 250 - (i * 11) % 200);
}

// The host side of the render request: writes `files` PNG frames into a new folder, steps the progress
// control once per frame and answers with the folder, a second text and the paths.
struct Renderer {
    int files = 3;
    std::vector<QSize> sizes;  // per-frame sizes when set, else 32 × 16
    fs::path base;
    std::vector<std::string> requests;
    std::string progress;  // "range low..high, position on entry -> position after"
    fs::path lastFolder;

    intptr_t Answer(const HostMessage& m)
    {
        if (m.message != OV_MSG_RENDER_FRAMES) return 0;
        auto* control = reinterpret_cast<OvProgressControl*>(m.wparam);
        auto* list = reinterpret_cast<OvHostList*>(m.lparam);
        auto* bar = static_cast<QProgressBar*>(control->qt_progress_bar);
        progress = std::to_string(bar->minimum()) + ".." + std::to_string(bar->maximum()) + ", " +
                   std::to_string(bar->value());
        const auto* count = static_cast<const ov_char16*>(ov_list_at(list, 0));
        requests.emplace_back(count, count + ov_str_len(count));
        lastFolder = base / ("frames-" + std::to_string(requests.size()));
        fs::create_directories(lastFolder);
        free(ov_list_remove_last(list));
        ov_list_append(list, ov_str_from_ascii(lastFolder.string().c_str()));
        ov_list_append(list, ov_str_from_ascii("second"));
        for (int i = 0; i < files; ++i) {
            const fs::path file = lastFolder / ("f" + std::to_string(i) + ".png");
            QImage image(i < static_cast<int>(sizes.size()) ? sizes[i] : QSize(32, 16), QImage::Format_RGB32);
            image.fill(FrameColour(i));
            image.save(QString::fromStdString(file.string()));
            ov_list_append(list, ov_str_from_ascii(file.string().c_str()));
            control->step(control);
        }
        progress += " -> " + std::to_string(bar->value());
        return 0;
    }
};

using G = CDlgGenAnimation;

class GenerateAnimationDialog : public testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        RegisterBuiltinDialogs(registry_);
        renderer_.base = FreshFolder("generate");
        std::ofstream(renderer_.base / "sentinel") << "x";
        window_.answer = [this](const HostMessage& m) { return renderer_.Answer(m); };
        RegKeyHandle key(kAnimationLengthKey);
        key.WriteDword("A_Dura", 10);
        key.WriteDword("A_fps", 24);
        boxes_.emplace([this](const MessageRequest& r) {
            messages_.push_back(r.text.toStdString());
            return kMessageOk;
        });
    }

    int32_t Run(const std::function<void(G&)>& act)
    {
        GEEdtParams params{};
        params.host_window = window_.get();
        params.code = OV_CODE_GENERATE_ANIMATION;
        return RunModal([&] { return DispatchGEEdt(&params, registry_, [] { return true; }); },
                        [&](QDialog& d) { act(dynamic_cast<G&>(d)); });
    }
    static void Press(G& d, int id) { Click(d, ControlName(id)); }
    static void Generate(G& d, const QString& duration, const QString& fps)
    {
        TypeInto(d, ControlName(G::kIdDuration), duration);
        TypeInto(d, ControlName(G::kIdFps), fps);
        Press(d, G::kIdGenerate);
    }
    static bool Enabled(G& d, int id) { return Control<QAbstractButton>(d, id)->isEnabled(); }
    DialogRegistry registry_;
    RecordingHostWindow window_;
    Renderer renderer_;
    std::vector<std::string> messages_;
    std::optional<ScopedMessagePresenter> boxes_;
};

// The library registers the dialog and the entry point returns 0. Each Generate clamps and rewrites
// the values, discards the last frames, sends one render request with the frame count and a progress
// control from 0, takes the folder and the text off the answer and plays from frame 0. Back and forward
// work only while paused, wrapping at both ends; the timer steps while playing; a frame without a
// picture is not drawn (the last one drawn stays). Close discards the frames and writes the values.
TEST_F(GenerateAnimationDialog, GenerateClampsRendersPlaysStepsAndRemembers)
{
    EXPECT_EQ(
        Run([&](G& d) {
            EXPECT_FALSE(Enabled(d, G::kIdPlay) || Enabled(d, G::kIdSaveVideo));
            Generate(d, "0", "200");
            EXPECT_EQ(Control<QLineEdit>(d, G::kIdDuration)->text() + " s " +
                          Control<QLineEdit>(d, G::kIdFps)->text() + " fps",
                      "1 s 120 fps");
            EXPECT_EQ(d.TimerInterval(), 40);
            EXPECT_EQ(renderer_.progress, "0..120, 0 -> 3");
            EXPECT_EQ(std::tuple(d.Frames().Folder(), d.Frames().SecondText(), d.Frames().Count()),
                      std::tuple(renderer_.lastFolder.string(), u"second", 3));
            EXPECT_TRUE(Enabled(d, G::kIdPlay) && Enabled(d, G::kIdSaveVideo));
            EXPECT_EQ(Control<QLabel>(d, G::kIdTime)->text(), "1 / 120 - 00:00:00.00");
            EXPECT_TRUE(d.Playing() && !Enabled(d, G::kIdBack) && !Enabled(d, G::kIdForward));
            Press(d, G::kIdPlay);
            std::string seen;  // frame: the rendered frame whose colour the preview shows
            for (int id : {G::kIdBack, G::kIdForward, G::kIdForward, G::kIdForward, G::kIdForward}) {
                Press(d, id);
                const QImage& b = d.Preview()->Bitmap();
                int shown = 0;
                while (shown < 3 && QColor(b.pixel(b.width() / 2, b.height() / 2)) != FrameColour(shown))
                    ++shown;
                seen += std::to_string(d.CurrentFrame()) + ":" + std::to_string(shown) + " ";
            }
            EXPECT_EQ(seen, "119:0 0:0 1:1 2:2 3:2 ");
            Press(d, G::kIdPlay);
            QTest::qWait(200);
            EXPECT_GT(d.CurrentFrame(), 3);
            const fs::path first = renderer_.lastFolder;
            Generate(d, "3", "5");
            EXPECT_FALSE(fs::exists(first));
            Press(d, G::kIdClose);
        }),
        0);
    EXPECT_EQ(renderer_.requests, (std::vector<std::string>{"120", "18"}));
    EXPECT_FALSE(fs::exists(renderer_.lastFolder));
    EXPECT_TRUE(fs::exists(renderer_.base / "sentinel"));
    RegKeyHandle key(kAnimationLengthKey);
    EXPECT_EQ(std::to_string(key.ReadDword("A_Dura", 0)) + " s " + std::to_string(key.ReadDword("A_fps", 0)) +
                  " fps",
              "3 s 6 fps");
}

// Save Video offers the remembered type ("vExp" 9 counts as the
// last) and folder, pauses and resumes, writes the frames that decode at the generated size and
// remembers the type chosen; Cancel changes nothing; a path that cannot be written shows the message
// and leaves no file.
TEST_F(GenerateAnimationDialog, SaveVideoWritesTheFramesAndRemembersTypeAndFolder)
{
    RegKeyHandle(kVideoExportKey).WriteDword("vExp", 9);
    const fs::path folder = FreshFolder("save-video");
    std::vector<OpenFileRequest> requests;
    std::string answer = (folder / "clip.avi").string();
    int type = 1;
    const ScopedOpenFilePresenter presenter([&](const OpenFileRequest& r) {
        requests.push_back(r);
        if (r.chosenFilter) *r.chosenFilter = type;
        return answer.empty() ? QStringList() : QStringList{QString::fromStdString(answer)};
    });
    renderer_.files = 5;
    renderer_.sizes = {QSize(32, 16), QSize(32, 16), QSize(30, 16), QSize(32, 16), QSize(32, 16)};
    Run([&](G& d) {
        Generate(d, "1", "10");
        std::ofstream(renderer_.lastFolder / "f3.png") << "not a picture";
        Press(d, G::kIdSaveVideo);
        EXPECT_TRUE(d.Playing());  // resumed
        Press(d, G::kIdPlay);
        answer.clear();
        type = 3;
        Press(d, G::kIdSaveVideo);
        EXPECT_FALSE(d.Playing());                                          // stays paused
        EXPECT_EQ(RegKeyHandle(kVideoExportKey).ReadDword("vExp", 0), 1u);  // the first Save's type
        answer = (folder / "missing" / "clip.avi").string();
        Press(d, G::kIdSaveVideo);
    });
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(std::to_string(requests[0].selectedFilter) + std::to_string(requests[1].selectedFilter), "41");
    EXPECT_EQ(requests[1].folder.toStdString(), folder.string() + "/");
    const std::string probe = ProbeStream(folder / "clip.avi");
    EXPECT_EQ(ProbeValue(probe, "codec_name") + " " + ProbeValue(probe, "nb_read_frames") + " at " +
                  ProbeValue(probe, "r_frame_rate") + " " + ProbeValue(probe, "width"),
              "msvideo1 3 at 10/1 32");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].rfind("Cannot create the video file", 0), 0u) << messages_[0];
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);  // clip.avi
}

}  // namespace
