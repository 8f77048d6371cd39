// What the export writers take from system libraries in the desktop build,
// made for the page, which links none: tinygltf's code compiled here (JSON
// through nlohmann's header, no image reading or writing of its own: the
// glTF writer embeds PNG bytes it is handed), PNG through stb_image_write
// instead of libpng, and no 3MF, as lib3mf is not built for WebAssembly;
// nor OBJ, two files for one download.

// Without image code of its own in every file that includes it (web/CMakeLists.txt).
#define TINYGLTF_IMPLEMENTATION
#include <tiny_gltf.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

#include "tools/export/format_writers.h"
#include "tools/export/png_bytes.h"

namespace {

void append(void* bytes, void* data, int size) {
    static_cast<std::string*>(bytes)->append(static_cast<const char*>(data), std::size_t(size));
}

} // namespace

std::string pngBytes(const ModelTexture& texture) {
    if (texture.width <= 0 || texture.height <= 0 ||
        texture.rgba.size() != std::size_t(texture.width) * std::size_t(texture.height) * 4)
        return "";
    std::string bytes;
    if (!stbi_write_png_to_func(append, &bytes, texture.width, texture.height, 4,
                                texture.rgba.data(), texture.width * 4))
        return "";
    return bytes;
}

std::string objBytes(const PrintModel&, const std::string&, std::string&) {
    return "";
}

std::string threeMfBytes(const PrintModel&, std::string& error) {
    error = "3MF is not written on the page";
    return "";
}
