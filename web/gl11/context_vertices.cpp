// Immediate mode, client arrays and the vertex pipeline of the context:
// vertices through the matrices, lit, and handed to the renderer or, in
// selection mode, to the hit records.

#include "web/gl11/context.h"
#include "web/gl11/wide_lines.h"

#include <GL/gl.h>

#include <cmath>

namespace gl11 {

void Context::begin(unsigned mode) {
    if (inBegin)
        return;
    inBegin = true;
    beginMode = mode;
    pending.clear();
}

void Context::end() {
    if (!inBegin)
        return;
    inBegin = false;
    submit(beginMode, pending);
    pending.clear();
}

void Context::vertex(double x, double y, double z, double w) {
    currentVertex.position = {x, y, z, w};
    if (inBegin)
        pending.push_back(currentVertex);
}

void Context::normal(double x, double y, double z) {
    if (!inBegin && compiled([=](Context& c) { c.normal(x, y, z); }))
        return;
    currentVertex.normal = {x, y, z};
}

void Context::color(float r, float g, float b, float a) {
    if (!inBegin && compiled([=](Context& c) { c.color(r, g, b, a); }))
        return;
    currentVertex.colour = {r, g, b, a};
    lighting.trackColour(currentVertex.colour);
}

void Context::texCoord(double s, double t) {
    if (!inBegin && compiled([=](Context& c) { c.texCoord(s, t); }))
        return;
    currentVertex.texCoord = {s, t};
}

void Context::rect(double x1, double y1, double x2, double y2) {
    begin(GL_POLYGON);
    vertex(x1, y1, 0, 1);
    vertex(x2, y1, 0, 1);
    vertex(x2, y2, 0, 1);
    vertex(x1, y2, 0, 1);
    end();
}

void Context::enableClientState(unsigned array, bool on) {
    if (array == GL_VERTEX_ARRAY)
        vertexArray.enabled = on;
    else if (array == GL_NORMAL_ARRAY)
        normalArray.enabled = on;
}

void Context::vertexPointer(int size, unsigned type, int stride, const void* pointer) {
    vertexArray.size = size;
    vertexArray.type = type;
    vertexArray.stride = stride;
    vertexArray.pointer = pointer;
}

void Context::normalPointer(unsigned type, int stride, const void* pointer) {
    normalArray.size = 3;
    normalArray.type = type;
    normalArray.stride = stride;
    normalArray.pointer = pointer;
}

namespace {

// Component k of element index of a client array of floats or doubles.
double component(const void* pointer, unsigned type, int size, int stride, std::size_t index,
                 int k) {
    const std::size_t scalar = type == GL_DOUBLE ? sizeof(double) : sizeof(float);
    const std::size_t step = stride > 0 ? std::size_t(stride) : scalar * std::size_t(size);
    const auto* at =
        static_cast<const unsigned char*>(pointer) + index * step + scalar * std::size_t(k);
    if (type == GL_DOUBLE)
        return *reinterpret_cast<const double*>(at);
    return double(*reinterpret_cast<const float*>(at));
}

} // namespace

Vertex Context::arrayVertex(std::size_t index) const {
    Vertex v = currentVertex;
    const ClientArray& p = vertexArray;
    v.position = {component(p.pointer, p.type, p.size, p.stride, index, 0),
                  component(p.pointer, p.type, p.size, p.stride, index, 1),
                  p.size > 2 ? component(p.pointer, p.type, p.size, p.stride, index, 2) : 0,
                  p.size > 3 ? component(p.pointer, p.type, p.size, p.stride, index, 3) : 1};
    const ClientArray& n = normalArray;
    if (n.enabled && n.pointer)
        for (int k = 0; k < 3; ++k)
            v.normal[std::size_t(k)] = component(n.pointer, n.type, 3, n.stride, index, k);
    return v;
}

void Context::drawElements(unsigned mode, int count, unsigned type, const void* indices) {
    if (!vertexArray.enabled || !vertexArray.pointer || count <= 0)
        return;
    std::vector<Vertex> vertices;
    vertices.reserve(std::size_t(count));
    for (int k = 0; k < count; ++k) {
        const std::size_t index =
            type == GL_UNSIGNED_INT     ? static_cast<const std::uint32_t*>(indices)[k]
            : type == GL_UNSIGNED_SHORT ? static_cast<const std::uint16_t*>(indices)[k]
                                        : static_cast<const std::uint8_t*>(indices)[k];
        vertices.push_back(arrayVertex(index));
    }
    submit(mode, vertices);
}

void Context::drawArrays(unsigned mode, int first, int count) {
    if (!vertexArray.enabled || !vertexArray.pointer || count <= 0 || first < 0)
        return;
    std::vector<Vertex> vertices;
    for (int k = first; k < first + count; ++k)
        vertices.push_back(arrayVertex(std::size_t(k)));
    submit(mode, vertices);
}

RasterState Context::rasterState() const {
    RasterState s;
    s.depthTest = isEnabled(GL_DEPTH_TEST);
    s.depthMask = depthWrites;
    s.blend = isEnabled(GL_BLEND);
    s.blendSource = blendSource;
    s.blendDestination = blendDestination;
    s.cull = isEnabled(GL_CULL_FACE);
    s.cullFace = culledFace;
    s.twoSided = isEnabled(GL_LIGHTING) && lighting.twoSided();
    if (isEnabled(GL_TEXTURE_2D)) {
        const auto found = textures.find(boundTexture);
        const bool filtered = found != textures.end() && (found->second.minFilter == GL_LINEAR ||
                                                          found->second.minFilter == GL_NEAREST);
        if (filtered && !found->second.rgba.empty())
            s.texture = &found->second;
    }
    return s;
}

std::vector<ShadedVertex> Context::shade(const std::vector<Vertex>& vertices) const {
    const Matrix mvp = projection() * modelview();
    const bool lit = isEnabled(GL_LIGHTING);
    const bool normalise = isEnabled(GL_NORMALIZE);
    const auto normals = normalMatrix(modelview());
    std::vector<ShadedVertex> shaded;
    shaded.reserve(vertices.size());
    for (const Vertex& v : vertices) {
        ShadedVertex out;
        const Vec4 clip = mvp * v.position;
        out.clip = {float(clip.x), float(clip.y), float(clip.z), float(clip.w)};
        out.texCoord = {float(v.texCoord[0]), float(v.texCoord[1])};
        out.front = out.back = v.colour;
        if (lit) {
            std::array<double, 3> n{};
            for (std::size_t r = 0; r < 3; ++r)
                n[r] = normals[r][0] * v.normal[0] + normals[r][1] * v.normal[1] +
                       normals[r][2] * v.normal[2];
            const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            if (normalise && length > 0)
                for (double& c : n)
                    c /= length;
            const Vec4 eye = modelview() * v.position;
            out.front = lighting.shade(eye, n, v.colour, false);
            out.back = lighting.twoSided() ? lighting.shade(eye, n, v.colour, true) : out.front;
        }
        shaded.push_back(out);
    }
    return shaded;
}

void Context::submit(unsigned mode, const std::vector<Vertex>& vertices) {
    if (lists.recording()) {
        record(mode, vertices);
        return;
    }
    const PrimitiveIndices primitives = assembleIndices(mode, vertices.size());
    if (primitives.indices.empty())
        return;
    if (selecting) {
        const Matrix mvp = projection() * modelview();
        const std::size_t n = primitives.kind == PrimitiveKind::Triangles ? 3
                              : primitives.kind == PrimitiveKind::Lines   ? 2
                                                                          : 1;
        std::vector<Vec4> clip(n);
        for (std::size_t k = 0; k + n <= primitives.indices.size(); k += n) {
            for (std::size_t j = 0; j < n; ++j)
                clip[j] = mvp * vertices[primitives.indices[k + j]].position;
            selection.primitive(clip);
        }
        return;
    }
    if (!renderer || primitives.kind == PrimitiveKind::Points)
        return;
    // Each vertex is lit once, however many primitives share it.
    const std::vector<ShadedVertex> shaded = shade(vertices);
    DrawBatch batch;
    batch.state = rasterState();
    batch.vertices.reserve(primitives.indices.size());
    for (std::uint32_t k : primitives.indices)
        batch.vertices.push_back(shaded[k]);
    batch.lines = primitives.kind == PrimitiveKind::Lines;
    if (batch.lines && wideLines()) {
        batch.vertices = wideLineTriangles(batch.vertices, std::round(lineWidth_), viewportBox[2],
                                           viewportBox[3]);
        batch.lines = false;
        // A line has no back: a thick one is never culled.
        batch.state.cull = false;
    }
    renderer->draw(batch);
}

} // namespace gl11
