#pragma once
// Pictures as the tools write them: 8-bit RGB, written as PNG files that are
// complete or absent, never half written.

#include <optional>
#include <string>
#include <vector>

// Rows from the top, three bytes (red, green, blue) per pixel, no padding.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

// Each factor by factor block averaged (rounded to nearest) into one pixel; a
// last column or row of blocks that the image does not fill is dropped.
// factor >= 1.
RgbImage boxDownscale(const RgbImage& image, int factor);

// Writes image to path as a PNG: first into a temporary file beside it, which
// is then renamed over path. Returns an empty string on success, otherwise a
// one-line reason, and then path is as it was and no temporary file is left.
std::string writePng(const std::string& path, const RgbImage& image);
