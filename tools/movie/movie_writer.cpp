#include "tools/movie/movie_writer.h"

#include "tools/common/temporary_file.h"
#include "tools/movie/frame_spool.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <cstring>
#include <unistd.h>

namespace {

// FFmpeg's text for an error code.
std::string reasonOf(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

// The encoder and muxer for a format, with settings that make a film that
// plays everywhere and that repeats byte for byte: one thread, exact
// arithmetic.
struct Recipe {
    const char* muxer;
    const char* encoder;
    AVPixelFormat pixels;
    std::vector<std::pair<const char*, const char*>> encoderOptions;
    std::vector<std::pair<const char*, const char*>> muxerOptions;
};

Recipe recipeFor(FilmFormat format) {
    switch (format) {
    case FilmFormat::mp4:
        return {"mp4",
                "libx264",
                AV_PIX_FMT_YUV420P,
                {{"preset", "medium"}, {"crf", "20"}, {"profile", "high"}},
                {{"movflags", "+faststart"}}};
    case FilmFormat::webp:
        // Every frame whole: the animation encoder's partial frames let the
        // lossy traces of earlier frames build up on the background.
        return {"webp", "libwebp", AV_PIX_FMT_YUV420P, {{"quality", "85"}}, {}};
    case FilmFormat::gif:
        return {"gif", "gif", AV_PIX_FMT_PAL8, {}, {}};
    }
    return {};
}

AVDictionary* dictionaryOf(const std::vector<std::pair<const char*, const char*>>& options) {
    AVDictionary* dictionary = nullptr;
    for (const auto& [key, value] : options)
        av_dict_set(&dictionary, key, value, 0);
    return dictionary;
}

// The muxers' loop option for a film played `plays` times (0: for ever).
// WebP counts plays; GIF counts repeats after the first, with -1 for none.
int loopOption(FilmFormat format, int plays) {
    if (format == FilmFormat::gif && plays > 0)
        return plays == 1 ? -1 : plays - 1;
    return plays;
}

} // namespace

struct MovieWriter::Encoder {
    std::unique_ptr<TemporaryFile> file;
    std::string path;
    AVFormatContext* muxer = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    SwsContext* converter = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    // A GIF film's frames wait here, their shades counted, until its
    // palette can be fitted to them all.
    std::unique_ptr<FrameSpool> spool;
    ColourHistogram shades;
    std::vector<Rgb8> exact;
    std::unique_ptr<GifPalette> palette;
    std::int64_t nextPts = 0;

    ~Encoder() {
        av_packet_free(&packet);
        av_frame_free(&frame);
        sws_freeContext(converter);
        avcodec_free_context(&codec);
        if (muxer) {
            avio_closep(&muxer->pb);
            avformat_free_context(muxer);
        }
    }

    // Sends frame (nullptr: the end) to the encoder and writes out every
    // packet it has ready.
    std::string encode(const AVFrame* input) {
        int status = avcodec_send_frame(codec, input);
        while (status >= 0) {
            status = avcodec_receive_packet(codec, packet);
            if (status == AVERROR(EAGAIN) || status == AVERROR_EOF)
                return "";
            if (status < 0)
                break;
            // Every frame lasts one frame's time; without it the muxer
            // would cut the last frame off the end of the film.
            packet->duration = 1;
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            status = av_interleaved_write_frame(muxer, packet);
        }
        return reasonOf(status);
    }

    // Encodes image as count frames.
    std::string encodeEach(const RgbImage& image, int count) {
        for (int i = 0; i < count; ++i) {
            // The encoder may still hold the previous frame's buffers.
            const int status = av_frame_make_writable(frame);
            if (status < 0)
                return reasonOf(status);
            fill(image);
            frame->pts = nextPts++;
            const std::string reason = encode(frame);
            if (!reason.empty())
                return reason;
        }
        return "";
    }

    // The picture converted into frame's pixels.
    void fill(const RgbImage& image) {
        if (palette) {
            palette->quantise(image, frame->data[0], frame->linesize[0]);
            std::memcpy(frame->data[1], palette->entries().data(), 256 * 4);
            return;
        }
        const std::uint8_t* source[] = {image.pixels.data()};
        const int stride[] = {image.width * 3};
        sws_scale(converter, source, stride, 0, codec->height, frame->data, frame->linesize);
    }
};

MovieWriter::MovieWriter() = default;
MovieWriter::~MovieWriter() = default;

std::string MovieWriter::open(const std::string& path, FilmFormat format, int width, int height,
                              int fps, Rgb8 flat, int plays) {
    // Every problem comes back as the reason; FFmpeg's own chatter would
    // only repeat it on lines of its own.
    av_log_set_level(AV_LOG_QUIET);
    encoder = std::make_unique<Encoder>();
    Encoder& e = *encoder;
    e.path = path;
    e.file = std::make_unique<TemporaryFile>(path);
    if (!e.file->problem().empty())
        return e.file->problem();
    // FFmpeg opens the file by name itself; MP4's moving of its index to the
    // front reads it back that way too.
    close(e.file->takeDescriptor());

    const Recipe recipe = recipeFor(format);
    const AVCodec* codec = avcodec_find_encoder_by_name(recipe.encoder);
    if (!codec)
        return std::string("this FFmpeg has no ") + recipe.encoder + " encoder";
    int status =
        avformat_alloc_output_context2(&e.muxer, nullptr, recipe.muxer, e.file->path().c_str());
    if (status < 0)
        return reasonOf(status);
    e.muxer->flags |= AVFMT_FLAG_BITEXACT;
    e.stream = avformat_new_stream(e.muxer, nullptr);
    e.codec = avcodec_alloc_context3(codec);
    e.frame = av_frame_alloc();
    e.packet = av_packet_alloc();
    if (!e.stream || !e.codec || !e.frame || !e.packet)
        return "out of memory";

    const bool chroma = recipe.pixels == AV_PIX_FMT_YUV420P;
    e.codec->width = chroma ? width & ~1 : width;
    e.codec->height = chroma ? height & ~1 : height;
    e.codec->pix_fmt = recipe.pixels;
    e.codec->time_base = {1, fps};
    e.codec->framerate = {fps, 1};
    e.codec->thread_count = 1;
    e.codec->flags |= AV_CODEC_FLAG_BITEXACT;
    e.codec->colorspace = AVCOL_SPC_SMPTE170M; // what swscale converts into
    e.codec->color_range = AVCOL_RANGE_MPEG;
    if (e.muxer->oformat->flags & AVFMT_GLOBALHEADER)
        e.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* encoderOptions = dictionaryOf(recipe.encoderOptions);
    status = avcodec_open2(e.codec, codec, &encoderOptions);
    av_dict_free(&encoderOptions);
    if (status < 0)
        return std::string("cannot start the ") + codec->name + " encoder: " + reasonOf(status);
    avcodec_parameters_from_context(e.stream->codecpar, e.codec);
    e.stream->time_base = e.codec->time_base;

    e.frame->format = e.codec->pix_fmt;
    e.frame->width = e.codec->width;
    e.frame->height = e.codec->height;
    if ((status = av_frame_get_buffer(e.frame, 0)) < 0)
        return reasonOf(status);
    if (chroma) {
        e.converter = sws_getContext(e.codec->width, e.codec->height, AV_PIX_FMT_RGB24,
                                     e.codec->width, e.codec->height, recipe.pixels,
                                     SWS_BICUBIC | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr,
                                     nullptr, nullptr);
        if (!e.converter)
            return "cannot convert RGB to YUV";
    } else {
        e.spool = std::make_unique<FrameSpool>();
        e.exact = {flat};
    }

    if ((status = avio_open(&e.muxer->pb, e.file->path().c_str(), AVIO_FLAG_WRITE)) < 0)
        return reasonOf(status);
    AVDictionary* muxerOptions = dictionaryOf(recipe.muxerOptions);
    if (format != FilmFormat::mp4)
        av_dict_set_int(&muxerOptions, "loop", loopOption(format, plays), 0);
    status = avformat_write_header(e.muxer, &muxerOptions);
    av_dict_free(&muxerOptions);
    return status < 0 ? reasonOf(status) : "";
}

std::string MovieWriter::add(const RgbImage& image, int count) {
    if (encoder->spool) {
        encoder->shades.add(image, encoder->exact, count);
        return encoder->spool->keep(image, count);
    }
    return encoder->encodeEach(image, count);
}

std::string MovieWriter::finish() {
    Encoder& e = *encoder;
    std::string reason;
    if (e.spool) {
        e.palette =
            std::make_unique<GifPalette>(e.exact, e.shades.medianCut(256 - GifPalette::exactSlots));
        reason = e.spool->replay(
            [&e](const RgbImage& image, int count) { return e.encodeEach(image, count); });
    }
    if (reason.empty())
        reason = e.encode(nullptr);
    if (reason.empty()) {
        const int status = av_write_trailer(e.muxer);
        if (status < 0)
            reason = reasonOf(status);
    }
    const int closed = avio_closep(&e.muxer->pb);
    if (reason.empty() && closed < 0)
        reason = reasonOf(closed);
    if (reason.empty())
        reason = e.file->commit();
    encoder.reset();
    return reason;
}
