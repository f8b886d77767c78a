// COvAVIFile: the AVI settings of each FOURCC and the frame counter over the shared encoder.
#include "animation/video/COvAVIFile.h"

namespace ov {

EncoderSettings AviSettings(uint32_t codec, int fps, int width, int height, int keyFrameEvery)
{
    EncoderSettings s;
    s.fps = fps;
    s.width = width;
    s.height = height;
    s.keyFrameEvery = keyFrameEvery;
    s.streamName = "VideoStream";
    if (codec == 0) {
        // Uncompressed bitmaps are stored bottom-up, exactly as the frame buffer holds them.
        s.container = "avi";
        s.encoder = "rawvideo";
        s.pixelFormat = "bgr24";
        s.bottomUpRows = true;
    } else if (codec == kFourccMsvc) {
        // Video 1 codes 4 × 4 blocks: other sizes grow to the next multiple of 4 (edge pixels repeated).
        s.container = "avi";
        s.encoder = "msvideo1";
        s.pixelFormat = "rgb555le";
        s.codecTag = kFourccMsvc;
        s.sizeMultiple = 4;
    }
    return s;
}

COvAVIFile::~COvAVIFile()
{
    opened_ = false;
    frameCounter_ = 0;
    encoder_.Finish();
}

int32_t COvAVIFile::Open(const std::string& path, uint32_t codec, int fps, int width, int height, int,
                         int keyFrameEvery)
{
    opened_ = false;
    frameCounter_ = 0;
    const EncoderSettings settings = AviSettings(codec, fps, width, height, keyFrameEvery);
    if (settings.container.empty()) return kVideoFail;
    if (encoder_.Open(path, settings) != VideoStep::kNone) return kVideoFail;
    if (encoder_.Begin() != VideoStep::kNone) {
        encoder_.Abandon();
        return kVideoFail;
    }
    SetGeometry(width, height);
    opened_ = true;
    return kVideoOk;
}

int32_t COvAVIFile::WriteFrame()
{
    if (!opened_) return kVideoFail;
    const VideoStep failed = encoder_.Encode(FrameBuffer().data());
    ++frameCounter_;
    if (failed == VideoStep::kNone) return kVideoOk;
    return encoder_.LastError() < 0 ? encoder_.LastError() : kVideoFail;
}

}  // namespace ov
