#include "scenes/klein/label_image.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t headerSize = 4;
constexpr int firstLiteral = 128;

// Walks the packets after the header. With out null it only checks them;
// otherwise it writes them into out, which has room for exactly pixelCount
// pixels. Answers whether the packets code exactly pixelCount pixels and end
// with the end byte.
bool walkPackets(const unsigned char* data, std::size_t size, std::uint64_t pixelCount,
                 unsigned char* out) {
    std::size_t at = headerSize;
    std::uint64_t written = 0;
    while (at < size) {
        const int k = data[at++];
        if (k == 0)
            return written == pixelCount;
        const bool literal = k >= firstLiteral;
        const std::uint64_t count = literal ? std::uint64_t(256 - k) : std::uint64_t(k) + 1;
        const std::size_t bytes = literal ? std::size_t(3 * count) : 3;
        if (bytes > size - at || count > pixelCount - written)
            return false;
        if (out) {
            unsigned char* to = out + 3 * written;
            if (literal) {
                std::memcpy(to, data + at, bytes);
            } else {
                for (std::uint64_t p = 0; p < count; ++p, to += 3)
                    std::memcpy(to, data + at, 3);
            }
        }
        written += count;
        at += bytes;
    }
    // The data ran out before its end byte.
    return false;
}

} // namespace

std::optional<LabelImage> decodeLabelImage(const unsigned char* data, std::size_t size) {
    if (!data || size < headerSize)
        return std::nullopt;
    const int width = data[0] << 8 | data[1];
    const int height = data[2] << 8 | data[3];
    if (width == 0 || height == 0)
        return std::nullopt;
    const std::uint64_t pixelCount = std::uint64_t(width) * std::uint64_t(height);
    // Checked whole before anything is allocated, so that a header claiming
    // a huge picture costs nothing unless the packets really code it.
    if (!walkPackets(data, size, pixelCount, nullptr))
        return std::nullopt;
    LabelImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(std::size_t(3 * pixelCount));
    walkPackets(data, size, pixelCount, image.pixels.data());
    return image;
}
