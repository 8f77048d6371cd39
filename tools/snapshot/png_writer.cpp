#include "tools/snapshot/png_writer.h"

#include "tools/common/temporary_file.h"

#include <png.h>

#include <cassert>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

// Encodes image into file; an empty string or libpng's reason.
std::string encode(std::FILE* file, const RgbImage& image) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = png_uint_32(image.width);
    png.height = png_uint_32(image.height);
    png.format = PNG_FORMAT_RGB;
    if (png_image_write_to_stdio(&png, file, 0, image.pixels.data(), image.width * 3, nullptr))
        return "";
    std::string reason = png.message;
    png_image_free(&png);
    return reason;
}

} // namespace

RgbImage boxDownscale(const RgbImage& image, int factor) {
    assert(factor >= 1);
    RgbImage small;
    small.width = image.width / factor;
    small.height = image.height / factor;
    small.pixels.resize(std::size_t(small.width) * small.height * 3);
    const int area = factor * factor;
    for (int y = 0; y < small.height; ++y)
        for (int x = 0; x < small.width; ++x)
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int dy = 0; dy < factor; ++dy)
                    for (int dx = 0; dx < factor; ++dx)
                        sum += image.pixels[(std::size_t(y * factor + dy) * image.width +
                                             std::size_t(x * factor + dx)) *
                                                3 +
                                            c];
                small.pixels[(std::size_t(y) * small.width + x) * 3 + c] =
                    static_cast<unsigned char>((sum + area / 2) / area);
            }
    return small;
}

std::string writePng(const std::string& path, const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != std::size_t(image.width) * image.height * 3)
        return "empty or malformed picture";

    TemporaryFile temporary(path);
    if (!temporary.problem().empty())
        return temporary.problem();
    const int fd = temporary.takeDescriptor();
    std::FILE* file = fdopen(fd, "wb");
    if (!file) {
        const std::string reason = std::strerror(errno);
        close(fd);
        return reason;
    }
    std::string reason = encode(file, image);
    if (std::fclose(file) != 0 && reason.empty())
        reason = std::strerror(errno);
    return reason.empty() ? temporary.commit() : reason;
}
