// COvWMVFile: opening with a preset, the three frame operations and release on every failure.
#include "animation/video/COvWMVFile.h"

#include "animation/video/WmvPresets.h"

namespace ov {

COvWMVFile::~COvWMVFile()
{
    Release();
}

int32_t COvWMVFile::Open(const std::string& path, uint32_t codec, int fps, int width, int height, int, int)
{
    Release();
    errorText_.clear();
    framesWritten_ = 0;
    nextSampleTime_ = 0;
    fps_ = fps;
    const std::optional<WmvPreset> preset = FindWmvPreset(codec);
    if (!preset) return Fail(VideoStep::kGeometry);
    const VideoStep failed = encoder_.Open(path, WmvSettings(*preset, fps, width, height));
    if (failed != VideoStep::kNone) return Fail(failed);
    state_ = WmvState::kOpened;
    SetGeometry(width, height);
    return kVideoOk;
}

int32_t COvWMVFile::WriteFrame()
{
    return (this->*kFrameOperations[static_cast<int>(state_)])();
}

int32_t COvWMVFile::RefuseFrame()
{
    return kVideoFail;
}

int32_t COvWMVFile::BeginAndWriteFrame()
{
    const VideoStep failed = encoder_.Begin();
    if (failed != VideoStep::kNone) return Fail(failed);
    state_ = WmvState::kWriting;
    return WriteSample();
}

int32_t COvWMVFile::WriteSample()
{
    const VideoStep failed = encoder_.Encode(FrameBuffer().data());
    if (failed != VideoStep::kNone) return Fail(failed);
    ++framesWritten_;
    nextSampleTime_ = MillisecondsOfFrame(framesWritten_, fps_);
    return kVideoOk;
}

int32_t COvWMVFile::Fail(VideoStep step)
{
    errorText_ = std::string(WmvStepText(step));
    Release();
    return kVideoFail;
}

void COvWMVFile::Release()
{
    encoder_.Abandon();
    state_ = WmvState::kClosed;
}

}  // namespace ov
