#pragma once
// Films read back through FFmpeg's libraries, for checking what the movie
// tool wrote.

#include "tools/snapshot/png_writer.h"

#include <optional>
#include <string>
#include <vector>

struct DecodedMovie {
    std::string codec;       // the decoder's short name: "h264", "webp", "gif"
    std::string pixelFormat; // as stored, e.g. "yuv420p"
    int width = 0;
    int height = 0;
    std::vector<RgbImage> frames; // every frame, converted to RGB
};

// The film at path decoded whole, or nothing when it cannot be read.
std::optional<DecodedMovie> readMovie(const std::string& path);
