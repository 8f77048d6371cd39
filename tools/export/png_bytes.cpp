#include "tools/export/png_bytes.h"

#include <png.h>

#include <cstring>

std::string pngBytes(const ModelTexture& texture) {
    if (texture.width <= 0 || texture.height <= 0 ||
        texture.rgba.size() != std::size_t(texture.width) * std::size_t(texture.height) * 4)
        return "";
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = png_uint_32(texture.width);
    png.height = png_uint_32(texture.height);
    png.format = PNG_FORMAT_RGBA;
    // Measured first, then written into a buffer of that size.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, texture.rgba.data(), texture.width * 4,
                                   nullptr))
        return "";
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, texture.rgba.data(),
                                   texture.width * 4, nullptr))
        return "";
    bytes.resize(size);
    return bytes;
}
