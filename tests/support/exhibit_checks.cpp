#include "tests/support/exhibit_checks.h"

#include "app/scene.h"
#include "app/scene_manager.h"
#include "geom/clock.h"
#include "ui/colour_editor.h"
#include "ui/credits_logo.h"
#include "ui/dial.h"
#include "ui/option_row.h"
#include "ui/rotator.h"
#include "ui/scene_menu.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <unistd.h>

namespace exhibit_checks {

bool sane(Scene& scene) {
    bool ok = true;
    auto check = [&](bool holds, const char* what) {
        if (!holds) {
            ADD_FAILURE() << scene.name << ": " << what;
            ok = false;
        }
    };
    for (const auto& item : scene.panel->items()) {
        PanelItem* p = item.get();
        if (auto* slider = dynamic_cast<Slider*>(p)) {
            check(std::isfinite(slider->value), "a slider's value is not finite");
            check(slider->value >= slider->minimum && slider->value <= slider->maximum,
                  "a slider's value is out of its range");
        } else if (auto* dial = dynamic_cast<Dial*>(p)) {
            check(std::isfinite(dial->angleAt(elapsedMillis())), "a dial's angle is not finite");
            check(std::isfinite(dial->angularVelocity()), "a dial's spin is not finite");
        } else if (auto* row = dynamic_cast<OptionRow*>(p)) {
            check(row->selected >= 0 && row->selected < row->iconCount,
                  "an icon row's selection is out of range");
        } else if (auto* menu = dynamic_cast<SceneMenu*>(p)) {
            const double openness = menu->opennessAt(elapsedMillis());
            check(openness >= 0 && openness <= 1, "the menu's openness");
        } else if (auto* logo = dynamic_cast<CreditsLogo*>(p)) {
            const double openness = logo->opennessAt(elapsedMillis());
            check(openness >= 0 && openness <= 1,
                  ("the logo's openness " + std::to_string(openness)).c_str());
        }
    }
    if (auto* rotator = dynamic_cast<Rotator*>(scene.backgroundElement())) {
        const auto orientation = rotator->orientationAt(elapsedMillis());
        check(std::all_of(orientation.begin(), orientation.end(),
                          [](float v) { return std::isfinite(v); }),
              "the view rotation is not finite");
        check(std::isfinite(rotator->spinRate().x) && std::isfinite(rotator->spinRate().y),
              "the spin is not finite");
    }
    for (int c : backgroundColour)
        check(c >= 0 && c <= 255, "the background colour is out of range");
    return ok;
}

double orthonormalityError(const Rotator& rotator) {
    const auto matrix = rotator.orientationAt(elapsedMillis());
    double worst = 0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            double dot = 0;
            for (int k = 0; k < 3; ++k)
                dot += double(matrix[i * 4 + k]) * double(matrix[j * 4 + k]);
            worst = std::max(worst, std::fabs(dot - (i == j ? 1.0 : 0.0)));
        }
    return worst;
}

void listEveryRegisteredScene() {
    SceneManager& manager = SceneManager::instance();
    std::vector<std::string> keys;
    for (const Scene* scene : manager.registered())
        keys.push_back(scene->name);
    manager.useStartupKeys(keys);
    manager.clearOrder();
}

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

} // namespace exhibit_checks
