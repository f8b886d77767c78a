// WmvPresets: the preset table, the ASF settings built from a preset and the step texts.
#include "animation/video/WmvPresets.h"

#include <algorithm>
#include <array>

namespace ov {
namespace {

constexpr std::array<WmvPreset, 3> kPresets = {{
    {"wmv2", 2, 5},   // 0: Windows Media Video 8, finest quantiser: best picture, largest file
    {"wmv2", 6, 5},   // 1: Windows Media Video 8, balanced picture and size
    {"wmv1", 10, 5},  // 2: Windows Media Video 7, smallest file, plays in the oldest players
}};

// The encoders take key frames at most every 600 frames.
constexpr int kLongestKeyFrameDistance = 600;

}  // namespace

std::optional<WmvPreset> FindWmvPreset(uint32_t profile)
{
    if (profile >= kPresets.size()) return std::nullopt;
    return kPresets[profile];
}

EncoderSettings WmvSettings(const WmvPreset& preset, int fps, int width, int height)
{
    EncoderSettings s;
    s.container = "asf";
    s.encoder = std::string(preset.encoder);
    s.pixelFormat = "yuv420p";
    s.fps = fps;
    s.width = width;
    s.height = height;
    s.sizeMultiple = 2;  // chroma is kept per 2 × 2 pixels
    s.keyFrameEvery = std::clamp(preset.keyFrameSeconds * fps, 1, kLongestKeyFrameDistance);
    s.quantiser = preset.quantiser;
    s.millisecondTimes = true;
    return s;
}

std::string_view WmvStepText(VideoStep step)
{
    switch (step) {
    case VideoStep::kNone: return "";
    case VideoStep::kOutputContext: return "Unable to Create WindowsMedia Profile Manager";
    case VideoStep::kFindEncoder: return "Unable to Query Interface for ProfileManager2";
    case VideoStep::kMuxerCodec: return "Unable to Set System Profile Version";
    case VideoStep::kGeometry: return "Unable to Load System Profile";
    case VideoStep::kCodecContext: return "Unable to Create Media Writer Object";
    case VideoStep::kOpenEncoder: return "Unable to Set System Profile";
    case VideoStep::kNewStream: return "Unable to Get input count For Profile";
    case VideoStep::kStreamParameters: return "Unable to GetInput Properties";
    case VideoStep::kConverter: return "Unable to Get Input Property Type";
    case VideoStep::kStreamType: return "Profile Does not Accept Video input";
    case VideoStep::kOpenFile: return "Unable to Set Output Filename";
    case VideoStep::kPicture: return "Unable to Set Media Type";
    case VideoStep::kInputLayout: return "Unable to Set Input Properties for Media Writer";
    case VideoStep::kWriteHeader: return "Unable to Initialize Writing";
    case VideoStep::kPictureWritable: return "Unable to Allocate Memory";
    case VideoStep::kConvert: return "Unable to Lock Buffer";
    case VideoStep::kWriteFrame: return "Unable to Write Frame";
    }
    return "";
}

}  // namespace ov
