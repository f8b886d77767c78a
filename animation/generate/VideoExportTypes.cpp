// VideoExportTypes: the type table and the writer of a type.
#include "animation/generate/VideoExportTypes.h"

#include "animation/video/COvAVIFile.h"
#include "animation/video/COvWMVFile.h"

#include <algorithm>
#include <array>

namespace ov {
namespace {

constexpr std::array<VideoExportType, kVideoExportTypeCount> kTypes = {{
    {false, 0},
    {false, kFourccMsvc},
    {true, 0},
    {true, 1},
    {true, 2},
}};

}  // namespace

VideoExportType VideoExportTypeAt(int index)
{
    return kTypes[static_cast<std::size_t>(std::clamp(index, 0, kVideoExportTypeCount - 1))];
}

std::unique_ptr<COvVideoFile> MakeVideoWriter(const VideoExportType& type)
{
    if (type.windowsMedia) return std::make_unique<COvWMVFile>();
    return std::make_unique<COvAVIFile>();
}

}  // namespace ov
