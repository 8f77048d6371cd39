#include "web/platform/webgl_renderer.h"

#include <webgl/webgl1.h>
#include <webgl/webgl2.h>

#include <cstdio>

namespace {

const char* vertexShader = R"(#version 300 es
in vec4 clip;
in vec4 front;
in vec4 back;
in vec2 texCoord;
out vec4 frontColour;
out vec4 backColour;
out vec2 texel;
void main() {
    gl_Position = clip;
    frontColour = front;
    backColour = back;
    texel = texCoord;
})";

const char* fragmentShader = R"(#version 300 es
precision highp float;
in vec4 frontColour;
in vec4 backColour;
in vec2 texel;
uniform bool textured;
uniform sampler2D image;
out vec4 colour;
void main() {
    colour = gl_FrontFacing ? frontColour : backColour;
    if (textured)
        colour *= texture(image, texel);
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

// GL 1.1's clamp to the edge texel's centre, as close as WebGL comes.
GLint wrap(unsigned mode) {
    return mode == GL_REPEAT ? GL_REPEAT : GL_CLAMP_TO_EDGE;
}

constexpr int floatsPerVertex = 14;

} // namespace

WebGlRenderer::WebGlRenderer() {
    program = emscripten_glCreateProgram();
    emscripten_glAttachShader(program, compile(GL_VERTEX_SHADER, vertexShader));
    emscripten_glAttachShader(program, compile(GL_FRAGMENT_SHADER, fragmentShader));
    const char* attributes[] = {"clip", "front", "back", "texCoord"};
    for (GLuint k = 0; k < 4; ++k)
        emscripten_glBindAttribLocation(program, k, attributes[k]);
    emscripten_glLinkProgram(program);
    emscripten_glUseProgram(program);
    texturedLocation = emscripten_glGetUniformLocation(program, "textured");
    emscripten_glUniform1i(emscripten_glGetUniformLocation(program, "image"), 0);

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
    emscripten_glClearColor(colour[0], colour[1], colour[2], colour[3]);
    emscripten_glDepthMask(depthMask ? GL_TRUE : GL_FALSE);
    emscripten_glClear(mask & (GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
}

void WebGlRenderer::viewport(int x, int y, int width, int height) {
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
    emscripten_glUniform1i(texturedLocation, s.texture ? 1 : 0);
    if (s.texture)
        bindTexture(*s.texture);
}

void WebGlRenderer::bindTexture(const gl11::TextureImage& image) {
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

void WebGlRenderer::draw(const gl11::DrawBatch& batch) {
    if (batch.vertices.empty())
        return;
    applyState(batch.state);
    // ShadedVertex is 14 floats with no padding, the layout set up above.
    static_assert(sizeof(gl11::ShadedVertex) == floatsPerVertex * sizeof(float));
    emscripten_glBufferData(GL_ARRAY_BUFFER,
                            GLsizeiptr(batch.vertices.size() * sizeof(gl11::ShadedVertex)),
                            batch.vertices.data(), GL_STREAM_DRAW);
    emscripten_glDrawArrays(batch.lines ? GL_LINES : GL_TRIANGLES, 0,
                            GLsizei(batch.vertices.size()));
}
