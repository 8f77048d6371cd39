#include "web/platform/webgl_renderer.h"

#include <webgl/webgl1.h>
#include <webgl/webgl2.h>

#include <cstdio>
#include <string>

namespace {

// Both shaders are compiled for each of four programs, with TEXTURED for
// draws that sample and TWO_SIDED for those whose back faces may have
// colours of their own: a software rasteriser runs both sides of a branch
// for every fragment and pays for every value interpolated across a
// triangle, so a program carries only what its draws need.
const char* vertexShader = R"(
in vec4 clip;
in vec4 front;
in vec4 back;
in vec2 texCoord;
out vec4 frontColour;
#ifdef TWO_SIDED
out vec4 backColour;
#endif
#ifdef TEXTURED
out vec2 texel;
#endif
void main() {
    gl_Position = clip;
    frontColour = front;
#ifdef TWO_SIDED
    backColour = back;
#endif
#ifdef TEXTURED
    texel = texCoord;
#endif
})";

const char* fragmentShader = R"(
precision highp float;
in vec4 frontColour;
#ifdef TWO_SIDED
in vec4 backColour;
#endif
out vec4 colour;
#ifdef TEXTURED
in vec2 texel;
uniform sampler2D image;
uniform vec2 imageSize;
uniform vec2 bordered;
uniform float borderAlpha;
#endif
void main() {
#ifdef TWO_SIDED
    colour = gl_FrontFacing ? frontColour : backColour;
#else
    colour = frontColour;
#endif
#ifdef TEXTURED
    // GL_CLAMP's linear filter reaches past the edge texels into the black
    // border: the share of the border in the footprint, on each axis that
    // has one, fades the edge texels' sample towards it.
    vec2 at = clamp(texel, 0.0, 1.0) * imageSize;
    vec2 past = max(0.5 - at, 0.0) + max(at - (imageSize - 0.5), 0.0);
    vec2 kept = 1.0 - bordered * past;
    float inside = kept.x * kept.y;
    vec4 sampled = texture(image, texel);
    colour *= vec4(sampled.rgb * inside, mix(borderAlpha, sampled.a, inside));
#endif
})";

GLuint compile(GLenum kind, const char* source) {
    const GLuint shader = emscripten_glCreateShader(kind);
    emscripten_glShaderSource(shader, 1, &source, nullptr);
    emscripten_glCompileShader(shader);
    GLint ok = 0;
    emscripten_glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024];
        emscripten_glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::fprintf(stderr, "lembovari: shader: %s\n", log);
    }
    return shader;
}

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

constexpr int floatsPerVertex = 14;

} // namespace

WebGlRenderer::Program WebGlRenderer::link(bool textured, bool twoSided) {
    const std::string defines = std::string("#version 300 es\n") +
                                (textured ? "#define TEXTURED\n" : "") +
                                (twoSided ? "#define TWO_SIDED\n" : "");
    const std::string vertex = defines + vertexShader;
    const std::string fragment = defines + fragmentShader;
    Program p;
    p.id = emscripten_glCreateProgram();
    emscripten_glAttachShader(p.id, compile(GL_VERTEX_SHADER, vertex.c_str()));
    emscripten_glAttachShader(p.id, compile(GL_FRAGMENT_SHADER, fragment.c_str()));
    const char* attributes[] = {"clip", "front", "back", "texCoord"};
    for (GLuint k = 0; k < 4; ++k)
        emscripten_glBindAttribLocation(p.id, k, attributes[k]);
    emscripten_glLinkProgram(p.id);
    emscripten_glUseProgram(p.id);
    p.imageSize = emscripten_glGetUniformLocation(p.id, "imageSize");
    p.bordered = emscripten_glGetUniformLocation(p.id, "bordered");
    p.borderAlpha = emscripten_glGetUniformLocation(p.id, "borderAlpha");
    emscripten_glUniform1i(emscripten_glGetUniformLocation(p.id, "image"), 0);
    return p;
}

WebGlRenderer::WebGlRenderer() {
    for (int textured = 0; textured < 2; ++textured)
        for (int twoSided = 0; twoSided < 2; ++twoSided)
            programs[textured][twoSided] = link(textured, twoSided);
    emscripten_glGenVertexArrays(1, &vertexArray);
    emscripten_glBindVertexArray(vertexArray);
    emscripten_glGenBuffers(1, &buffer);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, buffer);
    const int sizes[4] = {4, 4, 4, 2};
    int offset = 0;
    for (GLuint k = 0; k < 4; ++k) {
        emscripten_glEnableVertexAttribArray(k);
        emscripten_glVertexAttribPointer(k, sizes[k], GL_FLOAT, GL_FALSE,
                                         floatsPerVertex * sizeof(float),
                                         reinterpret_cast<const void*>(offset * sizeof(float)));
        offset += sizes[k];
    }
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

void WebGlRenderer::applyState(const gl11::RasterState& s) {
    toggle(GL_DEPTH_TEST, s.depthTest);
    emscripten_glDepthFunc(GL_LESS);
    emscripten_glDepthMask(s.depthMask ? GL_TRUE : GL_FALSE);
    toggle(GL_BLEND, s.blend);
    if (s.blend)
        emscripten_glBlendFunc(s.blendSource, s.blendDestination);
    toggle(GL_CULL_FACE, s.cull);
    if (s.cull)
        emscripten_glCullFace(s.cullFace);
    const Program& program = programs[s.texture ? 1 : 0][s.twoSided ? 1 : 0];
    emscripten_glUseProgram(program.id);
    if (s.texture)
        bindTexture(*s.texture, program);
}

void WebGlRenderer::bindTexture(const gl11::TextureImage& image, const Program& textured) {
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

bool WebGlRenderer::joins(const Run& run, const gl11::DrawBatch& batch) const {
    const gl11::RasterState& a = run.state;
    const gl11::RasterState& b = batch.state;
    return run.lines == batch.lines && a.depthTest == b.depthTest && a.depthMask == b.depthMask &&
           a.blend == b.blend &&
           (!a.blend ||
            (a.blendSource == b.blendSource && a.blendDestination == b.blendDestination)) &&
           a.cull == b.cull && (!a.cull || a.cullFace == b.cullFace) && a.twoSided == b.twoSided &&
           a.texture == b.texture && (!a.texture || run.textureVersion == b.texture->version);
}

void WebGlRenderer::draw(const gl11::DrawBatch& batch) {
    if (batch.vertices.empty())
        return;
    if (runs.empty() || !joins(runs.back(), batch)) {
        Run run;
        run.state = batch.state;
        run.textureVersion = batch.state.texture ? batch.state.texture->version : 0;
        run.lines = batch.lines;
        run.first = int(held.size());
        runs.push_back(run);
    }
    runs.back().count += int(batch.vertices.size());
    held.insert(held.end(), batch.vertices.begin(), batch.vertices.end());
}

void WebGlRenderer::flush() {
    if (runs.empty())
        return;
    // ShadedVertex is 14 floats with no padding, the layout set up above.
    static_assert(sizeof(gl11::ShadedVertex) == floatsPerVertex * sizeof(float));
    emscripten_glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(held.size() * sizeof(gl11::ShadedVertex)),
                            held.data(), GL_STREAM_DRAW);
    for (const Run& run : runs) {
        applyState(run.state);
        emscripten_glDrawArrays(run.lines ? GL_LINES : GL_TRIANGLES, run.first, run.count);
    }
    held.clear();
    runs.clear();
}
