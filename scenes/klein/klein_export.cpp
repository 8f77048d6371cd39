#include "scenes/klein/klein_export.h"

#include "scenes/klein/klein_controls.h"
#include "scenes/klein/klein_label_patch.h"
#include "scenes/klein/klein_sheets.h"

#include <algorithm>
#include <utility>

namespace {

// The control's value, or its start value where the request has none.
double valueOr(const ModelRequest& request, double start) {
    return request.values.empty() ? start : request.values[0];
}

// How many times finer than on screen: at least once.
int detailOf(const ModelRequest& request) {
    return std::max(request.detail, 1);
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

} // namespace

SceneModel kleinFromRectangleModel(const ModelRequest& request) {
    const KleinTubeState state = rectangleSliderState(valueOr(request, 0));
    const KleinTube tube = builtTube(state, detailOf(request));
    SceneModel model;
    model.sheets = styleSheets(tube, state.style, detailOf(request), turnedAboutX);
    for (SurfaceSheet& mark : markSheets(tube, turnedAboutX))
        model.sheets.push_back(std::move(mark));
    return model;
}

SceneModel kleinBottleModel(const ModelRequest& request) {
    const KleinTubeState state = bottleStyleState(int(valueOr(request, Solid)));
    SceneModel model;
    model.sheets = styleSheets(builtTube(state, detailOf(request)), state.style, detailOf(request),
                               turnedAboutX);
    return model;
}

SceneModel kleinLabelModel(const ModelRequest& request) {
    const KleinTube tube = builtTube(labelDialState(valueOr(request, 0)), detailOf(request));
    SceneModel model;
    model.sheets = styleSheets(tube, Solid, detailOf(request), turnedAboutZ);
    model.texture = labelTexture(request.language);
    // Without a picture the scene shows the bottle alone.
    if (!model.texture.rgba.empty())
        model.sheets.push_back(labelPatch(tube, detailOf(request), turnedAboutZ));
    return model;
}

SceneModel kleinHalvesModel(const ModelRequest& request) {
    const KleinTubeState state = halvesSliderState(valueOr(request, 0));
    const HalvesMotion motion = halvesMotion(state.morph);
    KleinTube tube = builtTube(state, detailOf(request));
    SceneModel model;
    if (motion.flattening == 0) {
        // Not cut yet: the whole bottle.
        model.sheets = styleSheets(tube, Solid, detailOf(request), turnedAboutX);
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
