#include "tools/common/exhibit_window.h"

#include "app/events.h"
#include "app/heap_policy.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "ui/dial.h"
#include "ui/option_row.h"
#include "ui/push_button.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

bool shown = false;

// The tools draw their frames themselves; GLUT only reports that the window
// is on screen.
void onFirstDisplay() {
    shown = true;
}

std::optional<ControlKind> kindOf(PanelItem* item) {
    if (dynamic_cast<Slider*>(item))
        return ControlKind::slider;
    if (dynamic_cast<Dial*>(item))
        return ControlKind::dial;
    if (dynamic_cast<OptionRow*>(item))
        return ControlKind::row;
    if (dynamic_cast<PushButton*>(item))
        return ControlKind::button;
    return std::nullopt;
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

std::vector<PanelItem*> ownControls(const Scene& scene) {
    // Counted from a panel of their own, so that a new standard item does
    // not shift every scene's control names.
    static const std::size_t standardItems = WidgetPanel().items().size();
    std::vector<PanelItem*> controls;
    const auto& items = scene.panel->items();
    for (std::size_t i = standardItems; i < items.size(); ++i)
        if (kindOf(items[i].get()))
            controls.push_back(items[i].get());
    return controls;
}

std::vector<ControlInfo> describeControls(const std::vector<PanelItem*>& controls) {
    std::vector<ControlInfo> infos;
    for (PanelItem* item : controls) {
        ControlInfo info;
        info.kind = *kindOf(item);
        if (auto* slider = dynamic_cast<Slider*>(item)) {
            info.minimum = slider->minimum;
            info.maximum = slider->maximum;
        } else if (auto* row = dynamic_cast<OptionRow*>(item)) {
            info.iconCount = row->iconCount;
            info.selected = row->selected;
        }
        infos.push_back(info);
    }
    return infos;
}

void applySetting(const ControlSetting& setting, PanelItem* control, Millis now) {
    if (auto* slider = dynamic_cast<Slider*>(control))
        slider->value = setting.value;
    else if (auto* dial = dynamic_cast<Dial*>(control))
        dial->setAngle(setting.value);
    else if (auto* row = dynamic_cast<OptionRow*>(control))
        row->selected = int(setting.value);
    else if (auto* button = dynamic_cast<PushButton*>(control))
        button->activate(now);
}
