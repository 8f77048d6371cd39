// The page's address names the scene shown, as #KEY: a link with it opens
// the list there, and the address follows each step without adding an entry
// to the browser's history per step.

#include "app/scene.h"
#include "app/scene_manager.h"

#include <emscripten.h>

#include <string>

#pragma clang diagnostic ignored "-Wdollar-in-identifier-extension"

namespace {

void showInAddress(const Scene& scene) {
    EM_ASM(
        {
            const hash = "#" + encodeURIComponent(UTF8ToString($0));
            if (location.hash != hash)
                history.replaceState(history.state, "", hash);
        },
        scene.name.c_str());
}

} // namespace

// Called once the program runs, before its first frame, with the address's
// key: that scene is shown when the list has it, else the first stays.
// Without a key the address is left as it is until the visitor steps.
extern "C" EMSCRIPTEN_KEEPALIVE void lembovari_follow_address(const char* key) {
    SceneManager& manager = SceneManager::instance();
    const std::string wanted = key;
    for (int k = 0; k < manager.count(); ++k)
        if (manager.sceneAt(k)->name == wanted)
            manager.select(k);
    manager.watchSelection(showInAddress);
    if (!wanted.empty() && manager.current())
        showInAddress(*manager.current());
}
