#include "tests/support/gl_window.h"

#include "ui/widget_panel.h"

#include <GL/freeglut.h>

#include <cmath>
#include <cstdlib>

namespace gl_test {

void ensureWindow() {
    static bool created = false;
    if (created)
        return;
    created = true;
    int argc = 1;
    char name[] = "lembovari-test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(width, height);
    glutCreateWindow("Lembovari test");
    glViewport(0, 0, width, height);
}

Rgb pixel(int x, int y) {
    unsigned char p[3] = {0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

bool near(const Rgb& a, const Rgb& b, int tolerance) {
    for (int i = 0; i < 3; ++i)
        if (std::abs(a[i] - b[i]) > tolerance)
            return false;
    return true;
}

Rgb rgb(double r, double g, double b) {
    return {int(std::lround(r * 255)), int(std::lround(g * 255)), int(std::lround(b * 255))};
}

std::string readFrame() {
    std::string frame(std::size_t(width) * height * 3, '\0');
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
    return frame;
}

Rgb Frame::at(int x, int y) const {
    const auto* p = reinterpret_cast<const unsigned char*>(&pixels[std::size_t(y * width + x) * 3]);
    return {p[0], p[1], p[2]};
}

double Frame::middleCoverage(int tolerance) const {
    int count = 0;
    for (int y = height / 4; y < height * 3 / 4; ++y)
        for (int x = width / 4; x < width * 3 / 4; ++x)
            count += !near(at(x, y), background(), tolerance);
    return count / (width / 2.0 * (height / 2.0));
}

Frame captureFrame() {
    return {readFrame()};
}

int differences(const Frame& a, const Frame& b, int tolerance, int y0) {
    int count = 0;
    for (int y = y0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            count += !near(a.at(x, y), b.at(x, y), tolerance);
    return count;
}

Rgb background() {
    return {backgroundColour[0], backgroundColour[1], backgroundColour[2]};
}

std::string stateProblems() {
    std::string problems;
    for (GLenum e = glGetError(); e != GL_NO_ERROR; e = glGetError())
        problems += "GL error " + std::to_string(e) + "; ";
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    if (depth != 1)
        problems += "modelview depth " + std::to_string(depth) + "; ";
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
    if (depth != 1)
        problems += "projection depth " + std::to_string(depth) + "; ";
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    if (mode != GL_MODELVIEW)
        problems += "matrix mode left at " + std::to_string(mode) + "; ";
    return problems;
}

} // namespace gl_test

#include "app/events.h"

void gl_test::reshapeToWindow() {
    onReshape(width, height);
}
