#include "app/scene.h"

#include "app/scene_manager.h"
#include "geom/field_of_view.h"
#include "ui/captions.h"
#include "ui/overlay_scale.h"
#include "ui/rotator.h"
#include "ui/widget.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>
#include <GL/glu.h>

Scene::Scene(const std::string& key) : name(key), panel(new WidgetPanel) {
    SceneManager::instance().registerScene(this);
}

Scene::~Scene() = default;

std::string Scene::caption() const {
    return name;
}

std::string Scene::shownCaption() const {
    return captionIn(name, caption());
}

void Scene::reshape(int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Before the window system's first reshape the size is 0 by 0; any aspect
    // will do until then, but a division by zero would poison the matrix.
    const double aspect = height > 0 ? double(width) / double(height) : 1.0;
    gluPerspective(verticalFieldOfView(aspect), aspect > 0 ? aspect : 1.0, 1, 20);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Scene::setupGL() {
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_NORMALIZE);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHT0);
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1);
    glLightModelf(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    const float position[4] = {0, 10, 10, 1};
    const float ambient[4] = {0.3f, 0.3f, 0.3f, 1};
    const float diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
    const float specular[4] = {0.8f, 0.8f, 0.8f, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
}

void Scene::clear() const {
    glClearColor(float(backgroundColour[0] * (1.0 / 255)), float(backgroundColour[1] * (1.0 / 255)),
                 float(backgroundColour[2] * (1.0 / 255)), 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void Scene::update(Millis now) {
    if (auto* rotator = dynamic_cast<Rotator*>(backgroundElement()))
        viewOrientation = rotator->orientationAt(now);
    updateModel(now);
}

void Scene::drawForSelection() const {
    drawModel();
}

Widget* Scene::pickAt(Vec2 p, Millis now) {
    if (Widget* hit = panel->pick(p, now))
        return hit;
    return backgroundElement();
}

void Scene::rememberStart() {
    panel->rememberStart();
    if (auto* rotator = dynamic_cast<Rotator*>(backgroundElement()))
        rotator->rememberStart();
}

void Scene::reset(Millis) {
    panel->reset();
    if (auto* rotator = dynamic_cast<Rotator*>(backgroundElement()))
        rotator->reset();
}

bool Scene::isAnimating(Millis now) const {
    if (panel->isAnimating(now))
        return true;
    // backgroundElement hands out a pointer the event layer may act on, so it
    // is not const; asking it for its element changes nothing.
    const Widget* background = const_cast<Scene*>(this)->backgroundElement();
    return background && background->isAnimating(now);
}

void Scene::applyViewRotation() const {
    glMultMatrixf(viewOrientation.data());
}

int nearestSelectionName(const unsigned* buffer, int count, int bufferSize) {
    constexpr unsigned noName = 0xffff;
    unsigned best = noName;
    unsigned bestDepth = 0;
    bool found = false;
    int at = 0;
    // Each record: name count, minimum depth, maximum depth, the names.
    for (int record = 0; record < count && at + 3 <= bufferSize; ++record) {
        const unsigned names = buffer[at];
        const unsigned minDepth = buffer[at + 1];
        if (names > unsigned(bufferSize - at - 3))
            break;
        const unsigned name = names > 0 ? buffer[at + 2 + names] : noName;
        if (!found || minDepth < bestDepth) {
            found = true;
            best = name;
            bestDepth = minDepth;
        }
        at += 3 + int(names);
    }
    return !found || best == noName ? 0 : int(best);
}

int Scene::selectAt(Vec2 p) const {
    constexpr int bufferSize = 512;
    GLuint buffer[bufferSize];
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glSelectBuffer(bufferSize, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0xffff);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    {
        glLoadIdentity();
        const Vec2 at = overlayScale.toWindow(p);
        gluPickMatrix(at.x, at.y, 5, 5, viewport);
        const double aspect = viewport[3] > 0 ? double(viewport[2]) / viewport[3] : 1.0;
        gluPerspective(verticalFieldOfView(aspect), aspect, 1, 20);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        drawForSelection();
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
    }
    glPopMatrix();
    glFlush();
    const int hits = glRenderMode(GL_RENDER);
    glMatrixMode(GL_MODELVIEW);
    if (hits <= 0)
        return 0;
    return nearestSelectionName(buffer, hits, bufferSize);
}
