#include "tools/movie/gif_palette.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// Levels per channel of the cube: 6 * 7 * 6 = 252 entries, green finest
// because the eye tells green shades apart best.
constexpr int levels[3] = {6, 7, 6};
constexpr int cubeSize = levels[0] * levels[1] * levels[2];
static_assert(cubeSize + GifPalette::exactSlots <= 256, "the palette has 256 entries");

// A 4 by 4 ordered-dither threshold map, values 0 to 15.
constexpr int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

int levelValue(int level, int channel) {
    return int(std::lround(level * 255.0 / (levels[channel] - 1)));
}

std::uint32_t packed(int r, int g, int b) {
    return 0xff000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
}

} // namespace

GifPalette::GifPalette(const std::vector<Rgb8>& exactColours) {
    for (int r = 0; r < levels[0]; ++r)
        for (int g = 0; g < levels[1]; ++g)
            for (int b = 0; b < levels[2]; ++b)
                argb[std::size_t((r * levels[1] + g) * levels[2] + b)] =
                    packed(levelValue(r, 0), levelValue(g, 1), levelValue(b, 2));
    exact.assign(exactColours.begin(),
                 exactColours.begin() + std::min<std::ptrdiff_t>(exactColours.size(), exactSlots));
    for (std::size_t i = 0; i < exact.size(); ++i)
        argb[cubeSize + i] = packed(exact[i][0], exact[i][1], exact[i][2]);
}

void GifPalette::quantise(const RgbImage& image, unsigned char* indices, int stride) const {
    assert(stride >= image.width);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const unsigned char* p = &image.pixels[(std::size_t(y) * image.width + x) * 3];
            unsigned char& index = indices[std::size_t(y) * stride + x];
            const auto same = std::find(exact.begin(), exact.end(), Rgb8{p[0], p[1], p[2]});
            if (same != exact.end()) {
                index = static_cast<unsigned char>(cubeSize + (same - exact.begin()));
                continue;
            }
            // Shifted by up to half a level step either way before rounding,
            // so that a shade between two levels comes out as a mix of both.
            const double shift = (bayer[y % 4][x % 4] + 0.5) / 16 - 0.5;
            int level[3];
            for (int c = 0; c < 3; ++c)
                level[c] = std::clamp(int(std::floor(p[c] * (levels[c] - 1) / 255.0 + shift + 0.5)),
                                      0, levels[c] - 1);
            index = static_cast<unsigned char>((level[0] * levels[1] + level[1]) * levels[2] +
                                               level[2]);
        }
}
