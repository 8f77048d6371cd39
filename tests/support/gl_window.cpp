#include "tests/support/gl_window.h"

#include "ui/widget_panel.h"

#include <GL/freeglut.h>

#include <cmath>

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
    return pixels::at(reinterpret_cast<const unsigned char*>(pixels.data()), width, x, y);
}

double Frame::middleCoverage(int tolerance) const {
    const pixels::Box middle{width / 4, height / 4, width / 2, height / 2};
    const int count = pixels::countUnlike(middle, background(), tolerance,
                                          [this](int x, int y) { return at(x, y); });
    return count / (width / 2.0 * (height / 2.0));
}

Frame captureFrame() {
    return {readFrame()};
}

int differences(const Frame& a, const Frame& b, int tolerance, int y0) {
    return pixels::countDifferent(
        pixels::Box{0, y0, width, height - y0}, tolerance, [&](int x, int y) { return a.at(x, y); },
        [&](int x, int y) { return b.at(x, y); });
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
