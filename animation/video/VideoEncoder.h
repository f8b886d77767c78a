// VideoEncoder: one video stream encoded and muxed into one file, the only place that talks to the
// encoding libraries. The writers describe the file (container, encoder, pixel layout, times) and see
// each step that can fail, so each can report it in its own terms.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace ov {

// Every step that can fail, in the order they run.
enum class VideoStep {
    kNone,           // nothing failed
    kOutputContext,  // the container's output context
    kFindEncoder,    // the encoder is present
    kMuxerCodec,     // the container accepts the encoding
    kGeometry,       // frame size and rate are usable
    kCodecContext,   // the encoder's context
    kOpenEncoder,    // the encoder accepts the settings
    kNewStream,      // the container's stream
    kStreamParameters,
    kConverter,        // the pixel conversion into the encoder's layout
    kStreamType,       // the stream carries video
    kOpenFile,         // the output file
    kPicture,          // the encoder's input picture
    kInputLayout,      // the padded input rows
    kWriteHeader,      // the container's header
    kPictureWritable,  // the input picture may be written (per frame)
    kConvert,          // the frame converted into the picture
    kWriteFrame,       // encoding and writing the frame
};

struct EncoderSettings {
    std::string container;    // muxer name: "avi", "asf"
    std::string encoder;      // encoder name: "rawvideo", "msvideo1", "wmv2", "wmv1"
    std::string pixelFormat;  // the encoder's input layout: "bgr24", "rgb555le", "yuv420p"
    uint32_t codecTag = 0;    // FOURCC written into the container; 0 keeps the container's choice
    int fps = 0;
    int width = 0;
    int height = 0;
    int sizeMultiple = 1;       // coded sizes are rounded up to this, the new edge repeats the last pixels
    int keyFrameEvery = 0;      // 0: the encoder's default
    int quantiser = 0;          // fixed quantiser; 0: the encoder's default rate control
    bool bottomUpRows = false;  // rows go into the file as stored (bottom-up RGB bitmaps)
    bool millisecondTimes = false;  // stream times in ms (frames × 1000 / fps), else in frames
    std::string streamName;         // the stream's title, when the container keeps one
};

class VideoEncoder {
public:
    VideoEncoder();
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    // Everything up to and including creating the file; kNone on success. A failure releases what
    // was made and removes a file this call created.
    VideoStep Open(const std::string& path, const EncoderSettings& settings);
    // The input picture and the container header; the file is ready for frames afterwards.
    VideoStep Begin();
    bool Begun() const;
    // Encodes one frame from 3-byte blue-green-red rows stored bottom-up (width × 3 bytes per row).
    VideoStep Encode(const uint8_t* bottomUpBgr);
    // Flushes the encoder, ends the container and closes the file; harmless when nothing is open.
    void Finish();
    // After a failure: ends a file that already has frames as Finish does; a file that has no header
    // yet is removed when Open created it.
    void Abandon();

    int64_t FramesSent() const;
    // The library's code of the last failing call (negative), 0 when none failed.
    int LastError() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Stream time of frame `index` in milliseconds: index × 1000 / fps, truncated.
int64_t MillisecondsOfFrame(int64_t index, int fps);

// Fault injection for tests: the hook runs before each step and returns true to make it fail.
using VideoStepFault = std::function<bool(VideoStep)>;
VideoStepFault SetVideoStepFaultForTesting(VideoStepFault fault);

}  // namespace ov
