// The GIF film's palette: exact colours stay exact, other shades are mixed
// from the cube so that an area averages to its colour.

#include "tools/movie/gif_palette.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

RgbImage flat(int width, int height, Rgb8 colour) {
    RgbImage image{width, height, {}};
    for (int i = 0; i < width * height; ++i)
        image.pixels.insert(image.pixels.end(), colour.begin(), colour.end());
    return image;
}

TEST(GifPalette, KeepsExactColoursFlatAndDithersTheRestToTheirAverage) {
    const Rgb8 background{9, 48, 75};
    const GifPalette palette({background});
    std::vector<unsigned char> indices(10 * 8, 0);
    palette.quantise(flat(8, 8, background), indices.data(), 10);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(palette.entries()[indices[std::size_t(y * 10 + x)]], 0xff09304bu);

    for (const Rgb8 shade : {Rgb8{200, 120, 40}, Rgb8{250, 250, 250}, Rgb8{0, 0, 1}}) {
        palette.quantise(flat(8, 8, shade), indices.data(), 10);
        for (int c = 0; c < 3; ++c) {
            double sum = 0;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    sum +=
                        palette.entries()[indices[std::size_t(y * 10 + x)]] >> (16 - 8 * c) & 0xff;
            EXPECT_NEAR(sum / 64, shade[std::size_t(c)], 6) << c;
        }
    }
}

} // namespace
