// COvVideoFile: geometry, the bottom-up frame buffer and the copy of a picture into it.
#include "animation/video/COvVideoFile.h"

#include <algorithm>

namespace ov {

int32_t COvVideoFile::Open(const std::string&, uint32_t, int, int, int, int, int)
{
    return kVideoFail;
}

int32_t COvVideoFile::WriteFrame()
{
    return kVideoFail;
}

void COvVideoFile::SetGeometry(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    stride_ = 3 * width_;
    frameBytes_ = stride_ * height_;
    lock_ = LockRect{0, 0, width_, height_};
    frame_.assign(static_cast<std::size_t>(frameBytes_), 0);
}

int32_t COvVideoFile::AddBitmap(const BgrPixels& pixels)
{
    if (!pixels.top || pixels.width != width_ || pixels.height != height_ || frame_.empty())
        return kVideoFail;
    if (pixels.pixelBytes != 3 && pixels.pixelBytes != 4) return kVideoFail;
    const auto rowBytes = static_cast<std::size_t>(stride_);
    for (int i = 0; i < height_; ++i) {
        const uint8_t* source = pixels.top + static_cast<std::ptrdiff_t>(height_ - 1 - i) * pixels.stride;
        uint8_t* target = frame_.data() + static_cast<std::size_t>(i) * rowBytes;
        if (pixels.pixelBytes == 3) {
            std::copy_n(source, rowBytes, target);
            continue;
        }
        for (int x = 0; x < width_; ++x, source += 4, target += 3) {
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
        }
    }
    return WriteFrame();
}

}  // namespace ov
