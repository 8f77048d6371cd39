#include "web/platform/webgl_renderer.h"

#include <webgl/webgl1.h>
#include <webgl/webgl2.h>

#include <cstddef>
#include <cstdint>

namespace {

void toggle(GLenum cap, bool on) {
    if (on)
        emscripten_glEnable(cap);
    else
        emscripten_glDisable(cap);
}

// GL 1.1's GL_CLAMP, which WebGL's headers do not name.
constexpr unsigned glClamp = 0x2900;

// WebGL has no border: GL_CLAMP samples with the edge texels, and the
// fragment shader blends in the border's share of the filter.
GLint wrap(unsigned mode) {
    return mode == GL_REPEAT ? GL_REPEAT : GL_CLAMP_TO_EDGE;
}

// Whether sampling along an axis wrapped this way meets GL_CLAMP's border:
// with a linear filter only, since a nearest texel is always inside.
float bordered(unsigned mode, unsigned filter) {
    return mode == glClamp && filter == GL_LINEAR ? 1 : 0;
}

// Points the four attributes of the bound vertex array into the bound
// buffer: floats, in the sizes given, one vertex after another.
void layAttributes(const int (&sizes)[4]) {
    const int stride = sizes[0] + sizes[1] + sizes[2] + sizes[3];
    int offset = 0;
    for (GLuint k = 0; k < 4; ++k) {
        emscripten_glEnableVertexAttribArray(k);
        emscripten_glVertexAttribPointer(k, sizes[k], GL_FLOAT, GL_FALSE,
                                         GLsizei(stride * sizeof(float)),
                                         reinterpret_cast<const void*>(offset * sizeof(float)));
        offset += sizes[k];
    }
}

} // namespace

WebGlRenderer::WebGlRenderer() {
    for (int textured = 0; textured < 2; ++textured)
        for (int twoSided = 0; twoSided < 2; ++twoSided)
            programs[textured][twoSided] = linkWebGlProgram(false, textured, twoSided);
    emscripten_glGenVertexArrays(1, &vertexArray);
    emscripten_glBindVertexArray(vertexArray);
    emscripten_glGenBuffers(1, &buffer);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, buffer);
    // ShadedVertex is 14 floats with no padding, ObjectVertex 13.
    static_assert(sizeof(gl11::ShadedVertex) == shadedFloats * sizeof(float));
    static_assert(sizeof(gl11::ObjectVertex) == objectFloats * sizeof(float));
    layAttributes({4, 4, 4, 2});
    emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
}

void WebGlRenderer::clear(unsigned mask, const std::array<float, 4>& colour, bool depthMask) {
    flush();
    emscripten_glClearColor(colour[0], colour[1], colour[2], colour[3]);
    emscripten_glDepthMask(depthMask ? GL_TRUE : GL_FALSE);
    emscripten_glClear(mask & (GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
}

void WebGlRenderer::viewport(int x, int y, int width, int height) {
    flush();
    emscripten_glViewport(x, y, width, height);
}

const WebGlProgram& WebGlRenderer::applyState(const Run& run) {
    const gl11::RasterState& s = run.state;
    toggle(GL_DEPTH_TEST, s.depthTest);
    emscripten_glDepthFunc(GL_LESS);
    emscripten_glDepthMask(s.depthMask ? GL_TRUE : GL_FALSE);
    toggle(GL_BLEND, s.blend);
    if (s.blend)
        emscripten_glBlendFunc(s.blendSource, s.blendDestination);
    toggle(GL_CULL_FACE, s.cull);
    if (s.cull)
        emscripten_glCullFace(s.cullFace);
    const bool textured = s.texture != nullptr;
    const WebGlProgram* program = &programs[textured][s.twoSided];
    if (run.geometry) {
        const int lights = run.shading.lights();
        WebGlProgram& linked = listPrograms[lights * 4 + textured * 2 + s.twoSided];
        if (linked.id == 0)
            linked = linkWebGlProgram(true, textured, s.twoSided, lights);
        program = &linked;
    }
    emscripten_glUseProgram(program->id);
    if (s.texture)
        bindTexture(*s.texture, *program);
    return *program;
}

void WebGlRenderer::bindTexture(const gl11::TextureImage& image, const WebGlProgram& textured) {
    // The filter that magnifies decides: the exhibit's clamped label is
    // filtered linearly both ways.
    emscripten_glUniform2f(textured.imageSize, float(image.width), float(image.height));
    emscripten_glUniform2f(textured.bordered, bordered(image.wrapS, image.magFilter),
                           bordered(image.wrapT, image.magFilter));
    emscripten_glUniform1f(textured.borderAlpha, image.opaque ? 1 : 0);
    Uploaded& u = uploaded[image.name];
    if (u.texture == 0)
        emscripten_glGenTextures(1, &u.texture);
    emscripten_glBindTexture(GL_TEXTURE_2D, u.texture);
    if (u.version == image.version)
        return;
    u.version = image.version;
    emscripten_glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA,
                            GL_UNSIGNED_BYTE, image.rgba.data());
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GLint(image.minFilter));
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GLint(image.magFilter));
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap(image.wrapS));
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap(image.wrapT));
}

unsigned WebGlRenderer::storedArray(const std::shared_ptr<const gl11::RetainedGeometry>& geometry) {
    Stored& s = stored[geometry->serial];
    if (s.vertexArray != 0)
        return s.vertexArray;
    s.owner = geometry;
    emscripten_glGenVertexArrays(1, &s.vertexArray);
    emscripten_glBindVertexArray(s.vertexArray);
    emscripten_glGenBuffers(1, &s.buffer);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, s.buffer);
    emscripten_glBufferData(GL_ARRAY_BUFFER,
                            GLsizeiptr(geometry->vertices.size() * sizeof(gl11::ObjectVertex)),
                            geometry->vertices.data(), GL_STATIC_DRAW);
    layAttributes({4, 3, 4, 2});
    // The vertex array keeps the index buffer bound with it.
    emscripten_glGenBuffers(1, &s.indices);
    emscripten_glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, s.indices);
    emscripten_glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                            GLsizeiptr(geometry->indices.size() * sizeof(std::uint32_t)),
                            geometry->indices.data(), GL_STATIC_DRAW);
    return s.vertexArray;
}

void WebGlRenderer::releaseStored() {
    for (auto s = stored.begin(); s != stored.end();) {
        if (!s->second.owner.expired()) {
            ++s;
            continue;
        }
        emscripten_glDeleteVertexArrays(1, &s->second.vertexArray);
        emscripten_glDeleteBuffers(1, &s->second.buffer);
        emscripten_glDeleteBuffers(1, &s->second.indices);
        s = stored.erase(s);
    }
}

bool WebGlRenderer::sameState(const Run& run, const gl11::RasterState& b, bool lines) const {
    const gl11::RasterState& a = run.state;
    return run.lines == lines && a.depthTest == b.depthTest && a.depthMask == b.depthMask &&
           a.blend == b.blend &&
           (!a.blend ||
            (a.blendSource == b.blendSource && a.blendDestination == b.blendDestination)) &&
           a.cull == b.cull && (!a.cull || a.cullFace == b.cullFace) && a.twoSided == b.twoSided &&
           a.texture == b.texture && (!a.texture || run.textureVersion == b.texture->version);
}

void WebGlRenderer::startRun(const gl11::RasterState& state, bool lines, int first) {
    Run run;
    run.state = state;
    run.textureVersion = state.texture ? state.texture->version : 0;
    run.lines = lines;
    run.first = first;
    runs.push_back(std::move(run));
}

void WebGlRenderer::draw(const gl11::DrawBatch& batch) {
    if (batch.vertices.empty())
        return;
    if (runs.empty() || runs.back().geometry || !sameState(runs.back(), batch.state, batch.lines))
        startRun(batch.state, batch.lines, int(held.size()));
    runs.back().count += int(batch.vertices.size());
    held.insert(held.end(), batch.vertices.begin(), batch.vertices.end());
}

void WebGlRenderer::drawRetained(const gl11::RetainedDraw& draw) {
    if (draw.count <= 0)
        return;
    // Ranges drawn one after another under the same uniforms, as the rows of
    // a surface's strips are, go in one call.
    const bool joins = !runs.empty() && runs.back().geometry == draw.geometry &&
                       runs.back().first + runs.back().count == draw.first &&
                       sameState(runs.back(), draw.state, draw.lines) &&
                       runs.back().shading == draw.shading;
    if (!joins) {
        startRun(draw.state, draw.lines, draw.first);
        runs.back().geometry = draw.geometry;
        runs.back().shading = draw.shading;
    }
    runs.back().count += draw.count;
}

void WebGlRenderer::flush() {
    releaseStored();
    if (runs.empty())
        return;
    if (!held.empty()) {
        emscripten_glBindBuffer(GL_ARRAY_BUFFER, buffer);
        emscripten_glBufferData(GL_ARRAY_BUFFER,
                                GLsizeiptr(held.size() * sizeof(gl11::ShadedVertex)), held.data(),
                                GL_STREAM_DRAW);
    }
    for (const Run& run : runs) {
        const WebGlProgram& program = applyState(run);
        const GLenum mode = run.lines ? GL_LINES : GL_TRIANGLES;
        if (run.geometry) {
            emscripten_glBindVertexArray(storedArray(run.geometry));
            emscripten_glUniform4fv(program.shading, run.shading.used, run.shading.slots[0].data());
            emscripten_glDrawElements(
                mode, run.count, GL_UNSIGNED_INT,
                reinterpret_cast<const void*>(std::size_t(run.first) * sizeof(std::uint32_t)));
        } else {
            emscripten_glBindVertexArray(vertexArray);
            emscripten_glDrawArrays(mode, run.first, run.count);
        }
    }
    held.clear();
    runs.clear();
}
