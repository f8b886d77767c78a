// WmvPresets: the three Windows Media presets a writer offers by number, and the text of each step
// of the Windows Media writer that can fail.
#pragma once

#include "animation/video/VideoEncoder.h"

#include <optional>
#include <string_view>

namespace ov {

struct WmvPreset {
    std::string_view encoder;  // "wmv2" (Windows Media Video 8) or "wmv1" (Windows Media Video 7)
    int quantiser;             // fixed quantiser, 2 (finest) to 31
    int keyFrameSeconds;       // a key frame at least this often
};

// Profile 0, 1 or 2; nothing for any other number.
std::optional<WmvPreset> FindWmvPreset(uint32_t profile);

// The encoder settings of a preset for frames of width × height at fps.
EncoderSettings WmvSettings(const WmvPreset& preset, int fps, int width, int height);

// The writer's error text for a failing step ("" for kNone).
std::string_view WmvStepText(VideoStep step);

}  // namespace ov
