#include "web/platform/webgl_programs.h"
#include "web/gl11/vertex_shading.h"

#include <webgl/webgl1.h>
#include <webgl/webgl2.h>

#include <cstdio>
#include <string>

namespace {

// For vertices the subset lit on the CPU.
const char* shadedVertexShader = R"(
layout(location = 0) in vec4 clip;
layout(location = 1) in vec4 front;
layout(location = 2) in vec4 back;
layout(location = 3) in vec2 texCoord;
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

GLuint compile(GLenum kind, const std::string& source) {
    const GLuint shader = emscripten_glCreateShader(kind);
    const char* text = source.c_str();
    emscripten_glShaderSource(shader, 1, &text, nullptr);
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

} // namespace

WebGlProgram linkWebGlProgram(bool retained, bool textured, bool twoSided, int lights) {
    const std::string defines =
        std::string("#version 300 es\n") + "#define LIGHTS " + std::to_string(lights) + "\n" +
        (textured ? "#define TEXTURED\n" : "") + (twoSided ? "#define TWO_SIDED\n" : "");
    WebGlProgram p;
    p.id = emscripten_glCreateProgram();
    emscripten_glAttachShader(
        p.id, compile(GL_VERTEX_SHADER,
                      defines + (retained ? gl11::litVertexShader : shadedVertexShader)));
    emscripten_glAttachShader(p.id, compile(GL_FRAGMENT_SHADER, defines + fragmentShader));
    emscripten_glLinkProgram(p.id);
    emscripten_glUseProgram(p.id);
    p.imageSize = emscripten_glGetUniformLocation(p.id, "imageSize");
    p.bordered = emscripten_glGetUniformLocation(p.id, "bordered");
    p.borderAlpha = emscripten_glGetUniformLocation(p.id, "borderAlpha");
    p.shading = emscripten_glGetUniformLocation(p.id, "shading");
    emscripten_glUniform1i(emscripten_glGetUniformLocation(p.id, "image"), 0);
    return p;
}
