// AnimationTiming: the numbers of Generate Animation: the accepted duration and frame rate, the
// playback timer, stepping through frames with wrap-around, the time display and the preview fit.
#pragma once

#include <cstdint>
#include <string>

namespace ov {

inline constexpr int kMinDuration = 1;
inline constexpr int kMaxDuration = 10000;
inline constexpr int kMinFps = 6;
inline constexpr int kMaxFps = 120;

int ClampDuration(int seconds);
int ClampFps(int fps);

// Milliseconds between two frames of playback: 1000 / fps, but never less than 40.
int PlaybackIntervalMs(int fps);

// The frame `delta` frames away from `current`, wrapping around both ends; 0 without frames.
int StepFrame(int current, int delta, int count);

// "<frame + 1> / <count> - hh:mm:ss.cc" for frame `current` of `count` frames spread over `duration`
// seconds.
std::string TimeDisplayText(int current, int count, int duration);

struct FitRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A picture of width × height scaled into `area` keeping its aspect ratio and centred: full width
// when it is relatively wider than the area, else full height.
FitRect FitPicture(int width, int height, const FitRect& area);

}  // namespace ov
