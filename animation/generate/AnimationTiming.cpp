// AnimationTiming: clamps, the timer interval, wrap-around steps, the time text and the fit.
#include "animation/generate/AnimationTiming.h"

#include <algorithm>
#include <cstdio>

namespace ov {

int ClampDuration(int seconds)
{
    return std::clamp(seconds, kMinDuration, kMaxDuration);
}

int ClampFps(int fps)
{
    return std::clamp(fps, kMinFps, kMaxFps);
}

int PlaybackIntervalMs(int fps)
{
    return std::max(1000 / std::max(fps, 1), 40);
}

int StepFrame(int current, int delta, int count)
{
    if (count <= 0) return 0;
    const int next = (current + delta) % count;
    return next < 0 ? next + count : next;
}

std::string TimeDisplayText(int current, int count, int duration)
{
    const double t = count > 0 ? static_cast<double>(current) / count * duration : 0.0;
    const int seconds = static_cast<int>(t);
    const int minutes = seconds / 60;
    const int hours = minutes / 60;
    const int hundredths = static_cast<int>((t - seconds) * 100);
    char text[96];
    std::snprintf(text, sizeof text, "%d / %d - %02d:%02d:%02d.%02d", current + 1, count, hours,
                  minutes - hours * 60, seconds - minutes * 60, hundredths);
    return text;
}

FitRect FitPicture(int width, int height, const FitRect& area)
{
    if (width <= 0 || height <= 0 || area.width <= 0 || area.height <= 0) return {area.x, area.y, 0, 0};
    FitRect fit;
    // Compare width / height with area.width / area.height without rounding.
    if (static_cast<int64_t>(width) * area.height > static_cast<int64_t>(area.width) * height) {
        fit.width = area.width;
        fit.height = static_cast<int>(static_cast<int64_t>(height) * area.width / width);
    } else {
        fit.height = area.height;
        fit.width = static_cast<int>(static_cast<int64_t>(width) * area.height / height);
    }
    fit.x = area.x + (area.width - fit.width) / 2;
    fit.y = area.y + (area.height - fit.height) / 2;
    return fit;
}

}  // namespace ov
