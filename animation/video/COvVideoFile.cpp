// COvVideoFile: geometry, the bottom-up frame buffer and the copy of a picture into it.
#include "animation/video/COvVideoFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace ov {
namespace {

// One row of 32-bit pixels (blue, green, red, unused) into 3-byte pixels. On little-endian machines
// four pixels at a time as three words, which keeps the copy a small part of a frame's cost; the
// bytes are the same as those of the pixel-by-pixel copy that handles the rest of the row.
void PackRow32(const uint8_t* source, uint8_t* target, int width)
{
    int x = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; x + 4 <= width; x += 4, source += 16, target += 12) {
            uint32_t in[4];
            std::memcpy(in, source, sizeof in);
            const uint32_t low = (in[0] & 0xFFFFFFU) | in[1] << 24U;
            const uint32_t middle = (in[1] >> 8U & 0xFFFFU) | in[2] << 16U;
            const uint32_t high = (in[2] >> 16U & 0xFFU) | in[3] << 8U;
            std::memcpy(target, &low, 4);
            std::memcpy(target + 4, &middle, 4);
            std::memcpy(target + 8, &high, 4);
        }
    }
    for (; x < width; ++x, source += 4, target += 3) std::memcpy(target, source, 3);
}

}  // namespace

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
        if (pixels.pixelBytes == 3)
            std::copy_n(source, rowBytes, target);
        else
            PackRow32(source, target, width_);
    }
    return WriteFrame();
}

}  // namespace ov
