#pragma once
// The 256 colours of a GIF film: a few colours kept exact, so that flat areas
// such as the background stay flat, and the rest fitted to the film's own
// shades (ColourHistogram::medianCut). Fixed for the whole film, so that a
// still part of the picture stays the same from frame to frame.
//
// Fitted colours beat a fixed cube of levels with ordered dithering by far on
// the exhibit's shaded surfaces: 48 to 56 dB against 30 to 35 dB of PSNR
// (KleinBottle1, ProjectivePlane1, cubeocta at half size), and with no dither
// pattern to see.

#include "tools/movie/median_cut.h"

#include <array>
#include <cstdint>
#include <vector>

class GifPalette {
  public:
    // At most exactSlots colours are kept exact, and 256 - exactSlots fitted
    // ones; further ones are ignored.
    static constexpr int exactSlots = 4;
    GifPalette(const std::vector<Rgb8>& exactColours, const std::vector<Rgb8>& fitted);

    // Entry i as 0xAARRGGBB, opaque, the layout of FFmpeg's 8-bit palettes.
    const std::array<std::uint32_t, 256>& entries() const { return argb; }

    // The palette index of every pixel of image, row after row, each row
    // starting stride bytes after the one before (stride >= image.width): an
    // exact colour's own entry, otherwise the nearest fitted one.
    void quantise(const RgbImage& image, unsigned char* indices, int stride) const;

  private:
    // The nearest fitted entry of a shade of 6 bits a channel, found when
    // first asked for.
    unsigned char nearest(const unsigned char* pixel) const;

    std::array<std::uint32_t, 256> argb{};
    std::vector<Rgb8> exact;
    std::vector<Rgb8> fitted;
    mutable std::vector<short> nearestOf; // -1 until found
};
