// The video writers: geometry and the bottom-up frame buffer, refusals before and after a failed
// open, every file type read back by ffprobe and ffmpeg, exact pixels of uncompressed AVI, the
// Windows Media sample times and the text each failing step leaves.
#include <gtest/gtest.h>

#include "animation/video/COvAVIFile.h"
#include "animation/video/COvWMVFile.h"
#include "animation/video/VideoEncoder.h"
#include "animation/video/WmvPresets.h"
#include "video/VideoTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <tuple>

using namespace ov;
namespace fs = std::filesystem;

namespace {

struct FileType {
    const char* name;
    bool wmv;
    uint32_t codec;
    const char* codecName;  // as ffprobe names it
    int sizeMultiple;       // the coded size is rounded up to this
};

const FileType kTypes[] = {
    {"avi-raw", false, 0, "rawvideo", 1}, {"avi-msvc", false, kFourccMsvc, "msvideo1", 4},
    {"wmv-0", true, 0, "wmv2", 2},        {"wmv-1", true, 1, "wmv2", 2},
    {"wmv-2", true, 2, "wmv1", 2},
};

std::unique_ptr<COvVideoFile> MakeWriter(const FileType& type)
{
    if (type.wmv) return std::make_unique<COvWMVFile>();
    return std::make_unique<COvAVIFile>();
}

BgrPixels TopDown(const std::vector<uint8_t>& pixels, int width, int height)
{
    return BgrPixels{pixels.data(), width, height, static_cast<std::ptrdiff_t>(width) * 3};
}

int RoundUp(int value, int multiple)
{
    return (value + multiple - 1) / multiple * multiple;
}

// Writes `frames` pattern frames; every call must succeed.
void WriteFile(COvVideoFile& writer, const FileType& type, const fs::path& path, int width, int height,
               int fps, int frames)
{
    ASSERT_EQ(writer.Open(path.string(), type.codec, fps, width, height, width * height * 3, 0), kVideoOk);
    for (int i = 0; i < frames; ++i) {
        const std::vector<uint8_t> frame = ovtest::PatternFrame(width, height, i);
        ASSERT_EQ(writer.AddBitmap(TopDown(frame, width, height)), kVideoOk) << "frame " << i;
    }
}

TEST(VideoFile, GeometryAndTheBaseOperations)
{
    COvVideoFile base;
    EXPECT_EQ(base.Open("/tmp/x.avi", 0, 24, 10, 10, 300, 0), kVideoFail);
    EXPECT_EQ(base.WriteFrame(), kVideoFail);
    base.SetGeometry(7, 5);
    EXPECT_EQ(base.Kind(), 1);
    EXPECT_EQ(base.Stride(), 21);
    EXPECT_EQ(base.FrameBytes(), 105);
    EXPECT_EQ(base.FrameBuffer().size(), 105u);
    EXPECT_EQ(base.Lock().x, 0);
    EXPECT_EQ(base.Lock().y, 0);
    EXPECT_EQ(base.Lock().width, 7);
    EXPECT_EQ(base.Lock().height, 5);
    EXPECT_EQ(std::count(base.FrameBuffer().begin(), base.FrameBuffer().end(), 0), 105);
    // The base writes nothing, so the right size still ends in the base's failure, after the copy.
    const std::vector<uint8_t> frame = ovtest::PatternFrame(7, 5, 3);
    EXPECT_EQ(base.AddBitmap(TopDown(frame, 7, 5)), kVideoFail);
    EXPECT_TRUE(std::equal(frame.end() - 21, frame.end(), base.FrameBuffer().begin()));
    base.SetGeometry(-3, 5);  // a negative size is no size
    EXPECT_EQ(base.Width(), 0);
    EXPECT_EQ(base.FrameBytes(), 0);
    base.SetGeometry(4, -1);
    EXPECT_EQ(base.Height(), 0);
    EXPECT_TRUE(base.FrameBuffer().empty());
}

TEST(VideoFile, RowsGoBottomUpFromEitherStride)
{
    COvVideoFile base;
    base.SetGeometry(4, 3);
    const std::vector<uint8_t> frame = ovtest::PatternFrame(4, 3, 9);
    (void)base.AddBitmap(TopDown(frame, 4, 3));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(std::equal(frame.begin() + (2 - i) * 12, frame.begin() + (3 - i) * 12,
                               base.FrameBuffer().begin() + i * 12))
            << "buffer row " << i;
    }
    // The same picture stored bottom-up, handed over with a negative stride, gives the same buffer.
    std::vector<uint8_t> stored(frame.size());
    for (int r = 0; r < 3; ++r) std::copy_n(frame.begin() + r * 12, 12, stored.begin() + (2 - r) * 12);
    const std::vector<uint8_t> before = base.FrameBuffer();
    base.SetGeometry(4, 3);
    (void)base.AddBitmap(BgrPixels{stored.data() + 24, 4, 3, -12});
    EXPECT_EQ(base.FrameBuffer(), before);
}

TEST(VideoWriters, RefuseFramesAfterAFailedOpenAndLeaveNoFile)
{
    const fs::path folder = ovtest::FreshFolder("refusals");
    const fs::path missing = folder / "no-such-folder" / "out.avi";
    for (const FileType& type : kTypes) {
        SCOPED_TRACE(type.name);
        auto writer = MakeWriter(type);
        EXPECT_EQ(writer->Open(missing.string(), type.codec, 24, 64, 48, 64 * 48 * 3, 0), kVideoFail);
        EXPECT_EQ(writer->WriteFrame(), kVideoFail);
        const std::vector<uint8_t> frame = ovtest::PatternFrame(64, 48, 0);
        EXPECT_EQ(writer->AddBitmap(TopDown(frame, 64, 48)), kVideoFail);
    }
    COvAVIFile other;
    EXPECT_EQ(other.Open((folder / "xvid.avi").string(), 0x44495658, 24, 64, 48, 0, 0), kVideoFail);
    EXPECT_EQ(other.WriteFrame(), kVideoFail);
    COvWMVFile profile3;
    EXPECT_EQ(profile3.Open((folder / "p3.wmv").string(), 3, 24, 64, 48, 0, 0), kVideoFail);
    EXPECT_EQ(profile3.ErrorText(), "Unable to Load System Profile");
    COvWMVFile unwritable;
    EXPECT_EQ(unwritable.Open(missing.string(), 0, 24, 64, 48, 0, 0), kVideoFail);
    EXPECT_EQ(unwritable.ErrorText(), "Unable to Set Output Filename");
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST(VideoWriters, ABitmapOfAnotherSizeIsRefusedAndTheRestGoOn)
{
    const fs::path folder = ovtest::FreshFolder("sizes");
    for (const FileType& type : kTypes) {
        SCOPED_TRACE(type.name);
        auto writer = MakeWriter(type);
        const fs::path path = folder / (std::string(type.name) + ".bin");
        ASSERT_EQ(writer->Open(path.string(), type.codec, 24, 100, 60, 100 * 60 * 3, 0), kVideoOk);
        const std::vector<uint8_t> small = ovtest::PatternFrame(100, 50, 0);
        EXPECT_EQ(writer->AddBitmap(TopDown(small, 100, 50)), kVideoFail);
        const std::vector<uint8_t> right = ovtest::PatternFrame(100, 60, 1);
        EXPECT_EQ(writer->AddBitmap(TopDown(right, 100, 60)), kVideoOk);
        writer.reset();
        EXPECT_EQ(ovtest::ProbeValue(ovtest::ProbeStream(path), "nb_read_frames"), "1");
    }
}

// Every type at a size the encoders take as it is and at one that needs padding: ffprobe counts
// the frames and reads size and rate, and ffmpeg decodes every frame without an error.
TEST(VideoWriters, EveryTypeReadsBackWithSizeCountAndRate)
{
    const fs::path folder = ovtest::FreshFolder("types");
    for (const auto& [width, height] : {std::pair{64, 48}, std::pair{66, 50}}) {
        for (const FileType& type : kTypes) {
            SCOPED_TRACE(std::string(type.name) + " " + std::to_string(width) + "x" + std::to_string(height));
            const fs::path path = folder / (std::string(type.name) + "-" + std::to_string(width) +
                                            (type.wmv ? ".wmv" : ".avi"));
            {
                auto writer = MakeWriter(type);
                WriteFile(*writer, type, path, width, height, 25, 12);
            }
            const std::string probe = ovtest::ProbeStream(path);
            EXPECT_EQ(ovtest::ProbeValue(probe, "codec_name"), type.codecName) << probe;
            EXPECT_EQ(ovtest::ProbeValue(probe, "width"), std::to_string(RoundUp(width, type.sizeMultiple)));
            EXPECT_EQ(ovtest::ProbeValue(probe, "height"),
                      std::to_string(RoundUp(height, type.sizeMultiple)));
            EXPECT_EQ(ovtest::ProbeValue(probe, "nb_read_frames"), "12");
            EXPECT_EQ(ovtest::ProbeValue(probe, "r_frame_rate"), "25/1");
            int status = -1;
            const std::string errors = ovtest::RunCommand(
                "ffmpeg -v error -xerror -i '" + path.string() + "' -f null - 2>&1", &status);
            EXPECT_EQ(status, 0) << errors;
            EXPECT_EQ(errors, "");
        }
    }
    // The same encoder at a finer quantiser keeps more of the picture: a larger file.
    EXPECT_GT(fs::file_size(folder / "wmv-0-64.wmv"), fs::file_size(folder / "wmv-1-64.wmv"));
}

TEST(VideoWriters, AviStreamIsNamedAndCarriesItsFourcc)
{
    const fs::path folder = ovtest::FreshFolder("names");
    {
        COvAVIFile writer;
        WriteFile(writer, kTypes[1], folder / "msvc.avi", 64, 48, 10, 3);
        EXPECT_EQ(writer.FrameCounter(), 3);
    }
    const std::string probe = ovtest::ProbeStream(folder / "msvc.avi");
    EXPECT_EQ(ovtest::ProbeValue(probe, "codec_tag_string"), "MSVC");
    EXPECT_EQ(ovtest::ProbeValue(probe, "TAG:title"), "VideoStream");
}

TEST(VideoWriters, UncompressedAviDecodesToTheExactPixelsTopRowOnTop)
{
    const fs::path folder = ovtest::FreshFolder("exact");
    for (const auto& [width, height] : {std::pair{64, 48}, std::pair{66, 50}}) {
        const fs::path path = folder / ("raw-" + std::to_string(width) + ".avi");
        {
            COvAVIFile writer;
            WriteFile(writer, kTypes[0], path, width, height, 24, 3);
        }
        std::string expected;
        for (int i = 0; i < 3; ++i) {
            const std::vector<uint8_t> frame = ovtest::PatternFrame(width, height, i);
            expected.append(frame.begin(), frame.end());
        }
        int status = -1;
        const std::string decoded = ovtest::RunCommand(
            "ffmpeg -v error -i '" + path.string() + "' -f rawvideo -pix_fmt bgr24 -", &status);
        EXPECT_EQ(status, 0);
        ASSERT_EQ(decoded.size(), expected.size()) << width;
        EXPECT_TRUE(decoded == expected) << width;
    }
}

// The lossy types (Video 1: 15-bit colour in 4 × 4 blocks of few colours; Windows Media: YUV 4:2:0)
// decode close to a smooth picture, top row first, at a size taken as it is and at one padded to the
// coded size, whose margin repeats the last column and row.
TEST(VideoWriters, LossyTypesDecodeCloseToThePixelsWritten)
{
    const fs::path folder = ovtest::FreshFolder("lossy");
    const std::tuple<int, int, int> cases[] = {{1, 66, 50}, {1, 64, 48}, {2, 64, 48}};
    for (const auto& [typeIndex, width, height] : cases) {
        const FileType& type = kTypes[typeIndex];
        SCOPED_TRACE(std::string(type.name) + " " + std::to_string(width));
        std::vector<uint8_t> frame(static_cast<size_t>(width) * height * 3);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                uint8_t* p = &frame[(static_cast<size_t>(y) * width + x) * 3];
                p[0] = static_cast<uint8_t>(x * 3);
                p[1] = static_cast<uint8_t>(y * 4 + 30);
                p[2] = static_cast<uint8_t>(220 - x - y);
            }
        const fs::path path = folder / (std::string(type.name) + std::to_string(width));
        {
            auto writer = MakeWriter(type);
            ASSERT_EQ(writer->Open(path.string(), type.codec, 24, width, height, 0, 0), kVideoOk);
            ASSERT_EQ(writer->AddBitmap(TopDown(frame, width, height)), kVideoOk);
        }
        int status = -1;
        const std::string decoded = ovtest::RunCommand(
            "ffmpeg -v error -i '" + path.string() + "' -f rawvideo -pix_fmt bgr24 -", &status);
        EXPECT_EQ(status, 0);
        const int codedWidth = RoundUp(width, type.sizeMultiple);
        const int codedHeight = RoundUp(height, type.sizeMultiple);
        ASSERT_EQ(decoded.size(), static_cast<size_t>(codedWidth) * codedHeight * 3);
        const auto worstInRow = [&](int y) {
            int worst = 0;
            for (int x = 0; x < codedWidth; ++x)
                for (int c = 0; c < 3; ++c) {
                    const int written =
                        frame[(std::min(y, height - 1) * width + std::min(x, width - 1)) * 3 + c];
                    const int read = static_cast<uint8_t>(decoded[(y * codedWidth + x) * 3 + c]);
                    worst = std::max(worst, std::abs(read - written));
                }
            return worst;
        };
        for (int y = 0; y < codedHeight; ++y) EXPECT_LE(worstInRow(y), 24) << "row " << y;
    }
}

TEST(VideoWriters, WmvSampleTimesAreWholeMillisecondsOfTheFrameRate)
{
    const fs::path folder = ovtest::FreshFolder("times");
    const fs::path path = folder / "times.wmv";
    {
        COvWMVFile writer;
        WriteFile(writer, kTypes[2], path, 64, 48, 24, 5);
        EXPECT_EQ(writer.State(), WmvState::kWriting);
        EXPECT_EQ(writer.FramesWritten(), 5);
        EXPECT_EQ(writer.NextSampleTime(), 208);
    }
    const std::string times = ovtest::RunCommand(
        "ffprobe -v error -select_streams v:0 -show_entries packet=pts -of csv=p=0 '" + path.string() + "'");
    std::istringstream lines(times);
    std::vector<std::string> pts;
    for (std::string line; std::getline(lines, line);) pts.push_back(line);
    ASSERT_GE(pts.size(), 4u) << times;
    EXPECT_EQ(std::vector<std::string>(pts.begin(), pts.begin() + 4),
              (std::vector<std::string>{"0", "41", "83", "125"}));
    EXPECT_EQ(MillisecondsOfFrame(3, 24), 125);
    EXPECT_EQ(MillisecondsOfFrame(7, 30), 233);
    EXPECT_EQ(MillisecondsOfFrame(3, 1), 3000);
}

TEST(VideoWriters, WmvStatesPickTheFrameOperation)
{
    const fs::path folder = ovtest::FreshFolder("states");
    COvWMVFile writer;
    EXPECT_EQ(writer.State(), WmvState::kClosed);
    EXPECT_EQ(writer.WriteFrame(), kVideoFail);
    ASSERT_EQ(writer.Open((folder / "s.wmv").string(), 1, 30, 32, 32, 0, 0), kVideoOk);
    EXPECT_EQ(writer.State(), WmvState::kOpened);
    EXPECT_EQ(writer.NextSampleTime(), 0);
    EXPECT_EQ(writer.WriteFrame(), kVideoOk);
    EXPECT_EQ(writer.State(), WmvState::kWriting);
    EXPECT_EQ(writer.WriteFrame(), kVideoOk);
    EXPECT_EQ(writer.FramesWritten(), 2);
    EXPECT_EQ(writer.NextSampleTime(), 66);
}

// Each step of the Windows Media writer that can fail leaves its own text, releases the file and
// refuses further frames; a step that fails before any frame leaves no file behind.
TEST(VideoWriters, AFailingWmvStepLeavesItsText)
{
    const fs::path folder = ovtest::FreshFolder("steps");
    const VideoStep openSteps[] = {
        VideoStep::kOutputContext, VideoStep::kFindEncoder,      VideoStep::kMuxerCodec,
        VideoStep::kGeometry,      VideoStep::kCodecContext,     VideoStep::kOpenEncoder,
        VideoStep::kNewStream,     VideoStep::kStreamParameters, VideoStep::kConverter,
        VideoStep::kStreamType,    VideoStep::kOpenFile};
    const VideoStep frameSteps[] = {VideoStep::kPicture,     VideoStep::kInputLayout,
                                    VideoStep::kWriteHeader, VideoStep::kPictureWritable,
                                    VideoStep::kConvert,     VideoStep::kWriteFrame};
    std::vector<std::string> texts;
    const std::vector<uint8_t> frame = ovtest::PatternFrame(64, 48, 0);
    for (const VideoStep step : openSteps) {
        const fs::path path = folder / "open.wmv";
        SetVideoStepFaultForTesting([step](VideoStep s) { return s == step; });
        COvWMVFile writer;
        EXPECT_EQ(writer.Open(path.string(), 0, 24, 64, 48, 0, 0), kVideoFail);
        SetVideoStepFaultForTesting({});
        EXPECT_EQ(writer.ErrorText(), WmvStepText(step));
        EXPECT_EQ(writer.State(), WmvState::kClosed);
        EXPECT_EQ(writer.AddBitmap(TopDown(frame, 64, 48)), kVideoFail);
        EXPECT_FALSE(fs::exists(path)) << writer.ErrorText();
        texts.push_back(writer.ErrorText());
    }
    for (const VideoStep step : frameSteps) {
        // The failure comes on the second frame for per-frame steps, on the first for the set-up.
        const fs::path path = folder / "frame.wmv";
        COvWMVFile writer;
        ASSERT_EQ(writer.Open(path.string(), 2, 24, 64, 48, 0, 0), kVideoOk);
        const bool perFrame = step == VideoStep::kPictureWritable || step == VideoStep::kConvert ||
                              step == VideoStep::kWriteFrame;
        if (perFrame) {
            ASSERT_EQ(writer.AddBitmap(TopDown(frame, 64, 48)), kVideoOk);
        }
        SetVideoStepFaultForTesting([step](VideoStep s) { return s == step; });
        EXPECT_EQ(writer.AddBitmap(TopDown(frame, 64, 48)), kVideoFail);
        SetVideoStepFaultForTesting({});
        EXPECT_EQ(writer.ErrorText(), WmvStepText(step));
        EXPECT_EQ(writer.State(), WmvState::kClosed);
        EXPECT_EQ(writer.AddBitmap(TopDown(frame, 64, 48)), kVideoFail);
        EXPECT_EQ(fs::exists(path), perFrame);
        if (perFrame) {
            EXPECT_EQ(ovtest::ProbeValue(ovtest::ProbeStream(path), "nb_read_frames"), "1");
        }
        fs::remove(path);
        texts.push_back(writer.ErrorText());
    }
    // Every step has a text of its own.
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(std::adjacent_find(texts.begin(), texts.end()), texts.end());
    EXPECT_EQ(std::count(texts.begin(), texts.end(), ""), 0);
}

TEST(WmvPresets, ThreeDifferentPresetsAndNoFourth)
{
    ASSERT_TRUE(FindWmvPreset(0) && FindWmvPreset(1) && FindWmvPreset(2));
    EXPECT_FALSE(FindWmvPreset(3));
    EXPECT_FALSE(FindWmvPreset(0xFFFFFFFFu));
    EXPECT_LT(FindWmvPreset(0)->quantiser, FindWmvPreset(1)->quantiser);
    EXPECT_NE(FindWmvPreset(1)->encoder, FindWmvPreset(2)->encoder);
    // The encoders take a key frame at least every 600 frames, whatever the rate.
    for (uint32_t p = 0; p < 3; ++p) {
        EXPECT_LE(WmvSettings(*FindWmvPreset(p), 120, 10, 10).keyFrameEvery, 600);
        EXPECT_EQ(WmvSettings(*FindWmvPreset(p), 1000, 10, 10).keyFrameEvery, 600);
        EXPECT_GE(WmvSettings(*FindWmvPreset(p), 1, 10, 10).keyFrameEvery, 1);
    }
    EXPECT_EQ(WmvSettings(*FindWmvPreset(0), 24, 10, 10).keyFrameEvery,
              24 * FindWmvPreset(0)->keyFrameSeconds);
}

}  // namespace
