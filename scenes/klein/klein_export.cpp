#include "scenes/klein/klein_export.h"

#include "scenes/klein/klein_controls.h"
#include "scenes/klein/klein_label_patch.h"
#include "scenes/klein/klein_sheets.h"

namespace {

// The control's value, or its start value where the request has none.
double valueOr(const ModelRequest& request, double start) {
    return request.values.empty() ? start : request.values[0];
}

// The tube a state builds, `detail` times finer than on screen, as the
// scene's update builds it.
KleinTube builtTube(const KleinTubeState& state, int detail) {
    KleinTube tube = finerTube(state.stage, detail);
    tube.morph = state.morph;
    tube.buildSpine();
    tube.buildSurface();
    return tube;
}

// The drawing's own turn of the model into its place: half a turn about z
// for the mirrored bottle, about x for every other stage.
Vec3 turnedAboutX(const Vec3& p) {
    return {p.x, -p.y, -p.z};
}
Vec3 turnedAboutZ(const Vec3& p) {
    return {-p.x, -p.y, p.z};
}

// The whole tube in the state's style.
SceneModel tubeModel(const KleinTubeState& state, int detail) {
    SceneModel model;
    model.sheets = styleSheets(builtTube(state, detail), state.style, detail, turnedAboutX);
    return model;
}

} // namespace

SceneModel kleinFromRectangleModel(const ModelRequest& request) {
    return tubeModel(rectangleSliderState(valueOr(request, 0)), request.detail);
}

SceneModel kleinBottleModel(const ModelRequest& request) {
    return tubeModel(bottleStyleState(int(valueOr(request, Solid))), request.detail);
}

SceneModel kleinLabelModel(const ModelRequest& request) {
    const KleinTube tube = builtTube(labelDialState(valueOr(request, 0)), request.detail);
    SceneModel model;
    model.sheets = styleSheets(tube, Solid, request.detail, turnedAboutZ);
    model.texture = labelTexture(request.language);
    if (!model.texture.rgba.empty())
        model.sheets.push_back(labelPatch(tube, request.detail, turnedAboutZ));
    return model;
}

SceneModel kleinHalvesModel(const ModelRequest& request) {
    const KleinTubeState state = halvesSliderState(valueOr(request, 0));
    const HalvesMotion motion = halvesMotion(state.morph);
    KleinTube tube = builtTube(state, request.detail);
    SceneModel model;
    if (motion.flattening == 0) {
        // Not cut yet: the whole bottle.
        model.sheets = styleSheets(tube, Solid, request.detail, turnedAboutX);
        return model;
    }
    tube.halfFlattening = motion.flattening;
    tube.buildSurface();
    std::vector<Vec3> otherVertices, otherNormals;
    mirrorHalf(tube.vertices, tube.normals, otherVertices, otherNormals);
    const TubeJoins joins = tubeJoins(tube, tube.vertices);
    const double k = motion.apart;
    model.sheets.push_back(
        tubeSheet("first half", tube, tube.vertices, 0, tube.rows - 1, joins,
                  [k](const Vec3& p) { return turnedAboutX(firstHalfPlace(p, k)); }));
    model.sheets.push_back(
        tubeSheet("second half", tube, otherVertices, 0, tube.rows - 1, joins,
                  [k](const Vec3& p) { return turnedAboutX(secondHalfPlace(p, k)); }));
    return model;
}
