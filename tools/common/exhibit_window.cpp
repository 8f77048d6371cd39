#include "tools/common/exhibit_window.h"

#include "app/events.h"
#include "app/heap_policy.h"
#include "app/scene.h"
#include "app/scene_manager.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

bool shown = false;

// The tools draw their frames themselves; GLUT only reports that the window
// is on screen.
void onFirstDisplay() {
    shown = true;
}

} // namespace

void exhibit_window::open(const char* programName) {
    // GLUT would end the process with a message of its own.
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        std::fprintf(stderr, "%s: no X display; run it under tools/with-xvfb\n", programName);
        std::exit(1);
    }
    int argc = 1;
    char* argv[] = {const_cast<char*>(programName), nullptr};
    // As the exhibit does, so that what is measured is what it draws.
    keepFreedHeapForNextFrames();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(width, height);
    glutCreateWindow("Lembovari");
    glutDisplayFunc(onFirstDisplay);
    glutReshapeFunc(onReshape);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!shown && std::chrono::steady_clock::now() < giveUp)
        glutMainLoopEvent();
}

void exhibit_window::startScenes(const std::vector<std::string>& keys) {
    SceneManager& manager = SceneManager::instance();
    manager.clearOrder();
    for (const std::string& key : keys)
        manager.appendByName(key);
    onReshape(width, height);
    if (Scene* first = manager.current())
        first->setupGL();
}

RgbImage exhibit_window::readFrame() {
    std::vector<unsigned char> upward(std::size_t(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, upward.data());
    RgbImage image{width, height, std::vector<unsigned char>(upward.size())};
    const std::size_t row = std::size_t(width) * 3;
    for (int y = 0; y < height; ++y)
        std::copy_n(upward.begin() + std::ptrdiff_t((height - 1 - y) * row), row,
                    image.pixels.begin() + std::ptrdiff_t(y * row));
    return image;
}

std::string exhibit_window::renderer() {
    const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return name ? name : "unknown";
}
