#include "tools/export/glb_reader.h"

#include <tiny_gltf.h>

#include <cmath>
#include <cstring>

namespace {

double srgbFromLinear(double c) {
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

// The accessor's floats, `width` to an element; empty unless they are
// plain floats.
std::vector<float> floatsOf(const tinygltf::Model& model, int index, int width) {
    if (index < 0 || std::size_t(index) >= model.accessors.size())
        return {};
    const tinygltf::Accessor& a = model.accessors[std::size_t(index)];
    if (a.componentType != TINYGLTF_COMPONENT_TYPE_FLOAT)
        return {};
    const tinygltf::BufferView& view = model.bufferViews[std::size_t(a.bufferView)];
    const auto& data = model.buffers[std::size_t(view.buffer)].data;
    const std::size_t stride =
        view.byteStride ? view.byteStride : sizeof(float) * std::size_t(width);
    std::vector<float> values(a.count * std::size_t(width));
    for (std::size_t i = 0; i < a.count; ++i)
        std::memcpy(&values[i * std::size_t(width)],
                    data.data() + view.byteOffset + a.byteOffset + i * stride,
                    sizeof(float) * std::size_t(width));
    return values;
}

std::vector<Vec3> vec3s(const std::vector<float>& f) {
    std::vector<Vec3> v;
    for (std::size_t i = 0; i + 2 < f.size(); i += 3)
        v.push_back({f[i], f[i + 1], f[i + 2]});
    return v;
}

std::vector<std::uint32_t> indicesOf(const tinygltf::Model& model, int index) {
    std::vector<std::uint32_t> out;
    if (index < 0)
        return out;
    const tinygltf::Accessor& a = model.accessors[std::size_t(index)];
    const tinygltf::BufferView& view = model.bufferViews[std::size_t(a.bufferView)];
    const unsigned char* base =
        model.buffers[std::size_t(view.buffer)].data.data() + view.byteOffset + a.byteOffset;
    for (std::size_t i = 0; i < a.count; ++i) {
        if (a.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT) {
            std::uint32_t v;
            std::memcpy(&v, base + 4 * i, 4);
            out.push_back(v);
        } else if (a.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT) {
            std::uint16_t v;
            std::memcpy(&v, base + 2 * i, 2);
            out.push_back(v);
        }
    }
    return out;
}

int attribute(const tinygltf::Primitive& p, const char* name) {
    const auto found = p.attributes.find(name);
    return found == p.attributes.end() ? -1 : found->second;
}

} // namespace

std::optional<ReadModel> readGlb(const std::string& bytes, std::string& error) {
    tinygltf::Model model;
    tinygltf::TinyGLTF loader;
    std::string warning;
    if (!loader.LoadBinaryFromMemory(&model, &error, &warning,
                                     reinterpret_cast<const unsigned char*>(bytes.data()),
                                     unsigned(bytes.size()))) {
        if (error.empty())
            error = "not a binary glTF file";
        return std::nullopt;
    }
    ReadModel read;
    for (const tinygltf::Mesh& mesh : model.meshes) {
        for (const tinygltf::Primitive& p : mesh.primitives) {
            ReadMesh m;
            m.name = mesh.name;
            m.positions = vec3s(floatsOf(model, attribute(p, "POSITION"), 3));
            m.normals = vec3s(floatsOf(model, attribute(p, "NORMAL"), 3));
            for (const Vec3& c : vec3s(floatsOf(model, attribute(p, "COLOR_0"), 3)))
                m.colours.push_back(
                    {srgbFromLinear(c.x), srgbFromLinear(c.y), srgbFromLinear(c.z)});
            const std::vector<float> uv = floatsOf(model, attribute(p, "TEXCOORD_0"), 2);
            for (std::size_t i = 0; i + 1 < uv.size(); i += 2)
                m.uvs.push_back({uv[i], uv[i + 1]});
            m.indices = indicesOf(model, p.indices);
            read.meshes.push_back(std::move(m));
        }
    }
    if (!model.images.empty() && model.images[0].component == 4) {
        const tinygltf::Image& image = model.images[0];
        read.texture.width = image.width;
        read.texture.height = image.height;
        read.texture.rgba.assign(image.image.begin(), image.image.end());
    }
    return read;
}
