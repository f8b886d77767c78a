// The plain parts of Generate Animation: clamps, the playback timer, wrap-around steps, the time text
// and the preview fit.
#include <gtest/gtest.h>

#include "animation/generate/AnimationTiming.h"

#include <string>
#include <tuple>

using namespace ov;

namespace {

template <typename F>
std::string Each(std::initializer_list<int> values, F f)
{
    std::string out;
    for (const int v : values) out += (out.empty() ? "" : " ") + std::to_string(f(v));
    return out;
}

TEST(AnimationTiming, ClampsTimerStepsTimeTextAndFit)
{
    EXPECT_EQ(Each({-5, 0, 1, 10000, 10001}, ClampDuration), "1 1 1 10000 10000");
    EXPECT_EQ(Each({5, 6, 120, 200}, ClampFps), "6 6 120 120");
    EXPECT_EQ(Each({24, 25, 30, 6, 7, 11, 20}, PlaybackIntervalMs), "41 40 40 166 142 90 50");
    // From frame 0 back to the last, from the last on to 0; without frames always 0.
    const std::tuple<int, int, int, int> steps[] = {{0, -1, 240, 239}, {239, 1, 240, 0}, {5, 1, 240, 6},
                                                    {5, -1, 240, 4},   {0, -1, 1, 0},    {3, 0, 0, 0},
                                                    {1, -3, 2, 0}};
    for (const auto& [current, delta, count, expected] : steps)
        EXPECT_EQ(StepFrame(current, delta, count), expected) << current << " " << delta << " " << count;

    const std::tuple<int, int, int, const char*> times[] = {
        {0, 240, 10, "1 / 240 - 00:00:00.00"},        {239, 240, 10, "240 / 240 - 00:00:09.95"},
        {30, 240, 10, "31 / 240 - 00:00:01.25"},      {1, 2, 7322, "2 / 2 - 01:01:01.00"},
        {600, 1200, 150, "601 / 1200 - 00:01:15.00"}, {0, 0, 10, "1 / 0 - 00:00:00.00"},
        {1, 2, 7200, "2 / 2 - 01:00:00.00"}};
    for (const auto& [current, count, duration, text] : times)
        EXPECT_EQ(TimeDisplayText(current, count, duration), text);

    // Relatively wider: full width; taller: full height; the same ratio fills the area; centred.
    const auto fit = [](int width, int height, FitRect area) {
        const FitRect r = FitPicture(width, height, area);
        return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x" +
               std::to_string(r.height);
    };
    const FitRect area{10, 20, 400, 300};
    EXPECT_EQ(fit(800, 200, area), "10,120 400x100");
    EXPECT_EQ(fit(100, 300, area), "160,20 100x300");
    EXPECT_EQ(fit(40, 30, area), "10,20 400x300");
    EXPECT_EQ(fit(0, 30, area), "10,20 0x0");
    EXPECT_EQ(fit(10, 10, FitRect{5, 5, 1, 1}), "5,5 1x1");
    EXPECT_EQ(fit(10, 10, FitRect{5, 5, 0, 1}), "5,5 0x0");
}

}  // namespace
