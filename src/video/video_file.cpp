// SPDX-License-Identifier: MIT
// Packets are read once at opening for the frames' times; frames are decoded on demand, the
// next one by decoding on, any other by seeking to the key frame before it.
#include "video/video_file.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <deque>
#include <utility>

namespace purzo {
namespace {

struct FormatCloser {
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct CodecCloser {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct PacketFreer {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct FrameFreer {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct ScaleFreer {
    void operator()(SwsContext* s) const { sws_freeContext(s); }
};

std::string AvText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

} // namespace

struct VideoFile::State {
    std::unique_ptr<AVFormatContext, FormatCloser> format;
    std::unique_ptr<AVCodecContext, CodecCloser> codec;
    std::unique_ptr<AVPacket, PacketFreer> packet{av_packet_alloc()};
    std::unique_ptr<AVFrame, FrameFreer> frame{av_frame_alloc()};
    std::unique_ptr<SwsContext, ScaleFreer> scale;
    int stream = -1;
    AVRational timeBase{1, 1};
    std::vector<std::int64_t> pts; // every frame's timestamp, in display order
    std::vector<double> timesS;
    int decodedIndex = -1; // the frame the decoder handed out last
    bool drained = false;
    std::deque<std::pair<int, RgbImage>> cache; // most recent first

    int indexOf(std::int64_t t) const {
        const auto it = std::lower_bound(pts.begin(), pts.end(), t);
        if (it == pts.end()) {
            return int(pts.size()) - 1;
        }
        if (it != pts.begin() && t - *(it - 1) < *it - t) {
            return int(it - pts.begin()) - 1;
        }
        return int(it - pts.begin());
    }

    // The next frame out of the decoder, or -1 at the file's end.
    int decodeNext(VideoError& error) {
        for (;;) {
            const int got = avcodec_receive_frame(codec.get(), frame.get());
            if (got == 0) {
                const std::int64_t t = frame->best_effort_timestamp != AV_NOPTS_VALUE
                                           ? frame->best_effort_timestamp
                                           : frame->pts;
                decodedIndex = t == AV_NOPTS_VALUE ? decodedIndex + 1 : indexOf(t);
                return decodedIndex;
            }
            if (got == AVERROR_EOF) {
                return -1;
            }
            if (got != AVERROR(EAGAIN)) {
                error.message = AvText(got);
                return -1;
            }
            if (drained) {
                return -1;
            }
            const int read = av_read_frame(format.get(), packet.get());
            if (read < 0) {
                drained = true;
                avcodec_send_packet(codec.get(), nullptr);
                continue;
            }
            if (packet->stream_index == stream) {
                // A damaged packet is skipped; its frame is reported missing below.
                avcodec_send_packet(codec.get(), packet.get());
            }
            av_packet_unref(packet.get());
        }
    }

    bool seekBefore(int index) {
        drained = false;
        decodedIndex = -1;
        if (av_seek_frame(format.get(), stream, pts[std::size_t(index)], AVSEEK_FLAG_BACKWARD) <
            0) {
            return false;
        }
        avcodec_flush_buffers(codec.get());
        return true;
    }

    bool convert(RgbImage& image) {
        image.width = codec->width;
        image.height = codec->height;
        image.rgb.resize(std::size_t(image.width) * std::size_t(image.height) * 3);
        scale.reset(sws_getCachedContext(
            scale.release(), frame->width, frame->height, AVPixelFormat(frame->format), image.width,
            image.height, AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr));
        if (!scale) {
            return false;
        }
        std::uint8_t* planes[4] = {image.rgb.data(), nullptr, nullptr, nullptr};
        int strides[4] = {image.width * 3, 0, 0, 0};
        sws_scale(scale.get(), frame->data, frame->linesize, 0, frame->height, planes, strides);
        return true;
    }

    void remember(int index, const RgbImage& image) {
        cache.emplace_front(index, image);
        const std::size_t frameBytes = std::max<std::size_t>(image.rgb.size(), 1);
        const std::size_t most = std::max<std::size_t>(2, kCacheBytes / frameBytes);
        while (cache.size() > most) {
            cache.pop_back();
        }
    }
};

VideoFile::VideoFile() : state_(std::make_unique<State>()) {}
VideoFile::~VideoFile() = default;
VideoFile::VideoFile(VideoFile&&) noexcept = default;
VideoFile& VideoFile::operator=(VideoFile&&) noexcept = default;

bool VideoFile::open(const std::string& path, VideoError& error) {
    // FFmpeg's own complaints ("moov atom not found") would reach the terminal in English: the
    // program says in its own words what went wrong.
    av_log_set_level(AV_LOG_QUIET);
    state_ = std::make_unique<State>();
    State& s = *state_;
    AVFormatContext* format = nullptr;
    if (const int r = avformat_open_input(&format, path.c_str(), nullptr, nullptr); r < 0) {
        error.message = AvText(r);
        return false;
    }
    s.format.reset(format);
    if (avformat_find_stream_info(format, nullptr) < 0) {
        error.message = "no streams";
        return false;
    }
    const AVCodec* decoder = nullptr;
    s.stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (s.stream < 0) {
        error.message = s.stream == AVERROR_DECODER_NOT_FOUND ? "no decoder" : "no video stream";
        return false;
    }
    AVStream* stream = format->streams[s.stream];
    s.timeBase = stream->time_base;
    s.codec.reset(avcodec_alloc_context3(decoder));
    if (!s.codec || avcodec_parameters_to_context(s.codec.get(), stream->codecpar) < 0 ||
        avcodec_open2(s.codec.get(), decoder, nullptr) < 0 || s.codec->width <= 0 ||
        s.codec->height <= 0) {
        error.message = "no decoder";
        return false;
    }
    // Every packet of the stream is one frame; their timestamps, sorted, are the display order.
    while (av_read_frame(format, s.packet.get()) >= 0) {
        if (s.packet->stream_index == s.stream) {
            const std::int64_t t = s.packet->pts != AV_NOPTS_VALUE ? s.packet->pts : s.packet->dts;
            if (t != AV_NOPTS_VALUE) {
                s.pts.push_back(t);
            }
        }
        av_packet_unref(s.packet.get());
    }
    std::sort(s.pts.begin(), s.pts.end());
    s.pts.erase(std::unique(s.pts.begin(), s.pts.end()), s.pts.end());
    if (s.pts.empty()) {
        error.message = "no frames";
        return false;
    }
    s.timesS.reserve(s.pts.size());
    for (const std::int64_t t : s.pts) {
        s.timesS.push_back(double(t) * av_q2d(s.timeBase));
    }
    if (!s.seekBefore(0)) {
        error.message = "cannot seek";
        return false;
    }
    return true;
}

bool VideoFile::isOpen() const {
    return state_->codec != nullptr && !state_->pts.empty();
}
int VideoFile::width() const {
    return state_->codec ? state_->codec->width : 0;
}
int VideoFile::height() const {
    return state_->codec ? state_->codec->height : 0;
}
const std::vector<double>& VideoFile::frameTimesS() const {
    return state_->timesS;
}
double VideoFile::meanFramesPerSecond() const {
    const std::vector<double>& t = state_->timesS;
    if (t.size() < 2 || t.back() <= t.front()) {
        return 0;
    }
    return double(t.size() - 1) / (t.back() - t.front());
}
std::string VideoFile::codecName() const {
    return state_->codec ? state_->codec->codec->name : "";
}

bool VideoFile::readFrame(int index, RgbImage& image, VideoError& error) {
    State& s = *state_;
    if (!isOpen() || index < 0 || index >= frameCount()) {
        error.message = "no such frame";
        return false;
    }
    for (const auto& [i, cached] : s.cache) {
        if (i == index) {
            image = cached;
            return true;
        }
    }
    // Decoding on is cheaper than a seek when the frame lies a little ahead.
    if (s.decodedIndex < 0 || index <= s.decodedIndex || index > s.decodedIndex + 30) {
        if (!s.seekBefore(index)) {
            error.message = "cannot seek";
            return false;
        }
    }
    for (;;) {
        const int got = s.decodeNext(error);
        if (got < 0) {
            if (error.message.empty()) {
                error.message = "the file breaks off before this frame";
            }
            return false;
        }
        if (got >= index) {
            if (!s.convert(image)) {
                error.message = "cannot convert the frame";
                return false;
            }
            s.remember(got, image);
            if (got != index) {
                error.message = "the file breaks off before this frame";
                return false;
            }
            return true;
        }
    }
}

} // namespace purzo
