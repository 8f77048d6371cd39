#pragma once
// A film's own colours: how often each shade appears over its frames, and a
// few colours that stand for them all, found by cutting the colour cube at
// medians (each cut where it most lowers the error of the colours it splits).

#include "tools/snapshot/png_writer.h"

#include <array>
#include <cstdint>
#include <vector>

using Rgb8 = std::array<unsigned char, 3>;

class ColourHistogram {
  public:
    ColourHistogram();
    // Counts the pixels of image, every one of them `weight` times, leaving
    // out those exactly one of the colours in `left`.
    void add(const RgbImage& image, const std::vector<Rgb8>& left, int weight = 1);
    // At most `colours` colours, each the mean of the shades it stands for;
    // fewer when the frames have fewer shades.
    std::vector<Rgb8> medianCut(int colours) const;

  private:
    // Shades are counted in bins of 5 bits a channel, with the sums of their
    // exact values, so that a colour found is the true mean of its bin's
    // pixels.
    struct Bin {
        std::uint64_t count = 0;
        std::array<std::uint64_t, 3> sum{};
    };
    std::vector<Bin> bins;
};
