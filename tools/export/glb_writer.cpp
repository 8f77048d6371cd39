// Binary glTF through tinygltf: each part a node with a mesh of one
// triangle primitive, its corners' colours as COLOR_0 and, on parts that
// carry the picture, TEXCOORD_0 into the model's texture, embedded as PNG.
// glTF is metres with y up: a print's millimetres with z up are turned a
// quarter about x (a rotation, so windings stay) and divided by 1000.
// Vertices are shared where a point's colour, texture coordinates and
// normal agree, and split where they differ; normals are smoothed over
// neighbouring triangles but kept apart across creases (a wall's rim).

#include "tools/export/format_writers.h"
#include "tools/export/png_bytes.h"

#include <tiny_gltf.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <tuple>
#include <unordered_map>

namespace {

// Triangles meeting at more than this angle keep their own normals.
const double creaseCosine = std::cos(40.0 * pi / 180.0);

Vec3 gltfPosition(const Vec3& mm) {
    return {mm.x / 1000.0, mm.z / 1000.0, -mm.y / 1000.0};
}

Vec3 gltfDirection(const Vec3& d) {
    return {d.x, d.z, -d.y};
}

// glTF's colours are linear; the model's are as the screen shows them.
double linearFromSrgb(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// One vertex of the file as it is told apart from the others.
struct CornerKey {
    int point;
    std::array<int, 3> colour; // bytes
    std::array<float, 2> uv;
    std::array<int, 3> normal; // in ten-thousandths
    bool operator==(const CornerKey& o) const {
        return std::tie(point, colour, uv, normal) == std::tie(o.point, o.colour, o.uv, o.normal);
    }
};

struct CornerHash {
    std::size_t operator()(const CornerKey& k) const {
        std::size_t h = std::size_t(k.point);
        const auto mix = [&h](std::size_t v) { h = h * 1000003u ^ v; };
        for (int c : k.colour)
            mix(std::size_t(c));
        for (int n : k.normal)
            mix(std::size_t(n));
        mix(std::hash<float>()(k.uv[0]));
        mix(std::hash<float>()(k.uv[1]));
        return h;
    }
};

struct PartVertices {
    std::vector<float> positions, normals, colours, uvs;
    std::vector<std::uint32_t> indices;
    bool textured = false;
};

PartVertices verticesOf(const Solid& part) {
    PartVertices out;
    out.textured = part.cornerTexture.size() == part.triangles.size() && !part.triangles.empty();
    // Each triangle's normal (its length twice its area) and its direction
    // (zero for a flat triangle), and the triangles at each point.
    std::vector<Vec3> faceNormals, faceDirections;
    std::vector<std::vector<std::size_t>> around(part.points.size());
    for (std::size_t t = 0; t < part.triangles.size(); ++t) {
        const auto& tri = part.triangles[t];
        const Vec3& a = part.points[std::size_t(tri[0])];
        const Vec3 n =
            cross(part.points[std::size_t(tri[1])] - a, part.points[std::size_t(tri[2])] - a);
        const double l = length(n);
        faceNormals.push_back(n);
        faceDirections.push_back(l > 0 ? (1.0 / l) * n : Vec3{0, 0, 0});
        for (int p : tri)
            around[std::size_t(p)].push_back(t);
    }
    std::unordered_map<CornerKey, std::uint32_t, CornerHash> known;
    known.reserve(part.triangles.size() * 3);
    for (std::size_t t = 0; t < part.triangles.size(); ++t) {
        for (int k = 0; k < 3; ++k) {
            const int point = part.triangles[t][std::size_t(k)];
            Vec3 sum = faceNormals[t];
            for (std::size_t u : around[std::size_t(point)])
                if (u != t && dot(faceDirections[u], faceDirections[t]) > creaseCosine)
                    sum = sum + faceNormals[u];
            const double l = length(sum);
            const Vec3 normal = l > 0 ? gltfDirection((1.0 / l) * sum) : Vec3{0, 1, 0};
            const Vec3 colour = t < part.cornerColours.size()
                                    ? part.cornerColours[t][std::size_t(k)]
                                    : Vec3{0.8, 0.8, 0.8};
            const Vec2 uv = out.textured ? part.cornerTexture[t][std::size_t(k)] : Vec2{0, 0};
            const CornerKey key{point,
                                {colourByte(colour.x), colourByte(colour.y), colourByte(colour.z)},
                                {float(uv.x), float(uv.y)},
                                {int(std::lround(normal.x * 1e4)), int(std::lround(normal.y * 1e4)),
                                 int(std::lround(normal.z * 1e4))}};
            const auto [at, added] = known.emplace(key, std::uint32_t(known.size()));
            out.indices.push_back(at->second);
            if (!added)
                continue;
            const Vec3 p = gltfPosition(part.points[std::size_t(point)]);
            out.positions.insert(out.positions.end(), {float(p.x), float(p.y), float(p.z)});
            out.normals.insert(out.normals.end(),
                               {float(normal.x), float(normal.y), float(normal.z)});
            out.colours.insert(out.colours.end(), {float(linearFromSrgb(key.colour[0] / 255.0)),
                                                   float(linearFromSrgb(key.colour[1] / 255.0)),
                                                   float(linearFromSrgb(key.colour[2] / 255.0))});
            if (out.textured)
                out.uvs.insert(out.uvs.end(), {key.uv[0], key.uv[1]});
        }
    }
    return out;
}

// Builds the model's single buffer and its views and accessors.
class GltfBuilder {
  public:
    explicit GltfBuilder(tinygltf::Model& model) : model(model) { model.buffers.emplace_back(); }

    // A view of bytes, started on a four-byte boundary as accessors need.
    int addView(const void* data, std::size_t size, int target) {
        auto& buffer = model.buffers[0].data;
        buffer.resize((buffer.size() + 3) / 4 * 4, 0);
        tinygltf::BufferView view;
        view.buffer = 0;
        view.byteOffset = buffer.size();
        view.byteLength = size;
        view.target = target;
        const auto* bytes = static_cast<const unsigned char*>(data);
        buffer.insert(buffer.end(), bytes, bytes + size);
        model.bufferViews.push_back(view);
        return int(model.bufferViews.size() - 1);
    }

    // Floats in groups of `width` (2 or 3); positions also get their bounds.
    int addFloats(const std::vector<float>& values, int width, bool bounded) {
        tinygltf::Accessor accessor;
        accessor.bufferView =
            addView(values.data(), values.size() * sizeof(float), TINYGLTF_TARGET_ARRAY_BUFFER);
        accessor.componentType = TINYGLTF_COMPONENT_TYPE_FLOAT;
        accessor.count = values.size() / std::size_t(width);
        accessor.type = width == 2 ? TINYGLTF_TYPE_VEC2 : TINYGLTF_TYPE_VEC3;
        if (bounded) {
            accessor.minValues.assign(std::size_t(width), HUGE_VAL);
            accessor.maxValues.assign(std::size_t(width), -HUGE_VAL);
            for (std::size_t i = 0; i < values.size(); ++i) {
                double& low = accessor.minValues[i % std::size_t(width)];
                double& high = accessor.maxValues[i % std::size_t(width)];
                low = std::min(low, double(values[i]));
                high = std::max(high, double(values[i]));
            }
        }
        model.accessors.push_back(accessor);
        return int(model.accessors.size() - 1);
    }

    int addIndices(const std::vector<std::uint32_t>& indices) {
        tinygltf::Accessor accessor;
        accessor.bufferView = addView(indices.data(), indices.size() * sizeof(std::uint32_t),
                                      TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
        accessor.componentType = TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT;
        accessor.count = indices.size();
        accessor.type = TINYGLTF_TYPE_SCALAR;
        model.accessors.push_back(accessor);
        return int(model.accessors.size() - 1);
    }

  private:
    tinygltf::Model& model;
};

tinygltf::Material material(const char* name) {
    tinygltf::Material m;
    m.name = name;
    m.pbrMetallicRoughness.baseColorFactor = {1, 1, 1, 1};
    m.pbrMetallicRoughness.metallicFactor = 0.0;
    m.pbrMetallicRoughness.roughnessFactor = 0.7;
    return m;
}

// The texture as image 0 in the buffer, with its sampler: material 1 shows
// it. False when the picture cannot be encoded.
bool addTexture(tinygltf::Model& model, GltfBuilder& builder, const ModelTexture& texture) {
    const std::string png = pngBytes(texture);
    if (png.empty())
        return false;
    tinygltf::Image image;
    image.name = "texture";
    image.mimeType = "image/png";
    image.bufferView = builder.addView(png.data(), png.size(), 0);
    model.bufferViews.back().target = 0; // an image's view has no target
    model.images.push_back(image);
    tinygltf::Sampler sampler;
    sampler.magFilter = TINYGLTF_TEXTURE_FILTER_LINEAR;
    sampler.minFilter = TINYGLTF_TEXTURE_FILTER_LINEAR;
    sampler.wrapS = TINYGLTF_TEXTURE_WRAP_CLAMP_TO_EDGE;
    sampler.wrapT = TINYGLTF_TEXTURE_WRAP_CLAMP_TO_EDGE;
    model.samplers.push_back(sampler);
    tinygltf::Texture gltfTexture;
    gltfTexture.source = 0;
    gltfTexture.sampler = 0;
    model.textures.push_back(gltfTexture);
    tinygltf::Material pictured = material("pictured");
    pictured.pbrMetallicRoughness.baseColorTexture.index = 0;
    model.materials.push_back(pictured);
    return true;
}

} // namespace

std::string glbBytes(const PrintModel& print, std::string& error) {
    tinygltf::Model model;
    model.asset.version = "2.0";
    model.asset.generator = "Lembovari";
    GltfBuilder builder(model);
    model.materials.push_back(material("plain"));
    bool pictured = false;
    for (const Solid& part : print.parts)
        pictured = pictured || !part.cornerTexture.empty();
    if (pictured && !addTexture(model, builder, print.texture)) {
        error = "glTF: the model's texture cannot be encoded as PNG";
        return "";
    }
    tinygltf::Scene scene;
    for (std::size_t p = 0; p < print.parts.size(); ++p) {
        const PartVertices v = verticesOf(print.parts[p]);
        if (v.indices.empty())
            continue;
        tinygltf::Primitive primitive;
        primitive.mode = TINYGLTF_MODE_TRIANGLES;
        primitive.attributes["POSITION"] = builder.addFloats(v.positions, 3, true);
        primitive.attributes["NORMAL"] = builder.addFloats(v.normals, 3, false);
        primitive.attributes["COLOR_0"] = builder.addFloats(v.colours, 3, false);
        primitive.material = 0;
        if (v.textured && pictured) {
            primitive.attributes["TEXCOORD_0"] = builder.addFloats(v.uvs, 2, false);
            primitive.material = 1;
        }
        primitive.indices = builder.addIndices(v.indices);
        tinygltf::Mesh mesh;
        mesh.name = print.parts[p].name.empty() ? "part" + std::to_string(p) : print.parts[p].name;
        mesh.primitives.push_back(primitive);
        model.meshes.push_back(mesh);
        tinygltf::Node node;
        node.name = mesh.name;
        node.mesh = int(model.meshes.size() - 1);
        model.nodes.push_back(node);
        scene.nodes.push_back(int(model.nodes.size() - 1));
    }
    model.scenes.push_back(scene);
    model.defaultScene = 0;
    // A buffer of no bytes is not allowed.
    if (model.buffers[0].data.empty())
        model.buffers.clear();
    else
        model.buffers[0].data.resize((model.buffers[0].data.size() + 3) / 4 * 4, 0);
    std::ostringstream stream;
    tinygltf::TinyGLTF gltf;
    if (!gltf.WriteGltfSceneToStream(&model, stream, false, true)) {
        error = "glTF: tinygltf could not write the model";
        return "";
    }
    return stream.str();
}
