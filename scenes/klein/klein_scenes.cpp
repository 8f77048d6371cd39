#include "scenes/klein/klein_scenes.h"

#include "scenes/klein/klein_controls.h"
#include "scenes/klein/style_selector.h"
#include "ui/dial.h"
#include "ui/rotator.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>

namespace {
// How far the bottle stands in front of the viewer.
constexpr double viewDistance = 10;

void showState(DrawnKleinTube& tube, const KleinTubeState& state) {
    tube.update(state.stage, state.morph, state.style);
}
} // namespace

KleinScene::KleinScene(const std::string& key, KleinStage stage, Rotator& rotator)
    : Scene(key), tube(stage), rotator(rotator) {}

Widget* KleinScene::backgroundElement() {
    return &rotator;
}

void KleinScene::drawModel() const {
    glPushMatrix();
    {
        glTranslated(0, 0, -viewDistance);
        applyViewRotation();
        tube.drawStage();
    }
    glPopMatrix();
}

KleinFromRectangleScene::KleinFromRectangleScene(Rotator& rotator)
    : KleinScene("KleinBottle1", RollRectangle, rotator) {
    control = placed(new Slider, BottomLeft, {200, 20});
    panel->add(control);
    rotator.rotateAboutAxis({0, 0, 1}, 90);
}

void KleinFromRectangleScene::updateModel(Millis) {
    showState(tube, rectangleSliderState(control->value));
}

KleinBottleScene::KleinBottleScene(Rotator& rotator)
    : KleinScene("KleinBottle3", WholeBottle, rotator) {
    control = placed(new StyleSelector, BottomLeft, {200, 20});
    panel->add(control);
}

void KleinBottleScene::updateModel(Millis) {
    showState(tube, bottleStyleState(control->selected));
}

KleinLabelScene::KleinLabelScene(Rotator& rotator)
    : KleinScene("KleinBottle4", MirroredBottle, rotator) {
    control = placed(new Dial, BottomLeft, {100, 20});
    panel->add(control);
}

void KleinLabelScene::updateModel(Millis now) {
    showState(tube, labelDialState(control->angleAt(now)));
}

KleinHalvesScene::KleinHalvesScene(Rotator& rotator)
    : KleinScene("KleinBottle5", CutBottle, rotator) {
    control = placed(new Slider, BottomLeft, {150, 20});
    panel->add(control);
}

void KleinHalvesScene::updateModel(Millis) {
    showState(tube, halvesSliderState(control->value));
}
