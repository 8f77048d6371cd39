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
    windowWidth = width;
    windowHeight = height;
    band = panel->modelBand(overlayScale.overlaySize(width, height).y);
    if (band) {
        band->bottom *= overlayScale.factor();
        band->top *= overlayScale.factor();
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (band) {
        glMultMatrixd(projection().m);
    } else {
        // Before the window system's first reshape the size is 0 by 0; any
        // aspect will do until then, but a division by zero would poison the
        // matrix.
        const double aspect = height > 0 ? double(width) / double(height) : 1.0;
        gluPerspective(verticalFieldOfView(aspect), aspect > 0 ? aspect : 1.0, 1, 20);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

Mat4 Scene::projection() const {
    if (band)
        return bandPerspective(windowWidth, windowHeight, band->bottom, band->top);
    const double aspect = windowHeight > 0 ? double(windowWidth) / windowHeight : 1.0;
    return perspective(verticalFieldOfView(aspect), aspect > 0 ? aspect : 1.0, 1, 20);
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

PickBox Scene::pickBoxAt(Vec2 p) const {
    return PickBox(overlayScale.toWindow(p), windowWidth, windowHeight, projection());
}
