// A hook for measuring the page in given states: the shown scene's own
// controls set from words such as "slider0=1 row0=2", each control named by
// its kind and its place among the scene's controls of that kind, as the
// snapshot tool names them (the panel's standard items are not counted).

#include "app/scene.h"
#include "app/scene_manager.h"
#include "geom/clock.h"
#include "tools/common/own_controls.h"

#include <GL/glut.h>
#include <emscripten.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// Unknown names and words without a value do nothing.
extern "C" EMSCRIPTEN_KEEPALIVE void lembovari_set_controls(const char* words) {
    Scene* scene = SceneManager::instance().current();
    if (!scene)
        return;
    const std::vector<PanelItem*> controls = ownControls(*scene);
    const std::vector<std::string> names = controlNames(describeControls(controls));
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        const auto equals = word.find('=');
        for (std::size_t i = 0; equals != std::string::npos && i < names.size(); ++i)
            if (names[i] == word.substr(0, equals))
                applySetting({i, std::atof(word.c_str() + equals + 1), std::nullopt}, controls[i],
                             elapsedMillis());
    }
    glutPostRedisplay();
}
