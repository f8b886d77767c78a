// VideoExportTypes: the five video types Save Video offers, in the order of the file dialog's filters,
// and the writer and codec of each.
#pragma once

#include "animation/video/COvVideoFile.h"

#include <cstdint>
#include <memory>

namespace ov {

inline constexpr int kVideoExportTypeCount = 5;

struct VideoExportType {
    bool windowsMedia;  // COvWMVFile, else COvAVIFile
    uint32_t codec;     // FOURCC (AVI) or profile (Windows Media)
};

// Type 0 uncompressed AVI, 1 Video 1 AVI, 2 to 4 Windows Media profiles 0 to 2; other indexes count
// as the nearest of these.
VideoExportType VideoExportTypeAt(int index);

std::unique_ptr<COvVideoFile> MakeVideoWriter(const VideoExportType& type);

}  // namespace ov
