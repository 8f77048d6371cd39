// A GIF film's palette fitted to its shades, checked without a display.

#include "tools/movie/gif_palette.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const Rgb8 background{9, 48, 75};

// The largest difference of any channel between image and its quantised copy.
int worstError(const RgbImage& image, const GifPalette& palette) {
    std::vector<unsigned char> indices(std::size_t(image.width) * image.height);
    palette.quantise(image, indices.data(), image.width);
    int worst = 0;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const std::uint32_t entry = palette.entries()[indices[i]];
        for (int c = 0; c < 3; ++c)
            worst = std::max(worst, std::abs(int(entry >> (16 - 8 * c) & 255) -
                                             image.pixels[i * 3 + std::size_t(c)]));
    }
    return worst;
}

TEST(GifPalette, TheBackgroundStaysExactAndOtherShadesClose) {
    // 200 shades of green on the background, in 25 of the histogram's bins
    // (8 levels wide): each bin's shades come out as their mean.
    RgbImage few{200, 2, {}};
    for (int x = 0; x < 200; ++x)
        for (const Rgb8& c : {Rgb8{20, static_cast<unsigned char>(x + 50), 30}, background})
            few.pixels.insert(few.pixels.end(), c.begin(), c.end());
    ColourHistogram shades;
    shades.add(few, {background});
    const GifPalette greens({background}, shades.medianCut(252));
    EXPECT_LE(worstError(few, greens), 4);
    std::vector<unsigned char> index(1);
    greens.quantise({1, 1, {background.begin(), background.end()}}, index.data(), 1);
    EXPECT_EQ(greens.entries()[index[0]], 0xff09304bu);

    // A shaded surface's worth: every red and green of a coarse grid.
    RgbImage many{256, 256, {}};
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            many.pixels.insert(many.pixels.end(),
                               {static_cast<unsigned char>(x), static_cast<unsigned char>(y), 90});
    ColourHistogram grid;
    grid.add(many, {background});
    const auto fitted = grid.medianCut(252);
    EXPECT_EQ(fitted.size(), 252u);
    // 252 colours over a 256 by 256 square of shades: about 16 levels apart.
    EXPECT_LE(worstError(many, GifPalette({background}, fitted)), 16);
}

} // namespace
