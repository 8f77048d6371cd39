#pragma once
// Every scene that can be exported, with its controls as the command line
// names them and the pure function that computes its model from their
// values. Links no GL: the export tool and the page share it.

#include "geom/scene_model.h"
#include "tools/snapshot/control_settings.h"

#include <string>
#include <vector>

struct ExportedScene {
    std::string key;
    // The scene's controls in the order of its panel, each with its range;
    // a row's `selected` is the icon it starts with.
    std::vector<ControlInfo> controls;
    // Each control's value when the scene starts (a button's is 0).
    std::vector<double> startValues;
    SceneModel (*model)(const ModelRequest& request) = nullptr;
};

// In the exhibit's order.
const std::vector<ExportedScene>& exportedScenes();
// The scene of that key, or nullptr.
const ExportedScene* exportedScene(const std::string& key);

// The request for a scene with the given settings applied to its start
// values (a button's setting counts one activation and is recorded in
// presses by its control's index in the panel, as values are).
ModelRequest requestFor(const ExportedScene& scene, const std::vector<ControlSetting>& settings,
                        int detail, const std::string& language);
