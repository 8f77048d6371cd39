#include "tools/label/run_length_encoder.h"

#include <cstddef>
#include <cstring>

namespace {
constexpr std::size_t longestPacket = 128;
} // namespace

std::vector<unsigned char> encodeRunLength(int width, int height,
                                           const std::vector<unsigned char>& rgb) {
    std::vector<unsigned char> out;
    if (width < 1 || height < 1 || width > 0xffff || height > 0xffff ||
        rgb.size() != std::size_t(width) * std::size_t(height) * 3)
        return out;
    out = {(unsigned char)(width >> 8), (unsigned char)width, (unsigned char)(height >> 8),
           (unsigned char)height};
    const std::size_t count = rgb.size() / 3;
    auto same = [&](std::size_t a, std::size_t b) {
        return std::memcmp(&rgb[3 * a], &rgb[3 * b], 3) == 0;
    };
    // How many pixels from p on equal p, at most one packet's worth.
    auto runAt = [&](std::size_t p) {
        std::size_t n = 1;
        while (p + n < count && n < longestPacket && same(p, p + n))
            ++n;
        return n;
    };
    std::size_t p = 0;
    while (p < count) {
        const std::size_t run = runAt(p);
        if (run >= 2) {
            out.push_back((unsigned char)(run - 1));
            out.insert(out.end(), &rgb[3 * p], &rgb[3 * p] + 3);
            p += run;
            continue;
        }
        // Literal pixels up to the next run of two.
        std::size_t n = 1;
        while (p + n < count && n < longestPacket && runAt(p + n) < 2)
            ++n;
        out.push_back((unsigned char)(256 - n));
        out.insert(out.end(), &rgb[3 * p], &rgb[3 * p] + 3 * n);
        p += n;
    }
    out.push_back(0);
    return out;
}
