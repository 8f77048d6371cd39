#pragma once
// Films written through FFmpeg's libraries: frames of one size in, an MP4
// (H.264, yuv420p), animated WebP or GIF file out, complete or absent. The
// same frames give the same file, byte for byte.

#include "tools/movie/film_plan.h"
#include "tools/movie/gif_palette.h"
#include "tools/snapshot/png_writer.h"

#include <memory>
#include <string>

class MovieWriter {
  public:
    MovieWriter();
    // A film not finished is removed.
    ~MovieWriter();
    MovieWriter(const MovieWriter&) = delete;
    MovieWriter& operator=(const MovieWriter&) = delete;

    // Starts a film at path, under a temporary name beside it, for frames of
    // width by height pixels shown fps times a second. H.264 and WebP films
    // drop an odd last column or row. A GIF film keeps the colour flat
    // exactly (the scene's background) and gives the others a palette fitted
    // to the whole film's shades, written when the film is finished. A WebP or GIF
    // film plays `plays` times, 0 for ever; an MP4 film has no such count.
    // Returns an empty string, or a one-line reason.
    std::string open(const std::string& path, FilmFormat format, int width, int height, int fps,
                     Rgb8 flat, int plays = 0);
    // Adds frame (of the size given to open) count times.
    std::string add(const RgbImage& frame, int count = 1);
    // Ends the film and renames it into place.
    std::string finish();

  private:
    struct Encoder;
    std::unique_ptr<Encoder> encoder;
};
