#include "scenes/klein/klein_scenes.h"

#include "scenes/klein/style_selector.h"
#include "ui/dial.h"
#include "ui/rotator.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>

namespace {
// How far the bottle stands in front of the viewer.
constexpr double viewDistance = 10;
// A whole turn of the label dial (2 pi) moves the label by half the morph
// range, that is by all 100 rows; at 0 the label starts at row 14.
constexpr double labelMorphPerRadian = 0.07957747154594767; // 1 / (4 pi)
constexpr double labelStart = 0.07;
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
    // The first half of the slider rolls the rectangle up, the second half
    // bends the tube in three phases of a sixth of the slider each.
    const double v = control->value;
    if (v < 0.5)
        tube.update(RollRectangle, 2 * v, Solid);
    else
        tube.update(BendTube, 2 * v - 1, Solid);
}

KleinBottleScene::KleinBottleScene(Rotator& rotator)
    : KleinScene("KleinBottle3", WholeBottle, rotator) {
    control = placed(new StyleSelector, BottomLeft, {200, 20});
    panel->add(control);
}

void KleinBottleScene::updateModel(Millis) {
    tube.update(WholeBottle, 0, control->selected);
}

KleinLabelScene::KleinLabelScene(Rotator& rotator)
    : KleinScene("KleinBottle4", MirroredBottle, rotator) {
    control = placed(new Dial, BottomLeft, {100, 20});
    panel->add(control);
}

double KleinLabelScene::labelMorph(double dialAngle) {
    return dialAngle * labelMorphPerRadian + labelStart;
}

void KleinLabelScene::updateModel(Millis now) {
    tube.update(MirroredBottle, labelMorph(control->angleAt(now)), Solid);
}

KleinHalvesScene::KleinHalvesScene(Rotator& rotator)
    : KleinScene("KleinBottle5", CutBottle, rotator) {
    control = placed(new Slider, BottomLeft, {150, 20});
    panel->add(control);
}

void KleinHalvesScene::updateModel(Millis) {
    tube.update(CutBottle, control->value, Solid);
}
