#include "tests/tools/movie_reader.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace {

// FFmpeg's objects of one reading, freed however it ends.
struct Reading {
    AVFormatContext* file = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    ~Reading() {
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        avformat_close_input(&file);
    }
};

RgbImage toRgb(const AVFrame* frame) {
    RgbImage image{frame->width, frame->height,
                   std::vector<unsigned char>(std::size_t(frame->width) * frame->height * 3)};
    SwsContext* converter = sws_getContext(
        frame->width, frame->height, AVPixelFormat(frame->format), frame->width, frame->height,
        AV_PIX_FMT_RGB24, SWS_POINT | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr, nullptr, nullptr);
    std::uint8_t* target[] = {image.pixels.data()};
    const int stride[] = {image.width * 3};
    sws_scale(converter, frame->data, frame->linesize, 0, frame->height, target, stride);
    sws_freeContext(converter);
    return image;
}

// Moves every frame the decoder has ready into movie; false on an error.
bool collect(Reading& r, DecodedMovie& movie) {
    for (;;) {
        const int status = avcodec_receive_frame(r.codec, r.frame);
        if (status == AVERROR(EAGAIN) || status == AVERROR_EOF)
            return true;
        if (status < 0)
            return false;
        movie.frames.push_back(toRgb(r.frame));
    }
}

} // namespace

std::optional<DecodedMovie> readMovie(const std::string& path) {
    av_log_set_level(AV_LOG_QUIET);
    Reading r;
    if (avformat_open_input(&r.file, path.c_str(), nullptr, nullptr) < 0 ||
        avformat_find_stream_info(r.file, nullptr) < 0)
        return std::nullopt;
    const AVCodec* decoder = nullptr;
    const int index = av_find_best_stream(r.file, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (index < 0)
        return std::nullopt;
    r.codec = avcodec_alloc_context3(decoder);
    r.frame = av_frame_alloc();
    r.packet = av_packet_alloc();
    if (avcodec_parameters_to_context(r.codec, r.file->streams[index]->codecpar) < 0 ||
        avcodec_open2(r.codec, decoder, nullptr) < 0)
        return std::nullopt;

    DecodedMovie movie;
    movie.codec = decoder->name;
    movie.width = r.codec->width;
    movie.height = r.codec->height;
    const char* format = av_get_pix_fmt_name(r.codec->pix_fmt);
    movie.pixelFormat = format ? format : "";
    while (av_read_frame(r.file, r.packet) >= 0) {
        const bool ours = r.packet->stream_index == index;
        const bool sent = !ours || avcodec_send_packet(r.codec, r.packet) >= 0;
        av_packet_unref(r.packet);
        if (!sent || !collect(r, movie))
            return std::nullopt;
    }
    avcodec_send_packet(r.codec, nullptr);
    if (!collect(r, movie))
        return std::nullopt;
    return movie;
}
