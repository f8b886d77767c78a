// VideoEncoder: FFmpeg's encoders and muxers behind the writers: set-up in checked steps, pixel
// conversion (with edge padding for encoders that need sizes in blocks), times and the file's end.
#include "animation/video/VideoEncoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace ov {
namespace {

VideoStepFault& FaultHook()
{
    static VideoStepFault hook;
    return hook;
}

int RoundUp(int value, int multiple)
{
    return multiple > 1 ? (value + multiple - 1) / multiple * multiple : value;
}

// 5 bits per channel, red highest, little-endian words: the layout Video 1 codes.
void PackRgb555(const uint8_t* source, std::ptrdiff_t sourceStride, int width, int height, uint8_t* target,
                int targetStride)
{
    for (int y = 0; y < height; ++y) {
        const uint8_t* from = source + y * sourceStride;
        uint8_t* to = target + static_cast<std::ptrdiff_t>(y) * targetStride;
        for (int x = 0; x < width; ++x, from += 3, to += 2) {
            const unsigned word = (from[2] >> 3U) << 10U | (from[1] >> 3U) << 5U | from[0] >> 3U;
            to[0] = static_cast<uint8_t>(word & 0xFFU);
            to[1] = static_cast<uint8_t>(word >> 8U);
        }
    }
}

}  // namespace

int64_t MillisecondsOfFrame(int64_t index, int fps)
{
    return fps > 0 ? index * 1000 / fps : 0;
}

VideoStepFault SetVideoStepFaultForTesting(VideoStepFault fault)
{
    return std::exchange(FaultHook(), std::move(fault));
}

struct VideoEncoder::Impl {
    EncoderSettings settings;
    std::string path;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;  // owned by format
    SwsContext* converter = nullptr;
    AVFrame* picture = nullptr;
    AVPacket* packet = nullptr;
    std::vector<uint8_t> padded;  // top-down rows at the coded size, when it differs from the frame's
    int codedWidth = 0;
    int codedHeight = 0;
    bool fileOpen = false;
    bool createdFile = false;
    bool headerWritten = false;
    int64_t sent = 0;
    int lastError = 0;

    // Runs `call` for the step unless a test makes the step fail first; true when the step fails,
    // that is when the call returns one of the libraries' negative codes.
    template <typename Call>
    bool Fails(VideoStep step, Call&& call)
    {
        const int code = FaultHook() && FaultHook()(step) ? AVERROR_EXTERNAL : call();
        if (code >= 0) return false;
        lastError = code;
        return true;
    }

    VideoStep OpenSteps();
    VideoStep ConfigureCodec(const AVCodec* encoder);
    void PadRows(const uint8_t* bottomUp);
    // Uncompressed bitmaps at their own size: the frame buffer is the packet, written without a copy.
    bool StoresRowsAsTheyAre() const
    {
        return settings.bottomUpRows && padded.empty() && codec->codec_id == AV_CODEC_ID_RAWVIDEO;
    }
    int WriteStoredRows(const uint8_t* bottomUp);
    bool Convert(const uint8_t* bottomUp);
    int SendAndWrite(const AVFrame* frame);
    void Release(bool removeFile);
};

VideoStep VideoEncoder::Impl::OpenSteps()
{
    const EncoderSettings& s = settings;
    if (Fails(VideoStep::kOutputContext, [&] {
            const int code =
                avformat_alloc_output_context2(&format, nullptr, s.container.c_str(), path.c_str());
            return format ? code : AVERROR(ENOMEM);
        }))
        return VideoStep::kOutputContext;
    const AVCodec* encoder = nullptr;
    if (Fails(VideoStep::kFindEncoder, [&] {
            encoder = avcodec_find_encoder_by_name(s.encoder.c_str());
            return encoder ? 0 : AVERROR_ENCODER_NOT_FOUND;
        }))
        return VideoStep::kFindEncoder;
    if (Fails(VideoStep::kMuxerCodec, [&] {
            return avformat_query_codec(format->oformat, encoder->id, FF_COMPLIANCE_NORMAL) == 1
                       ? 0
                       : AVERROR(EINVAL);
        }))
        return VideoStep::kMuxerCodec;
    codedWidth = RoundUp(s.width, s.sizeMultiple);
    codedHeight = RoundUp(s.height, s.sizeMultiple);
    if (Fails(VideoStep::kGeometry, [&] {
            const bool usable = s.width > 0 && s.height > 0 && s.fps > 0 &&
                                av_image_check_size(codedWidth, codedHeight, 0, nullptr) == 0;
            return usable ? 0 : AVERROR(EINVAL);
        }))
        return VideoStep::kGeometry;
    return ConfigureCodec(encoder);
}

VideoStep VideoEncoder::Impl::ConfigureCodec(const AVCodec* encoder)
{
    const EncoderSettings& s = settings;
    if (Fails(VideoStep::kCodecContext, [&] {
            codec = avcodec_alloc_context3(encoder);
            return codec ? 0 : AVERROR(ENOMEM);
        }))
        return VideoStep::kCodecContext;
    codec->width = codedWidth;
    codec->height = codedHeight;
    codec->pix_fmt = av_get_pix_fmt(s.pixelFormat.c_str());
    codec->time_base = AVRational{1, s.fps};
    codec->framerate = AVRational{s.fps, 1};
    codec->thread_count = 0;  // as many as the encoder can use
    if (s.keyFrameEvery > 0) codec->gop_size = codec->keyint_min = s.keyFrameEvery;
    if (s.quantiser > 0) {
        codec->flags |= AV_CODEC_FLAG_QSCALE;
        codec->global_quality = FF_QP2LAMBDA * s.quantiser;
    }
    if (format->oformat->flags & AVFMT_GLOBALHEADER) codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (Fails(VideoStep::kOpenEncoder, [&] { return avcodec_open2(codec, encoder, nullptr); }))
        return VideoStep::kOpenEncoder;
    if (Fails(VideoStep::kNewStream, [&] {
            stream = avformat_new_stream(format, nullptr);
            return stream ? 0 : AVERROR(ENOMEM);
        }))
        return VideoStep::kNewStream;
    stream->time_base = s.millisecondTimes ? AVRational{1, 1000} : AVRational{1, s.fps};
    stream->avg_frame_rate = stream->r_frame_rate = AVRational{s.fps, 1};
    if (!s.streamName.empty()) av_dict_set(&stream->metadata, "title", s.streamName.c_str(), 0);
    if (Fails(VideoStep::kStreamParameters,
              [&] { return avcodec_parameters_from_context(stream->codecpar, codec); }))
        return VideoStep::kStreamParameters;
    stream->codecpar->codec_tag = s.codecTag;

    if (Fails(VideoStep::kConverter, [&] {
            if (codec->pix_fmt == AV_PIX_FMT_BGR24 || codec->pix_fmt == AV_PIX_FMT_RGB555LE) return 0;
            converter = sws_getContext(codedWidth, codedHeight, AV_PIX_FMT_BGR24, codedWidth, codedHeight,
                                       codec->pix_fmt, SWS_BICUBIC, nullptr, nullptr, nullptr);
            return converter ? 0 : AVERROR(EINVAL);
        }))
        return VideoStep::kConverter;
    if (Fails(VideoStep::kStreamType,
              [&] { return stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO ? 0 : AVERROR(EINVAL); }))
        return VideoStep::kStreamType;
    if (Fails(VideoStep::kOpenFile, [&] {
            createdFile = access(path.c_str(), F_OK) != 0;
            const int code = avio_open(&format->pb, path.c_str(), AVIO_FLAG_WRITE);
            if (code < 0) createdFile = false;
            return code;
        }))
        return VideoStep::kOpenFile;
    fileOpen = true;
    return VideoStep::kNone;
}

void VideoEncoder::Impl::PadRows(const uint8_t* bottomUp)
{
    // The coded picture is larger: repeat the right column and the bottom row into the margin.
    const int width = settings.width;
    const int height = settings.height;
    const auto rowBytes = static_cast<std::ptrdiff_t>(width) * 3;
    const auto codedRow = static_cast<std::ptrdiff_t>(codedWidth) * 3;
    for (int y = 0; y < codedHeight; ++y) {
        const uint8_t* from = bottomUp + (height - 1 - std::min(y, height - 1)) * rowBytes;
        uint8_t* to = padded.data() + y * codedRow;
        std::memcpy(to, from, static_cast<std::size_t>(rowBytes));
        const uint8_t* edge = from + rowBytes - 3;
        for (std::ptrdiff_t x = width; x < codedWidth; ++x) std::memcpy(to + x * 3, edge, 3);
    }
}

bool VideoEncoder::Impl::Convert(const uint8_t* bottomUp)
{
    // Uncompressed bitmaps never come here: their rows go into the file as they are (WriteStoredRows).
    const int height = settings.height;
    const auto rowBytes = static_cast<std::ptrdiff_t>(settings.width) * 3;
    const uint8_t* source = bottomUp + (height - 1) * rowBytes;  // the top row
    std::ptrdiff_t sourceStride = -rowBytes;
    if (!padded.empty()) {
        PadRows(bottomUp);
        source = padded.data();
        sourceStride = static_cast<std::ptrdiff_t>(codedWidth) * 3;
    }
    if (codec->pix_fmt == AV_PIX_FMT_RGB555LE) {
        PackRgb555(source, sourceStride, codedWidth, codedHeight, picture->data[0], picture->linesize[0]);
        return true;
    }
    const int stride = static_cast<int>(sourceStride);
    return sws_scale(converter, &source, &stride, 0, codedHeight, picture->data, picture->linesize) ==
           codedHeight;
}

int VideoEncoder::Impl::WriteStoredRows(const uint8_t* bottomUp)
{
    // A packet without a buffer of its own: av_write_frame writes its data and leaves it to us.
    AVPacket* rows = av_packet_alloc();
    if (!rows) return AVERROR(ENOMEM);
    rows->data = const_cast<uint8_t*>(bottomUp);
    rows->size = settings.width * 3 * settings.height;
    rows->stream_index = stream->index;
    rows->flags = AV_PKT_FLAG_KEY;
    rows->pts = rows->dts = sent;
    rows->duration = 1;
    av_packet_rescale_ts(rows, codec->time_base, stream->time_base);
    const int code = av_write_frame(format, rows);
    rows->data = nullptr;
    rows->size = 0;
    av_packet_free(&rows);
    return code;
}

int VideoEncoder::Impl::SendAndWrite(const AVFrame* frame)
{
    int code = avcodec_send_frame(codec, frame);
    while (code >= 0) {
        code = avcodec_receive_packet(codec, packet);
        if (code == AVERROR(EAGAIN) || code == AVERROR_EOF) return 0;
        if (code < 0) break;
        packet->stream_index = stream->index;
        if (settings.millisecondTimes) {
            // No encoder here reorders frames, so the packet's time is its frame index.
            const int64_t index = packet->pts;
            packet->pts = packet->dts = MillisecondsOfFrame(index, settings.fps);
            packet->duration = MillisecondsOfFrame(index + 1, settings.fps) - packet->pts;
        } else {
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        }
        code = av_interleaved_write_frame(format, packet);
    }
    return code;
}

void VideoEncoder::Impl::Release(bool removeFile)
{
    sws_freeContext(converter);
    converter = nullptr;
    av_frame_free(&picture);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
    if (format) {
        if (fileOpen) avio_closep(&format->pb);
        avformat_free_context(format);
        format = nullptr;
    }
    stream = nullptr;
    if (removeFile && createdFile) unlink(path.c_str());
    fileOpen = createdFile = headerWritten = false;
    padded.clear();
}

VideoEncoder::VideoEncoder() : impl_(std::make_unique<Impl>()) {}

VideoEncoder::~VideoEncoder()
{
    Finish();
}

VideoStep VideoEncoder::Open(const std::string& path, const EncoderSettings& settings)
{
    Finish();
    impl_->settings = settings;
    impl_->path = path;
    impl_->sent = 0;
    impl_->lastError = 0;
    const VideoStep failed = impl_->OpenSteps();
    if (failed != VideoStep::kNone) impl_->Release(true);
    return failed;
}

VideoStep VideoEncoder::Begin()
{
    Impl& m = *impl_;
    if (!m.fileOpen) return VideoStep::kWriteHeader;
    m.picture = av_frame_alloc();
    m.packet = av_packet_alloc();
    int code = m.picture && m.packet ? 0 : AVERROR(ENOMEM);
    if (code == 0) {
        m.picture->format = m.codec->pix_fmt;
        m.picture->width = m.codedWidth;
        m.picture->height = m.codedHeight;
        code = av_frame_get_buffer(m.picture, 0);
    }
    if (m.Fails(VideoStep::kPicture, [code] { return code; })) return VideoStep::kPicture;
    code = 0;
    if (m.codedWidth != m.settings.width || m.codedHeight != m.settings.height) {
        try {
            m.padded.assign(
                static_cast<std::size_t>(m.codedWidth) * 3 * static_cast<std::size_t>(m.codedHeight), 0);
        } catch (const std::bad_alloc&) {
            code = AVERROR(ENOMEM);
        }
    }
    if (m.Fails(VideoStep::kInputLayout, [code] { return code; })) return VideoStep::kInputLayout;
    AVDictionary* options = nullptr;
    if (m.settings.bottomUpRows) av_dict_set(&options, "flipped_raw_rgb", "1", 0);
    const bool failed = m.Fails(VideoStep::kWriteHeader, [&] {
        const int written = avformat_write_header(m.format, &options);
        // An option the muxer did not take would leave the rows upside down in every player.
        return written >= 0 && av_dict_count(options) > 0 ? AVERROR_OPTION_NOT_FOUND : written;
    });
    av_dict_free(&options);
    if (failed) return VideoStep::kWriteHeader;
    m.headerWritten = true;
    return VideoStep::kNone;
}

bool VideoEncoder::Begun() const
{
    return impl_->headerWritten;
}

VideoStep VideoEncoder::Encode(const uint8_t* bottomUpBgr)
{
    Impl& m = *impl_;
    if (!m.headerWritten) return VideoStep::kWriteFrame;
    if (m.StoresRowsAsTheyAre()) {
        if (m.Fails(VideoStep::kWriteFrame, [&] { return m.WriteStoredRows(bottomUpBgr); }))
            return VideoStep::kWriteFrame;
        ++m.sent;
        return VideoStep::kNone;
    }
    if (m.Fails(VideoStep::kPictureWritable, [&] { return av_frame_make_writable(m.picture); }))
        return VideoStep::kPictureWritable;
    if (m.Fails(VideoStep::kConvert, [&] { return m.Convert(bottomUpBgr) ? 0 : AVERROR(EINVAL); }))
        return VideoStep::kConvert;
    m.picture->pts = m.sent;
    if (m.settings.quantiser > 0) m.picture->quality = m.codec->global_quality;
    if (m.Fails(VideoStep::kWriteFrame, [&] { return m.SendAndWrite(m.picture); }))
        return VideoStep::kWriteFrame;
    ++m.sent;
    return VideoStep::kNone;
}

void VideoEncoder::Finish()
{
    Impl& m = *impl_;
    if (m.headerWritten) {
        m.SendAndWrite(nullptr);  // the encoder's last packets; a failure here leaves what was written
        av_write_trailer(m.format);
    }
    m.Release(false);
}

void VideoEncoder::Abandon()
{
    if (impl_->headerWritten)
        Finish();
    else
        impl_->Release(true);
}

int64_t VideoEncoder::FramesSent() const
{
    return impl_->sent;
}

int VideoEncoder::LastError() const
{
    return impl_->lastError;
}

}  // namespace ov
