// COvAVIFile: AVI files with one video stream named "VideoStream": uncompressed 24-bit frames
// (FOURCC 0) or Microsoft Video 1 (FOURCC "MSVC").
#pragma once

#include "animation/video/COvVideoFile.h"
#include "animation/video/VideoEncoder.h"

#include <cstdint>
#include <string>

namespace ov {

inline constexpr uint32_t kFourccMsvc = 0x4356534D;  // "MSVC"

class COvAVIFile : public COvVideoFile {
public:
    COvAVIFile() = default;
    ~COvAVIFile() override;
    COvAVIFile(const COvAVIFile&) = delete;
    COvAVIFile& operator=(const COvAVIFile&) = delete;

    // `codec` 0 or kFourccMsvc; any other FOURCC fails. `quality` is not used (the file's stream
    // header says "default quality").
    int32_t Open(const std::string& path, uint32_t codec, int fps, int width, int height, int quality,
                 int keyFrameEvery) override;
    // 0, or the encoding library's own negative code of the failing call; kVideoFail before a good Open.
    int32_t WriteFrame() override;

    int32_t FrameCounter() const { return frameCounter_; }
    bool Opened() const { return opened_; }

private:
    VideoEncoder encoder_;
    int32_t frameCounter_ = 0;
    bool opened_ = false;
};

// The encoder settings of an AVI file; empty container when the FOURCC has no encoder.
EncoderSettings AviSettings(uint32_t codec, int fps, int width, int height, int keyFrameEvery);

}  // namespace ov
