// GenerateAnimationSettings: what the Generate Animation dialog remembers: duration and frame rate
// (read when it opens, written when it closes) and the last video type chosen for saving.
#pragma once

#include "framework/settings/RememberedSettings.h"

#include <cstdint>
#include <string_view>

namespace ov {

struct AnimationLength {
    int32_t duration = 10;  // "A_Dura", seconds
    int32_t fps = 24;       // "A_fps"
};

inline constexpr std::string_view kAnimationLengthKey = "Software\\Ornivex\\MP\\GPPSet";
inline constexpr RememberedValue<AnimationLength> kAnimationLengthValues[] = {
    {"A_Dura", &AnimationLength::duration},
    {"A_fps", &AnimationLength::fps},
};

struct VideoExportChoice {
    uint32_t type = 0;  // "vExp": index into the video types; larger values count as the last
};

inline constexpr std::string_view kVideoExportKey = "Software\\Ornivex\\MP\\MISC";
inline constexpr RememberedValue<VideoExportChoice> kVideoExportValues[] = {
    {"vExp", &VideoExportChoice::type, ValueRange{0, 4}},
};

// The remembered-folder slot of the Save Video dialog.
inline constexpr int kVideoFolderSlot = 12;

}  // namespace ov
