// The vertex shader that lights display lists on the GPU, compiled on Mesa
// and run with transform feedback, against the CPU path's colours for the
// same list in a few lit states.

#define GL_GLEXT_PROTOTYPES
#include "tests/web/recording_renderer.h"
#include "web/gl11/context.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace gl11;

namespace {

GLuint compiled(GLenum kind, const std::string& source) {
    const GLuint shader = glCreateShader(kind);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    char log[1024] = "";
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    EXPECT_TRUE(ok) << log;
    return shader;
}

// The colours the shader gives the draw's vertices, front then back for each.
std::vector<float> shaderColours(const RetainedDraw& draw) {
    const bool twoSided = draw.state.twoSided;
    const std::string head = "#version 300 es\n#define LIGHTS " +
                             std::to_string(draw.shading.lights()) + "\n" +
                             (twoSided ? "#define TWO_SIDED\n" : "");
    const GLuint program = glCreateProgram();
    glAttachShader(program, compiled(GL_VERTEX_SHADER, head + litVertexShader));
    glAttachShader(program,
                   compiled(GL_FRAGMENT_SHADER, "#version 300 es\nprecision highp float;\n"
                                                "out vec4 c;\nvoid main() { c = vec4(1); }\n"));
    const char* varyings[] = {"frontColour", "backColour"};
    glTransformFeedbackVaryings(program, twoSided ? 2 : 1, varyings, GL_INTERLEAVED_ATTRIBS);
    glLinkProgram(program);
    glUseProgram(program);
    glUniform4fv(glGetUniformLocation(program, "shading"), draw.shading.used,
                 draw.shading.slots[0].data());

    std::vector<ObjectVertex> vertices;
    for (int k = draw.first; k < draw.first + draw.count; ++k)
        vertices.push_back(draw.geometry->vertices[draw.geometry->indices[std::size_t(k)]]);
    GLuint buffers[2], vertexArray;
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    glGenBuffers(2, buffers);
    glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(ObjectVertex)),
                 vertices.data(), GL_STATIC_DRAW);
    const int sizes[4] = {4, 3, 4, 2};
    for (GLuint k = 0, offset = 0; k < 4; offset += GLuint(sizes[k]), ++k) {
        glEnableVertexAttribArray(k);
        glVertexAttribPointer(k, sizes[k], GL_FLOAT, GL_FALSE, sizeof(ObjectVertex),
                              reinterpret_cast<const void*>(offset * sizeof(float)));
    }
    std::vector<float> out(vertices.size() * (twoSided ? 8 : 4));
    glBindBuffer(GL_TRANSFORM_FEEDBACK_BUFFER, buffers[1]);
    glBufferData(GL_TRANSFORM_FEEDBACK_BUFFER, GLsizeiptr(out.size() * sizeof(float)), nullptr,
                 GL_STATIC_READ);
    glBindBufferBase(GL_TRANSFORM_FEEDBACK_BUFFER, 0, buffers[1]);
    glEnable(GL_RASTERIZER_DISCARD);
    glBeginTransformFeedback(GL_POINTS);
    glDrawArrays(GL_POINTS, 0, GLsizei(vertices.size()));
    glEndTransformFeedback();
    glDisable(GL_RASTERIZER_DISCARD);
    glGetBufferSubData(GL_TRANSFORM_FEEDBACK_BUFFER, 0, GLsizeiptr(out.size() * sizeof(float)),
                       out.data());
    glBindVertexArray(0);
    glDeleteVertexArrays(1, &vertexArray);
    glDeleteBuffers(2, buffers);
    glUseProgram(0);
    glDeleteProgram(program);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    return out;
}

void set(Context& gl, std::initializer_list<GLenum> caps) {
    for (GLenum cap : caps)
        gl.enable(cap, true);
}

// Each state on top of a perspective view with light 0 on.
const std::vector<std::function<void(Context&)>> states = {
    // Two-sided, the back's ambient and diffuse colours tracking the vertex's,
    // a local viewer, a second, attenuated light and normals left unnormalised.
    [](Context& gl) {
        const float one = 1, emission[4] = {0.1f, 0, 0.2f, 1}, shiny = 25;
        const float near[4] = {1, -1, -2, 1}, red[4] = {1, 0.2f, 0.1f, 1}, fade = 0.3f;
        gl.lightModel(GL_LIGHT_MODEL_TWO_SIDE, &one);
        gl.lightModel(GL_LIGHT_MODEL_LOCAL_VIEWER, &one);
        gl.material(GL_FRONT, GL_EMISSION, emission);
        gl.material(GL_FRONT_AND_BACK, GL_SPECULAR, red);
        gl.material(GL_FRONT_AND_BACK, GL_SHININESS, &shiny);
        gl.colorMaterial(GL_BACK, GL_AMBIENT_AND_DIFFUSE);
        set(gl, {GL_LIGHT3, GL_COLOR_MATERIAL});
        for (GLenum name : {GL_DIFFUSE, GL_SPECULAR})
            gl.light(GL_LIGHT3, name, red);
        gl.light(GL_LIGHT3, GL_POSITION, near);
        gl.light(GL_LIGHT3, GL_LINEAR_ATTENUATION, &fade);
    },
    // The front's diffuse colour tracking the vertex's, under a spot.
    [](Context& gl) {
        const float spot[4] = {0, 0, 1, 1}, down[4] = {0, 0, -1, 0}, cutoff = 40, exponent = 3;
        gl.light(GL_LIGHT0, GL_POSITION, spot);
        gl.light(GL_LIGHT0, GL_SPOT_DIRECTION, down);
        gl.light(GL_LIGHT0, GL_SPOT_CUTOFF, &cutoff);
        gl.light(GL_LIGHT0, GL_SPOT_EXPONENT, &exponent);
        gl.colorMaterial(GL_FRONT, GL_DIFFUSE);
        set(gl, {GL_COLOR_MATERIAL, GL_NORMALIZE});
    },
    // Unlit: the colours pass through.
    [](Context& gl) { gl.enable(GL_LIGHTING, false); },
};

} // namespace

TEST(Gl11Shader, ListsAreLitOnTheGpuAsOnTheCpu) {
    for (std::size_t s = 0; s < states.size(); ++s) {
        RecordingRenderer gpu, cpu;
        gpu.retains = true;
        Context a(&gpu), b(&cpu);
        for (Context* gl : {&a, &b}) {
            gl->matrixMode(GL_PROJECTION);
            gl->multMatrix(perspective(45, 4.0 / 3, 1, 20));
            gl->matrixMode(GL_MODELVIEW);
            gl->multMatrix(translation(0, 0, -5) * rotation(30, 1, 1, 0));
            set(*gl, {GL_LIGHTING, GL_LIGHT0});
            states[s](*gl);
            gl->newList(1, GL_COMPILE);
            gl->begin(GL_TRIANGLE_STRIP);
            for (int k = 0; k < 8; ++k) {
                gl->color(0.1f * float(k), 1 - 0.1f * float(k), 0.5f, 0.5f + 0.05f * float(k));
                gl->normal(0.3 * (k % 3) - 0.3, 0.2 * (k % 2), 1.5 - 0.1 * k);
                gl->vertex(0.3 * k - 1, k % 2 ? 0.6 : -0.6, 0.1 * (k % 3), 1);
            }
            gl->end();
            gl->endList();
            gl->callList(1);
        }
        ASSERT_EQ(gpu.retained.size(), 1u);
        const RetainedDraw& draw = gpu.retained[0];
        const std::vector<ShadedVertex> expected = cpu.vertices();
        const std::vector<float> colours = shaderColours(draw);
        const std::size_t stride = draw.state.twoSided ? 8 : 4;
        ASSERT_EQ(colours.size(), expected.size() * stride);
        for (std::size_t v = 0; v < expected.size(); ++v)
            for (std::size_t c = 0; c < stride; ++c)
                EXPECT_NEAR(colours[v * stride + c],
                            c < 4 ? expected[v].front[c] : expected[v].back[c - 4], 2e-4)
                    << "state " << s << " vertex " << v << " channel " << c;
    }
}
