// The exhibit's scenes as the export tool knows them: the same keys, the
// same controls with the same ranges and start values as the live scenes
// (a GL test compares the two), and each scene's model function.

#include "tools/export/export_catalogue.h"

#include "scenes/klein/klein_export.h"
#include "scenes/moebius/moebius_export.h"
#include "scenes/polyhedra/polyhedra_export.h"
#include "scenes/projective/projective_export.h"
#include "scenes/ring/ring_export.h"

namespace {

// One control with its value when the scene starts.
struct StartingControl {
    ControlInfo info;
    double start = 0.0;
};

StartingControl slider(double start = 0.0) {
    return {{ControlKind::slider, 0.0, 1.0, 0, 0}, start};
}

// A dial's start is an angle in radians.
StartingControl dial(double start = 0.0) {
    return {{ControlKind::dial, 0.0, 1.0, 0, 0}, start};
}

StartingControl row(int icons, int selected) {
    return {{ControlKind::row, 0.0, 1.0, icons, selected}, double(selected)};
}

StartingControl button() {
    return {{ControlKind::button, 0.0, 1.0, 0, 0}, 0.0};
}

ExportedScene scene(std::string key, std::vector<StartingControl> controls,
                    SceneModel (*model)(const ModelRequest&)) {
    ExportedScene exported;
    exported.key = std::move(key);
    for (const StartingControl& c : controls) {
        exported.controls.push_back(c.info);
        exported.startValues.push_back(c.start);
    }
    exported.model = model;
    return exported;
}

// The twisting dials of the Moebius scenes start at a half turn: the band
// as a Moebius strip.
std::vector<ExportedScene> makeCatalogue() {
    return {
        scene("KleinBottle1", {slider()}, kleinFromRectangleModel),
        scene("KleinBottle3", {row(3, 0)}, kleinBottleModel),
        scene("KleinBottle4", {dial()}, kleinLabelModel),
        scene("KleinBottle5", {slider()}, kleinHalvesModel),
        scene("Moebius", {slider(), dial(pi)}, squareToMoebiusModel),
        scene("Moebius2", {button(), button(), button(), row(3, 0)}, wheelsModel),
        scene("Moebius3", {slider(), dial(pi)}, cutInTwoModel),
        scene("Moebius4", {dial(pi), dial(pi)}, slidingStripModel),
        scene("Moebius5", {slider(), dial(pi), row(3, 0)}, cutInThreeModel),
        scene("Moebius6", {}, stripMapModel),
        scene("ProjectivePlane1", {slider(), row(3, 1), row(4, 1), dial()}, crossCapModel),
        scene("ProjectivePlane2", {slider(), row(3, 1)}, uncrossedCrossCapModel),
        scene("ring", {slider(), slider(), dial()}, ringModel),
        scene("tetratetra", {slider()}, tetratetraModel),
        scene("cubeocta", {slider()}, cubeoctaModel),
        scene("icododeca", {slider()}, icododecaModel),
    };
}

} // namespace

const std::vector<ExportedScene>& exportedScenes() {
    static const std::vector<ExportedScene> catalogue = makeCatalogue();
    return catalogue;
}

const ExportedScene* exportedScene(const std::string& key) {
    for (const ExportedScene& s : exportedScenes())
        if (s.key == key)
            return &s;
    return nullptr;
}

ModelRequest requestFor(const ExportedScene& scene, const std::vector<ControlSetting>& settings,
                        int detail, const std::string& language) {
    ModelRequest request;
    request.values = scene.startValues;
    request.detail = detail;
    request.language = language;
    for (const ControlSetting& setting : settings) {
        if (setting.control >= request.values.size())
            continue;
        if (scene.controls[setting.control].kind == ControlKind::button) {
            request.values[setting.control] += 1;
            request.presses.push_back(setting.control);
        } else {
            request.values[setting.control] = setting.value;
        }
    }
    return request;
}
