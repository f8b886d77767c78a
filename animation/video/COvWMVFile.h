// COvWMVFile: Windows Media video in ASF files with one of three presets, a small state machine
// (closed, opened, writing) that picks what a frame does, and the text of the step that failed.
#pragma once

#include "animation/video/COvVideoFile.h"
#include "animation/video/VideoEncoder.h"

#include <array>
#include <cstdint>
#include <string>

namespace ov {

enum class WmvState : int { kClosed = 0, kOpened = 1, kWriting = 2 };

class COvWMVFile : public COvVideoFile {
public:
    COvWMVFile() = default;
    ~COvWMVFile() override;
    COvWMVFile(const COvWMVFile&) = delete;
    COvWMVFile& operator=(const COvWMVFile&) = delete;

    // `codec` is the preset (0, 1, 2); `quality` and `keyFrameEvery` are not used (the preset fixes
    // both).
    int32_t Open(const std::string& path, uint32_t codec, int fps, int width, int height, int quality,
                 int keyFrameEvery) override;
    int32_t WriteFrame() override;

    WmvState State() const { return state_; }
    int32_t FramesWritten() const { return framesWritten_; }
    int64_t NextSampleTime() const { return nextSampleTime_; }  // milliseconds

private:
    using FrameOperation = int32_t (COvWMVFile::*)();
    int32_t RefuseFrame();
    int32_t BeginAndWriteFrame();
    int32_t WriteSample();
    int32_t Fail(VideoStep step);
    void Release();

    static constexpr std::array<FrameOperation, 3> kFrameOperations = {
        &COvWMVFile::RefuseFrame, &COvWMVFile::BeginAndWriteFrame, &COvWMVFile::WriteSample};

    VideoEncoder encoder_;
    WmvState state_ = WmvState::kClosed;
    int32_t framesWritten_ = 0;
    int64_t nextSampleTime_ = 0;
    int fps_ = 0;
};

}  // namespace ov
