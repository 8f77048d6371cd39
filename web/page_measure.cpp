// A hook for measuring the page in given states: the shown scene's own
// controls set from words such as "slider0=1 row0=2", each control named by
// its kind and its place among the scene's controls of that kind, as the
// snapshot tool names them (the panel's standard items are not counted).

#include "app/scene.h"
#include "app/scene_manager.h"
#include "geom/clock.h"
#include "ui/dial.h"
#include "ui/option_row.h"
#include "ui/push_button.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/glut.h>
#include <emscripten.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

namespace {

// The control's name for its kind and place, or empty for an item that is
// no control.
std::string nameOf(PanelItem* item, std::map<std::string, int>& counts) {
    const char* kind = dynamic_cast<Slider*>(item)       ? "slider"
                       : dynamic_cast<Dial*>(item)       ? "dial"
                       : dynamic_cast<OptionRow*>(item)  ? "row"
                       : dynamic_cast<PushButton*>(item) ? "button"
                                                         : nullptr;
    return kind ? kind + std::to_string(counts[kind]++) : std::string();
}

void set(PanelItem* item, double value) {
    if (auto* slider = dynamic_cast<Slider*>(item))
        slider->value = value;
    else if (auto* dial = dynamic_cast<Dial*>(item))
        dial->setAngle(value);
    else if (auto* row = dynamic_cast<OptionRow*>(item))
        row->selected = int(value);
    else if (auto* button = dynamic_cast<PushButton*>(item))
        button->activate(elapsedMillis());
}

} // namespace

// Unknown names and words without a value do nothing.
extern "C" EMSCRIPTEN_KEEPALIVE void lembovari_set_controls(const char* words) {
    Scene* scene = SceneManager::instance().current();
    if (!scene)
        return;
    static const std::size_t standardItems = WidgetPanel().items().size();
    std::map<std::string, PanelItem*> controls;
    std::map<std::string, int> counts;
    const auto& items = scene->panel->items();
    for (std::size_t i = standardItems; i < items.size(); ++i) {
        const std::string name = nameOf(items[i].get(), counts);
        if (!name.empty())
            controls[name] = items[i].get();
    }
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        const auto equals = word.find('=');
        const auto found = controls.find(word.substr(0, equals));
        if (equals != std::string::npos && found != controls.end())
            set(found->second, std::atof(word.c_str() + equals + 1));
    }
    glutPostRedisplay();
}
