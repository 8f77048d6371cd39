#include "app/scene_manager.h"

#include "app/scene.h"
#include "app/scene_order.h"
#include "ui/colour_editor.h"
#include "ui/overlay_scale.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>

SceneManager& SceneManager::instance() {
    // Created on the first registration, during static construction of the
    // first scene, whatever the order of the translation units.
    static SceneManager manager;
    if (!sceneList())
        setSceneList(&manager);
    return manager;
}

std::string SceneManager::captionAt(int index) const {
    const Scene* scene = sceneAt(index);
    return scene ? scene->shownCaption() : std::string();
}

void SceneManager::registerScene(Scene* scene) {
    if (byName.emplace(scene->name, scene).second)
        registrationOrder.push_back(scene);
}

void SceneManager::appendByName(const std::string& key) {
    if (Scene* scene = byKey(key))
        order.push_back(scene);
}

void SceneManager::buildOrder() {
    if (startupKeys) {
        for (const std::string& key : *startupKeys)
            appendByName(key);
        return;
    }
    for (const char* const* key = startupSceneKeys; *key; ++key)
        appendByName(*key);
}

Scene* SceneManager::sceneAt(int index) const {
    if (index < 0 || index >= count())
        return nullptr;
    return order[std::size_t(index)];
}

Scene* SceneManager::byKey(const std::string& key) const {
    const auto found = byName.find(key);
    return found == byName.end() ? nullptr : found->second;
}

void SceneManager::clearOrder() {
    order.clear();
    currentIndex = 0;
}

void SceneManager::select(int index) {
    if (index == currentIndex || index < 0 || index >= count())
        return;
    if (Scene* outgoing = current())
        outgoing->onSceneSwitch();
    currentIndex = index;
    Scene* incoming = current();
    incoming->onSceneSwitch();
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const Vec2 size = overlayScale.overlaySize(viewport[2], viewport[3]);
    incoming->panel->layout(size.x, size.y);
    incoming->reshape(viewport[2], viewport[3]);
    incoming->setupGL();
    if (incoming->panel->colourEditor)
        incoming->panel->colourEditor->hidden = true;
    for (const auto& watcher : selectionWatchers)
        watcher(*incoming);
}
