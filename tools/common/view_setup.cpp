#include "tools/common/view_setup.h"

#include "app/scene.h"
#include "app/scene_manager.h"
#include "tools/common/exhibit_window.h"
#include "ui/captions.h"
#include "ui/credits_logo.h"
#include "ui/finger_size.h"
#include "ui/overlay_scale.h"
#include "ui/scene_menu.h"
#include "ui/widget_panel.h"

#include <vector>

void sizeWindow(const ViewOptions& view) {
    if (view.width > 0) {
        exhibit_window::width = view.width;
        exhibit_window::height = view.height;
    }
    // As the exhibit does fullscreen: a fixed factor wins over the fitted one.
    if (view.overlayScale > 0)
        overlayScale.fix(view.overlayScale);
    else if (view.width > 0)
        overlayScale.followWindow();
    if (view.touch) {
        overlayScale.keepAtLeast(FingerSize(FingerSize::defaultPixelsPerMm).leastOverlayScale());
        WidgetPanel::forFingers = true;
    }
}

void openView(const char* programName, const std::string& key, const ViewOptions& view) {
    if (!view.language.empty())
        useLanguage(view.language);
    sizeWindow(view);
    exhibit_window::open(programName);
    if (view.open != "menu") {
        exhibit_window::startScenes({key});
        return;
    }
    std::vector<std::string> keys;
    int current = 0;
    for (Scene* each : SceneManager::instance().registered()) {
        if (each->name == key)
            current = int(keys.size());
        keys.push_back(each->name);
    }
    exhibit_window::startScenes(keys);
    SceneManager::instance().select(current);
}

void holdOpen(const Scene& scene, const std::string& which) {
    for (const auto& item : scene.panel->items()) {
        if (auto* menu = dynamic_cast<SceneMenu*>(item.get()); menu && which == "menu")
            menu->showOpen();
        if (auto* logo = dynamic_cast<CreditsLogo*>(item.get()); logo && which == "logo")
            logo->showOpen();
    }
}
