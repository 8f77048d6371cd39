#pragma once
// The request for a scene's model as its live controls stand at a moment: a
// slider's value, a dial's angle at that moment (spinning or not), a row's
// selected icon, a button's count of activations since the scene's last
// reset, and those presses in the order they came. What the page exports is
// the scene the visitor has in front of them.

#include "geom/clock.h"
#include "geom/scene_model.h"

#include <optional>
#include <string>

class Scene;
struct ExportedScene;

// Nothing, with a one-line reason in error, when the scene's controls are
// not the ones the catalogue lists for it (their kinds in panel order).
std::optional<ModelRequest> liveRequest(const Scene& scene, const ExportedScene& exported,
                                        Millis now, std::string& error);
