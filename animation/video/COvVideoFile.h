// COvVideoFile: what every video writer shares: the frame geometry, the one frame buffer (rows
// bottom-up, 3 bytes per pixel in blue, green, red order) that each frame passes through, and the text
// of the last failing step.
#pragma once

#include "animation/video/VideoResult.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ov {

// Pixels handed to a writer: blue, green, red in the first 3 of every `pixelBytes` (3, or 4 for
// 32-bit pixels whose fourth byte is ignored), `top` at the picture's top row, row r at
// top + r × stride. A negative stride (rows stored bottom-up) is honoured.
struct BgrPixels {
    const uint8_t* top = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
    int pixelBytes = 3;
};

struct LockRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class COvVideoFile {
public:
    COvVideoFile() = default;
    virtual ~COvVideoFile() = default;
    COvVideoFile(const COvVideoFile&) = delete;
    COvVideoFile& operator=(const COvVideoFile&) = delete;

    // Opens `path` for frames of width × height at `fps`. `codec` chooses the encoding (each writer
    // documents its values); `quality` and `keyFrameEvery` are handed on where the encoding has them.
    virtual int32_t Open(const std::string& path, uint32_t codec, int fps, int width, int height, int quality,
                         int keyFrameEvery);
    // Appends the frame buffer as the next frame.
    virtual int32_t WriteFrame();

    // Stores the frame size and makes the frame buffer fit it (contents zeroed).
    void SetGeometry(int width, int height);

    // Copies a picture of exactly the frame size into the frame buffer, bottom row first, and writes
    // it; any other size is refused without writing.
    int32_t AddBitmap(const BgrPixels& pixels);

    int Kind() const { return 1; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return stride_; }
    int FrameBytes() const { return frameBytes_; }
    const LockRect& Lock() const { return lock_; }
    const std::vector<uint8_t>& FrameBuffer() const { return frame_; }
    const std::string& ErrorText() const { return errorText_; }

protected:
    std::string errorText_;

private:
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    int frameBytes_ = 0;
    LockRect lock_;
    std::vector<uint8_t> frame_;
};

}  // namespace ov
