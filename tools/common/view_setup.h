#pragma once
// The exhibit's window opened on one scene as the snapshot and movie tools'
// view options ask: its size, language and the overlay item held open.

#include "tools/common/view_options.h"

#include <string>

class Scene;

// Makes the window that opens next view's size, its overlay view's fixed
// factor or, at a size of view's own, scaled to fit it; nothing for the
// exhibit's own window.
void sizeWindow(const ViewOptions& view);

// Speaks view's language, opens the window at view's size (the overlay
// scaled to fit it, as on a fullscreen exhibit) and starts the scene of key.
// With the menu open, every registered scene is in the list, key current, as
// the exhibit's --scenes all has it.
void openView(const char* programName, const std::string& key, const ViewOptions& view);

// Unfolds scene's menu or opens its credits at once and for good, as a
// pointer resting on them would: "menu", "logo", or anything else for
// neither.
void holdOpen(const Scene& scene, const std::string& which);
