#pragma once
// The 256 colours of a GIF film: a fixed cube of levels that ordered
// dithering spreads every shade over, plus a few colours kept exact so that
// flat areas such as the background stay flat. Fixed for the whole film, so
// that a still part of the picture stays the same from frame to frame.

#include "tools/snapshot/png_writer.h"

#include <array>
#include <cstdint>
#include <vector>

using Rgb8 = std::array<unsigned char, 3>;

class GifPalette {
  public:
    // At most exactSlots colours are kept exact; further ones are ignored.
    static constexpr int exactSlots = 4;
    explicit GifPalette(const std::vector<Rgb8>& exactColours);

    // Entry i as 0xAARRGGBB, opaque, the layout of FFmpeg's 8-bit palettes.
    const std::array<std::uint32_t, 256>& entries() const { return argb; }

    // The palette index of every pixel of image, row after row, each row
    // starting stride bytes after the one before (stride >= image.width).
    void quantise(const RgbImage& image, unsigned char* indices, int stride) const;

  private:
    std::array<std::uint32_t, 256> argb{};
    std::vector<Rgb8> exact;
};
