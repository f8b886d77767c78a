// The plain parts of Generate Animation: clamps, the playback timer, wrap-around steps, the time text,
// the preview fit, the frame list handed to the host, the video types and the remembered type.
#include <gtest/gtest.h>

#include "animation/generate/AnimationTiming.h"
#include "animation/generate/FrameList.h"
#include "animation/generate/GenerateAnimationSettings.h"
#include "animation/generate/VideoExportTypes.h"
#include "animation/video/COvAVIFile.h"
#include "animation/video/COvWMVFile.h"
#include "framework/settings/RegKeyHandle.h"
#include "video/VideoTestSupport.h"

#include <filesystem>
#include <fstream>

using namespace ov;
namespace fs = std::filesystem;

namespace {

TEST(AnimationTiming, ClampsDurationAndFrameRate)
{
    EXPECT_EQ(ClampDuration(0), 1);
    EXPECT_EQ(ClampDuration(-5), 1);
    EXPECT_EQ(ClampDuration(10000), 10000);
    EXPECT_EQ(ClampDuration(10001), 10000);
    EXPECT_EQ(ClampFps(200), 120);
    EXPECT_EQ(ClampFps(5), 6);
    EXPECT_EQ(ClampFps(6), 6);
    EXPECT_EQ(ClampFps(120), 120);
}

TEST(AnimationTiming, TimerIsAFrameButAtLeast40Ms)
{
    EXPECT_EQ(PlaybackIntervalMs(24), 41);
    EXPECT_EQ(PlaybackIntervalMs(25), 40);
    EXPECT_EQ(PlaybackIntervalMs(30), 40);
    EXPECT_EQ(PlaybackIntervalMs(6), 166);
    EXPECT_EQ(PlaybackIntervalMs(20), 50);
    EXPECT_EQ(PlaybackIntervalMs(7), 142);
    EXPECT_EQ(PlaybackIntervalMs(11), 90);
}

TEST(AnimationTiming, StepsWrapAtBothEnds)
{
    struct Case {
        int current, delta, count, expected;
    };
    const Case cases[] = {{0, -1, 240, 239}, {239, 1, 240, 0}, {5, 1, 240, 6}, {5, -1, 240, 4},
                          {0, 1, 1, 0},      {0, -1, 1, 0},    {3, 0, 0, 0},   {1, -3, 2, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(StepFrame(c.current, c.delta, c.count), c.expected)
            << c.current << " " << c.delta << " " << c.count;
}

TEST(AnimationTiming, TimeTextShowsCounterAndTime)
{
    EXPECT_EQ(TimeDisplayText(0, 240, 10), "1 / 240 - 00:00:00.00");
    EXPECT_EQ(TimeDisplayText(239, 240, 10), "240 / 240 - 00:00:09.95");
    EXPECT_EQ(TimeDisplayText(30, 240, 10), "31 / 240 - 00:00:01.25");
    EXPECT_EQ(TimeDisplayText(1, 2, 7322), "2 / 2 - 01:01:01.00");
    EXPECT_EQ(TimeDisplayText(600, 1200, 150), "601 / 1200 - 00:01:15.00");
    EXPECT_EQ(TimeDisplayText(1, 2, 7200), "2 / 2 - 01:00:00.00");
    EXPECT_EQ(TimeDisplayText(0, 0, 10), "1 / 0 - 00:00:00.00");  // no frames yet: no division by 0
}

TEST(AnimationTiming, PicturesFitAndCentre)
{
    const FitRect area{10, 20, 400, 300};
    const FitRect wide = FitPicture(800, 200, area);  // relatively wider: full width
    EXPECT_EQ(wide.width, 400);
    EXPECT_EQ(wide.height, 100);
    EXPECT_EQ(wide.x, 10);
    EXPECT_EQ(wide.y, 20 + 100);
    const FitRect tall = FitPicture(100, 300, area);  // relatively taller: full height
    EXPECT_EQ(tall.height, 300);
    EXPECT_EQ(tall.width, 100);
    EXPECT_EQ(tall.x, 10 + 150);
    EXPECT_EQ(tall.y, 20);
    const FitRect same = FitPicture(40, 30, area);  // same ratio: fills the area
    EXPECT_EQ(same.width, 400);
    EXPECT_EQ(same.height, 300);
    EXPECT_EQ(FitPicture(0, 30, area).width, 0);
    const FitRect dot = FitPicture(10, 10, FitRect{5, 5, 1, 1});
    EXPECT_EQ(dot.width, 1);
    EXPECT_EQ(dot.height, 1);
    EXPECT_EQ(FitPicture(10, 10, FitRect{5, 5, 0, 1}).width, 0);
}

TEST(FrameList, RequestAnswerAndDiscard)
{
    const fs::path base = ovtest::FreshFolder("frame-list");
    const fs::path folder = base / "frames";
    fs::create_directories(folder / "sub");
    std::ofstream(folder / "sub" / "f.png") << "x";
    std::ofstream(base / "sentinel") << "x";

    FrameList frames;
    ASSERT_TRUE(frames.PrepareRequest(240));
    ASSERT_EQ(frames.Count(), 1);
    EXPECT_EQ(frames.PathAt(0), "240");
    // The host takes the count off, frees it and answers.
    free(ov_list_remove_last(frames.get()));
    for (const std::string& s :
         {folder.string(), std::string("second"), std::string("/a/1.png"), std::string("/a/2.png")})
        ov_list_append(frames.get(), ov_str_from_ascii(s.c_str()));
    frames.TakeAnswer();
    EXPECT_EQ(frames.Folder(), folder.string());
    EXPECT_EQ(frames.SecondText(), u"second");
    ASSERT_EQ(frames.Count(), 2);
    EXPECT_EQ(frames.PathAt(0), "/a/1.png");
    EXPECT_EQ(frames.PathAt(1), "/a/2.png");
    EXPECT_EQ(frames.PathAt(2), "");

    frames.Discard({});
    EXPECT_EQ(frames.Count(), 0);
    EXPECT_TRUE(frames.Folder().empty());
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(fs::exists(base / "sentinel"));
}

TEST(FrameList, FewerThanTwoEntriesStayFramePaths)
{
    const fs::path base = ovtest::FreshFolder("frame-list-short");
    FrameList frames;
    ASSERT_TRUE(frames.PrepareRequest(12));
    frames.TakeAnswer();  // the host answered nothing
    EXPECT_TRUE(frames.Folder().empty());
    ASSERT_EQ(frames.Count(), 1);
    EXPECT_EQ(frames.PathAt(0), "12");
    frames.Discard({base.string()});  // no folder: nothing is deleted
    EXPECT_TRUE(fs::exists(base));
    EXPECT_EQ(frames.Count(), 0);
}

TEST(FrameList, TwoEntriesAreFolderAndTextWithoutFrames)
{
    const fs::path folder = ovtest::FreshFolder("frame-list-two");
    FrameList frames;
    ASSERT_TRUE(frames.PrepareRequest(2));
    free(ov_list_remove_last(frames.get()));
    ov_list_append(frames.get(), ov_str_from_ascii(folder.string().c_str()));
    ov_list_append(frames.get(), ov_str_from_ascii("second"));
    frames.TakeAnswer();
    EXPECT_EQ(frames.Folder(), folder.string());
    EXPECT_EQ(frames.Count(), 0);
    frames.Discard({});
    EXPECT_FALSE(fs::exists(folder));  // a folder without frames goes too
}

TEST(VideoExportTypes, TypesPickWriterAndCodec)
{
    EXPECT_FALSE(VideoExportTypeAt(0).windowsMedia);
    EXPECT_EQ(VideoExportTypeAt(0).codec, 0u);
    EXPECT_FALSE(VideoExportTypeAt(1).windowsMedia);
    EXPECT_EQ(VideoExportTypeAt(1).codec, kFourccMsvc);
    for (int i = 2; i < 5; ++i) {
        EXPECT_TRUE(VideoExportTypeAt(i).windowsMedia);
        EXPECT_EQ(VideoExportTypeAt(i).codec, static_cast<uint32_t>(i - 2));
    }
    EXPECT_EQ(VideoExportTypeAt(9).codec, 2u);
    EXPECT_TRUE(dynamic_cast<COvWMVFile*>(MakeVideoWriter(VideoExportTypeAt(3)).get()));
    EXPECT_TRUE(dynamic_cast<COvAVIFile*>(MakeVideoWriter(VideoExportTypeAt(1)).get()));
}

TEST(GenerateAnimationSettings, StoredTypeAboveTheLastCountsAsTheLast)
{
    RegKeyHandle key(kVideoExportKey);
    key.WriteDword("vExp", 9);
    EXPECT_EQ(ReadRemembered(kVideoExportKey, kVideoExportValues).type, 4u);
    key.WriteDword("vExp", 2);
    EXPECT_EQ(ReadRemembered(kVideoExportKey, kVideoExportValues).type, 2u);
    RegKeyHandle(kAnimationLengthKey).WriteDword("A_fps", 30);
    const AnimationLength length = ReadRemembered(kAnimationLengthKey, kAnimationLengthValues);
    EXPECT_EQ(length.fps, 30);
    EXPECT_EQ(length.duration, 10);
}

}  // namespace
