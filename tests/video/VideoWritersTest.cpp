// The video writers: the bottom-up frame buffer, refusals after a failed open, every file type read
// back by ffprobe and ffmpeg (size, count, rate, times and pixels) and the text each failing Windows
// Media step leaves.
#include <gtest/gtest.h>

#include "animation/video/COvAVIFile.h"
#include "animation/video/COvWMVFile.h"
#include "animation/video/WmvPresets.h"
#include "video/VideoTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <tuple>
#include <utility>

using namespace ov;
namespace fs = std::filesystem;

namespace {

struct FileType {
    const char* name;
    bool wmv;
    uint32_t codec;
    const char* codecName;  // as ffprobe names it
    int sizeMultiple;       // the coded size is rounded up to this, the margin repeats the edge
    int tolerance;          // largest difference of a decoded channel from the one written
    const char* times;      // packet times, length and key frames of four frames at 25 fps
};

const FileType kTypes[] = {
    {"avi-raw", false, 0, "rawvideo", 1, 0, "0,1,2,3 lasting 0.160000 keys K_,K_,K_,K_"},
    {"avi-msvc", false, kFourccMsvc, "msvideo1", 4, 24, "0,1,2,3 lasting 0.160000 keys K_,__,__,__"},
    {"wmv-0", true, 0, "wmv2", 2, 24, "0,40,80,120 lasting 0.160000 keys K_,__,__,__"},
    {"wmv-1", true, 1, "wmv2", 2, 24, "0,40,80,120 lasting 0.160000 keys K_,__,__,__"},
    {"wmv-2", true, 2, "wmv1", 2, 24, "0,40,80,120 lasting 0.160000 keys K_,__,__,__"},
};

std::unique_ptr<COvVideoFile> MakeWriter(bool wmv)
{
    if (wmv) return std::make_unique<COvWMVFile>();
    return std::make_unique<COvAVIFile>();
}

BgrPixels TopDown(const std::vector<uint8_t>& pixels, int width, int height)
{
    return BgrPixels{pixels.data(), width, height, static_cast<std::ptrdiff_t>(width) * 3};
}

int PacketBytes(const std::string& sizes)
{
    int total = 0;
    std::istringstream list(sizes);
    for (std::string size; std::getline(list, size, ',');) total += std::stoi(size);
    return total;
}

int RoundUp(int value, int multiple)
{
    return (value + multiple - 1) / multiple * multiple;
}

// The largest difference between the decoded frames (coded size, top row first) and those written,
// whose last column and row stand for the margin.
int WorstDifference(const std::string& decoded, int width, int height, int codedWidth, int codedHeight)
{
    int worst = 0;
    const size_t frameBytes = static_cast<size_t>(codedWidth) * codedHeight * 3;
    for (size_t i = 0; i * frameBytes < decoded.size(); ++i) {
        const std::vector<uint8_t> frame = ovtest::PatternFrame(width, height, static_cast<int>(i));
        for (int y = 0; y < codedHeight; ++y)
            for (int x = 0; x < codedWidth; ++x)
                for (int c = 0; c < 3; ++c) {
                    const int written =
                        frame[(std::min(y, height - 1) * width + std::min(x, width - 1)) * 3 + c];
                    const auto read =
                        static_cast<uint8_t>(decoded[i * frameBytes + (y * codedWidth + x) * 3 + c]);
                    worst = std::max(worst, std::abs(read - written));
                }
    }
    return worst;
}

TEST(VideoWriters, RefuseFramesAfterAFailedOpenAndLeaveNoFile)
{
    const fs::path folder = ovtest::FreshFolder("refusals");
    const std::string missing = (folder / "no-such-folder" / "out").string();
    struct Case {
        bool wmv;
        uint32_t codec;
        std::string path;
        const char* text;  // the Windows Media writer's error text
    };
    std::vector<Case> cases = {{false, 0x44495658, (folder / "xvid.avi").string(), ""},
                               {true, 3, (folder / "p3.wmv").string(), "Unable to Load System Profile"},
                               {true, 0, missing, "Unable to Set Output Filename"}};
    for (const FileType& type : kTypes) cases.push_back({type.wmv, type.codec, missing, nullptr});
    const std::vector<uint8_t> frame = ovtest::PatternFrame(64, 48, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + " " + std::to_string(c.codec));
        const auto writer = MakeWriter(c.wmv);
        EXPECT_EQ(writer->Open(c.path, c.codec, 24, 64, 48, 64 * 48 * 3, 0), kVideoFail);
        EXPECT_EQ(std::pair(writer->WriteFrame(), writer->AddBitmap(TopDown(frame, 64, 48))),
                  std::pair(kVideoFail, kVideoFail));
        if (c.text) {
            EXPECT_EQ(writer->ErrorText(), c.text);
        }
    }
    EXPECT_TRUE(fs::is_empty(folder));
}

// Every type at a size the encoders take as it is and at one that needs padding: four frames at
// 25 fps with a frame of another size refused on the way. ffprobe reads codec, size, count, rate and
// times; ffmpeg decodes every frame without an error, top row on top, uncompressed AVI exactly.
TEST(VideoWriters, EveryTypeReadsBackWithSizeCountRateTimesAndPixels)
{
    const fs::path folder = ovtest::FreshFolder("types");
    std::map<std::string, int> packetBytes;
    for (const auto& [width, height] : {std::pair{64, 48}, std::pair{66, 50}}) {
        for (const FileType& type : kTypes) {
            const std::string name = std::string(type.name) + "-" + std::to_string(width);
            SCOPED_TRACE(name);
            const fs::path path = folder / (name + (type.wmv ? ".wmv" : ".avi"));
            {
                auto writer = MakeWriter(type.wmv);
                ASSERT_EQ(writer->Open(path.string(), type.codec, 25, width, height, width * height * 3, 0),
                          kVideoOk);
                const std::vector<uint8_t> other = ovtest::PatternFrame(width, height - 10, 0);
                EXPECT_EQ(writer->AddBitmap(TopDown(other, width, height - 10)), kVideoFail);
                for (int i = 0; i < 4; ++i) {
                    const std::vector<uint8_t> frame = ovtest::PatternFrame(width, height, i);
                    ASSERT_EQ(writer->AddBitmap(TopDown(frame, width, height)), kVideoOk) << i;
                }
                if (auto* wmv = dynamic_cast<COvWMVFile*>(writer.get())) {
                    EXPECT_EQ(std::tuple(wmv->State(), wmv->FramesWritten(), wmv->NextSampleTime()),
                              std::tuple(WmvState::kWriting, 4, 160));
                } else {
                    EXPECT_EQ(dynamic_cast<COvAVIFile&>(*writer).FrameCounter(), 4);
                }
            }
            const int codedWidth = RoundUp(width, type.sizeMultiple);
            const int codedHeight = RoundUp(height, type.sizeMultiple);
            const std::string probe = ovtest::ProbeStream(path);
            const auto value = [&](const char* key) { return ovtest::ProbeValue(probe, key); };
            EXPECT_EQ(value("codec_name"), type.codecName) << probe;
            EXPECT_EQ(value("width") + "x" + value("height"),
                      std::to_string(codedWidth) + "x" + std::to_string(codedHeight));
            EXPECT_EQ(value("nb_read_frames") + " at " + value("r_frame_rate"), "4 at 25/1");
            EXPECT_EQ(value("pts") + " lasting " + value("duration") + " keys " + value("flags"), type.times);
            packetBytes[name] = PacketBytes(value("size"));
            if (!type.wmv) {
                EXPECT_EQ(value("TAG:title") + " " + value("codec_tag_string"),
                          type.codec ? "VideoStream MSVC" : "VideoStream [0][0][0][0]");
            }
            int status = -1;
            const std::string decoded = ovtest::RunCommand(
                "ffmpeg -v error -xerror -i '" + path.string() + "' -f rawvideo -pix_fmt bgr24 - 2>/dev/null",
                &status);
            EXPECT_EQ(status, 0);
            ASSERT_EQ(decoded.size(), static_cast<size_t>(codedWidth) * codedHeight * 3 * 4);
            EXPECT_LE(WorstDifference(decoded, width, height, codedWidth, codedHeight), type.tolerance);
        }
    }
    // The same encoder at a finer quantiser keeps more of the picture: more bytes.
    EXPECT_GT(packetBytes["wmv-0-64"], packetBytes["wmv-1-64"]);

    // A key frame at least every 600 frames, however high the rate: the encoders' longest distance.
    for (uint32_t preset = 0; preset < 3; ++preset)
        EXPECT_EQ(WmvSettings(*FindWmvPreset(preset), 1000, 16, 16).keyFrameEvery, 600) << preset;

    // Windows Media sample times are whole milliseconds, cut: 24 fps gives 0, 41, 83, 125, and the
    // last sample lasts until 166.
    {
        COvWMVFile writer;
        ASSERT_EQ(writer.Open((folder / "24.wmv").string(), 0, 24, 16, 16, 0, 0), kVideoOk);
        for (int i = 0; i < 4; ++i)
            ASSERT_EQ(writer.AddBitmap(TopDown(ovtest::PatternFrame(16, 16, i), 16, 16)), kVideoOk);
        EXPECT_EQ(writer.NextSampleTime(), 166);
    }
    const std::string probe = ovtest::ProbeStream(folder / "24.wmv");
    EXPECT_EQ(ovtest::ProbeValue(probe, "pts") + " lasting " + ovtest::ProbeValue(probe, "duration"),
              "0,41,83,125 lasting 0.166000");
}

// Each step of the Windows Media writer that can fail leaves its own text, releases the file and
// refuses further frames; a step that fails before any frame leaves no file behind.
TEST(VideoWriters, AFailingWmvStepLeavesItsText)
{
    const fs::path folder = ovtest::FreshFolder("steps");
    const fs::path path = folder / "steps.wmv";
    const std::vector<uint8_t> frame = ovtest::PatternFrame(64, 48, 0);
    // The open steps fail in Open, the set-up on the first frame, the per-frame ones on the second.
    for (int s = static_cast<int>(VideoStep::kOutputContext); s <= static_cast<int>(VideoStep::kWriteFrame);
         ++s) {
        const auto step = static_cast<VideoStep>(s);
        const int failingFrame = step < VideoStep::kPicture ? 0 : step < VideoStep::kPictureWritable ? 1 : 2;
        SCOPED_TRACE(s);
        COvWMVFile writer;
        EXPECT_EQ(writer.WriteFrame(), kVideoFail);  // closed
        const auto fault = [step](VideoStep at) { return at == step; };
        if (failingFrame == 0) SetVideoStepFaultForTesting(fault);
        EXPECT_EQ(writer.Open(path.string(), 2, 24, 64, 48, 0, 0), failingFrame == 0 ? kVideoFail : kVideoOk);
        for (int i = 1; i < failingFrame; ++i) ASSERT_EQ(writer.AddBitmap(TopDown(frame, 64, 48)), kVideoOk);
        if (failingFrame > 0) {
            EXPECT_EQ(
                std::tuple(writer.State(), writer.NextSampleTime()),
                failingFrame == 1 ? std::tuple(WmvState::kOpened, 0) : std::tuple(WmvState::kWriting, 41));
            SetVideoStepFaultForTesting(fault);
            EXPECT_EQ(writer.AddBitmap(TopDown(frame, 64, 48)), kVideoFail);
        }
        SetVideoStepFaultForTesting({});
        EXPECT_EQ(std::tuple(writer.ErrorText(), writer.State(), writer.AddBitmap(TopDown(frame, 64, 48))),
                  std::tuple(WmvStepText(step), WmvState::kClosed, kVideoFail));
        EXPECT_EQ(fs::exists(path) ? ovtest::ProbeValue(ovtest::ProbeStream(path), "nb_read_frames") : "none",
                  failingFrame == 2 ? "1" : "none");
        fs::remove(path);
    }
}

}  // namespace
