#include "tools/movie/gif_palette.h"

#include <algorithm>
#include <cassert>

namespace {

std::uint32_t packed(const Rgb8& c) {
    return 0xff000000u | std::uint32_t(c[0]) << 16 | std::uint32_t(c[1]) << 8 | std::uint32_t(c[2]);
}

template <typename T> std::vector<T> firstOf(const std::vector<T>& all, std::size_t most) {
    return {all.begin(), all.begin() + std::ptrdiff_t(std::min(all.size(), most))};
}

} // namespace

GifPalette::GifPalette(const std::vector<Rgb8>& exactColours, const std::vector<Rgb8>& fitted)
    : exact(firstOf(exactColours, exactSlots)), fitted(firstOf(fitted, 256 - exactSlots)),
      nearestOf(std::size_t(1) << 18, -1) {
    argb.fill(packed({0, 0, 0}));
    for (std::size_t i = 0; i < exact.size(); ++i)
        argb[i] = packed(exact[i]);
    for (std::size_t i = 0; i < this->fitted.size(); ++i)
        argb[exactSlots + i] = packed(this->fitted[i]);
}

unsigned char GifPalette::nearest(const unsigned char* pixel) const {
    short& found =
        nearestOf[std::size_t((pixel[0] >> 2 << 6 | pixel[1] >> 2) << 6 | pixel[2] >> 2)];
    if (found >= 0)
        return static_cast<unsigned char>(found);
    // Measured from the middle of the 6-bit cell, so that the answer holds
    // for every shade of it.
    int best = 0, bestDistance = 1 << 30;
    for (std::size_t i = 0; i < fitted.size(); ++i) {
        int distance = 0;
        for (int c = 0; c < 3; ++c) {
            const int d = fitted[i][c] - (pixel[c] >> 2 << 2 | 2);
            distance += d * d;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = int(i);
        }
    }
    // With nothing fitted, every shade goes to the first exact colour.
    found = short(fitted.empty() ? 0 : exactSlots + best);
    return static_cast<unsigned char>(found);
}

void GifPalette::quantise(const RgbImage& image, unsigned char* indices, int stride) const {
    assert(stride >= image.width);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const unsigned char* p = &image.pixels[(std::size_t(y) * image.width + x) * 3];
            const auto same = std::find(exact.begin(), exact.end(), Rgb8{p[0], p[1], p[2]});
            indices[std::size_t(y) * stride + x] =
                same != exact.end() ? static_cast<unsigned char>(same - exact.begin()) : nearest(p);
        }
}
