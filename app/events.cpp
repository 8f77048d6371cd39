#include "app/events.h"

#include "app/idle_reset.h"
#include "app/journal.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "geom/clock.h"
#include "geom/pointer_trail.h"
#include "ui/colour_editor.h"
#include "ui/overlay_scale.h"
#include "ui/widget.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdlib>

int windowWidth = 0;
int windowHeight = 0;
Vec2 pointerPoint;
Widget* pointerTarget = nullptr;
bool drawOnDemand = true;
bool quitKeys = true;

namespace {

bool idleInstalled = false;

// The press in progress as a finger's tap: where it landed, in window
// pixels and in overlay units, and whether it has moved past the slop.
double tapSlop = 0;
int pressX = 0;
int pressY = 0;
Vec2 pressPoint;
bool pastSlop = true;

// Whether a motion to window pixel (x, y) during the press still belongs to a tap.
bool withinSlop(int x, int y) {
    if (pastSlop)
        return false;
    const double dx = x - pressX;
    const double dy = y - pressY;
    if (dx * dx + dy * dy < tapSlop * tapSlop)
        return true;
    pastSlop = true;
    return false;
}

// Installs or removes the idle handler; GLUT is told only of a change.
void keepDrawing(bool keep) {
    if (keep == idleInstalled)
        return;
    idleInstalled = keep;
    glutIdleFunc(keep ? onIdle : nullptr);
}

// Everything an event can change shows in the next frame, and so does
// whatever starts moving because of it.
void eventChangesPicture() {
    glutPostRedisplay();
}

constexpr Millis flingWindowMillis = 100;

// Built on first use, so it exists whenever a handler runs whatever the
// order of static construction.
PointerTrail& pointerSamples() {
    static PointerTrail trail(flingWindowMillis);
    return trail;
}

Scene* currentScene() {
    return SceneManager::instance().current();
}

void setPointer(int x, int y) {
    pointerPoint = overlayScale.toOverlay(x, y, windowHeight);
}

// The key is named in the journal, as a stop signal is.
[[noreturn]] void quit(const char* key) {
    journalNote(std::string("stopping on ") + key);
    std::exit(0);
}

} // namespace

void installHandlers() {
    glutDisplayFunc(onDisplay);
    glutReshapeFunc(onReshape);
    glutMouseFunc(onMouse);
    glutPassiveMotionFunc(onPassiveMotion);
    glutMotionFunc(onMotion);
    idleInstalled = false;
    keepDrawing(true);
    glutKeyboardFunc(onKeyboard);
    glutSpecialFunc(onSpecialKey);
}

void initialise() {
    SceneManager::instance().buildOrder();
    if (Scene* scene = currentScene()) {
        scene->reshape(windowWidth, windowHeight);
        scene->setupGL();
    }
}

void renderFrame(Millis now) {
    Scene* scene = currentScene();
    if (!scene)
        return;
    scene->update(now);
    scene->clear();
    scene->drawModel();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    {
        glLoadIdentity();
        // A window shrunk to nothing still needs a valid projection.
        const Vec2 size = overlayScale.overlaySize(windowWidth, windowHeight);
        glOrtho(0, std::max(size.x, 1.0), 0, std::max(size.y, 1.0), -200, 200);
        glMatrixMode(GL_MODELVIEW);
        // Lines and the stroke captions thicken with everything else.
        const bool scaled = overlayScale.factor() != 1.0;
        if (scaled)
            glLineWidth(float(overlayScale.factor()));
        scene->panel->draw(now);
        if (scaled)
            glLineWidth(1);
        glMatrixMode(GL_PROJECTION);
    }
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void (*beforeReshape)() = nullptr;

void useTapSlop(double pixels) {
    tapSlop = pixels;
}

bool drawingContinues() {
    return idleInstalled;
}

void onDisplay() {
    const Millis now = elapsedMillis();
    const Scene* scene = currentScene();
    if (!scene)
        return;
    renderFrame(now);
    glutSwapBuffers();
    // Asked at the moment the frame showed, so that an animation reaching
    // its rest in this frame has been drawn at rest before the frames stop.
    keepDrawing(!drawOnDemand || scene->isAnimating(now));
}

void onReshape(int width, int height) {
    windowWidth = width;
    windowHeight = height;
    glViewport(0, 0, width, height);
    if (beforeReshape)
        beforeReshape();
    overlayScale.windowResized(width, height);
    if (Scene* scene = currentScene()) {
        const Vec2 size = overlayScale.overlaySize(width, height);
        scene->panel->layout(size.x, size.y);
        scene->reshape(width, height);
    }
    eventChangesPicture();
}

void updatePointerTarget(Millis now) {
    Scene* scene = currentScene();
    if (!scene)
        return;
    Widget* hit = scene->pickAt(pointerPoint, now);
    if (hit == pointerTarget)
        return;
    if (pointerTarget)
        pointerTarget->leave(now);
    pointerTarget = hit;
    if (pointerTarget)
        pointerTarget->enter(now);
}

void onMouse(int button, int state, int x, int y) {
    const Millis now = elapsedMillis();
    noteButton(button, state == GLUT_DOWN, now);
    setPointer(x, y);
    if (state == GLUT_DOWN) {
        pressX = x;
        pressY = y;
        pressPoint = pointerPoint;
        pastSlop = tapSlop <= 0;
        updatePointerTarget(now);
        if (pointerTarget)
            pointerTarget->press(pointerPoint, now);
        restartSamples(pointerPoint, now);
    } else if (state == GLUT_UP) {
        if (withinSlop(x, y)) {
            if (pointerTarget)
                pointerTarget->release(pressPoint, now);
            pastSlop = true;
            eventChangesPicture();
            return;
        }
        if (pointerTarget)
            pointerTarget->release(pointerPoint, now);
        const auto velocity = flingVelocity(pointerPoint, now);
        if (velocity && pointerTarget)
            pointerTarget->fling(pointerPoint, *velocity, now);
    }
    eventChangesPicture();
}

void onMotion(int x, int y) {
    const Millis now = elapsedMillis();
    noteInput(now);
    if (withinSlop(x, y))
        return;
    setPointer(x, y);
    if (pointerTarget)
        pointerTarget->drag(pointerPoint, now);
    appendSample(pointerPoint, now);
    eventChangesPicture();
}

void onPassiveMotion(int x, int y) {
    const Millis now = elapsedMillis();
    noteInput(now);
    setPointer(x, y);
    updatePointerTarget(now);
    if (pointerTarget)
        pointerTarget->hover(pointerPoint, now);
    eventChangesPicture();
}

void onIdle() {
    glutPostRedisplay();
}

void onKeyboard(unsigned char key, int, int) {
    noteKey(elapsedMillis());
    if (key == 27 && quitKeys)
        quit("Escape");
    if (key == 'S' || key == 's') {
        Scene* scene = currentScene();
        if (ColourEditor* editor = scene ? scene->panel->colourEditor : nullptr)
            editor->hidden = !editor->hidden;
    }
    eventChangesPicture();
}

void onSpecialKey(int key, int, int) {
    noteKey(elapsedMillis());
    SceneManager& manager = SceneManager::instance();
    switch (key) {
    case GLUT_KEY_F1:
    case GLUT_KEY_F2:
    case GLUT_KEY_F3:
        if (quitKeys)
            quit(key == GLUT_KEY_F1 ? "F1" : key == GLUT_KEY_F2 ? "F2" : "F3");
        break;
    case GLUT_KEY_LEFT:
    case GLUT_KEY_PAGE_UP:
        if (manager.currentIndex >= 1)
            manager.select(manager.currentIndex - 1);
        break;
    case GLUT_KEY_RIGHT:
    case GLUT_KEY_PAGE_DOWN:
        if (manager.currentIndex < manager.count() - 1)
            manager.select(manager.currentIndex + 1);
        break;
    default:
        break;
    }
    eventChangesPicture();
}

void restartSamples(Vec2 point, Millis time) {
    pointerSamples().restart(point, time);
}

void appendSample(Vec2 point, Millis time) {
    pointerSamples().append(point, time);
}

std::optional<Vec2> flingVelocity(Vec2 point, Millis now) {
    const auto perMilli = pointerSamples().velocity(point, now);
    if (!perMilli)
        return std::nullopt;
    return *perMilli * 1000.0;
}

int pointerSampleCount() {
    return int(pointerSamples().samples().size());
}
