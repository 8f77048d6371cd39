#include "scenes/moebius/moebius_scene.h"

#include "scenes/moebius/strip_controls.h"
#include "ui/dial.h"
#include "ui/rotator.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>

namespace {
constexpr double viewDistance = 10;
} // namespace

MoebiusScene::MoebiusScene(const std::string& key, MoebiusMode mode, Rotator& rotator)
    : Scene(key), rotator(rotator) {
    strip.mode = mode;
}

Widget* MoebiusScene::backgroundElement() {
    return &rotator;
}

Dial* MoebiusScene::addDial(double x) {
    Dial* dial = placed(new Dial, BottomLeft, {x, 20});
    panel->add(dial);
    // A half turn: the dials that twist the band start at the Moebius strip.
    dial->setAngle(pi);
    return dial;
}

Slider* MoebiusScene::addSlider(double x) {
    Slider* slider = placed(new Slider, BottomLeft, {x, 20});
    panel->add(slider);
    return slider;
}

void MoebiusScene::updateModel(Millis now) {
    readControls(now);
    strip.update(now);
}

Mat4 MoebiusScene::modelview() const {
    return translation(0, 0, -viewDistance) * viewRotation();
}

void MoebiusScene::drawModel() const {
    glPushMatrix();
    {
        glTranslated(0, 0, -viewDistance);
        applyViewRotation();
        strip.draw();
    }
    glPopMatrix();
}

SquareToMoebiusScene::SquareToMoebiusScene(Rotator& rotator)
    : MoebiusScene("Moebius", SquareToStrip, rotator) {
    bendSlider = addSlider(150);
    twistDial = addDial(250);
}

void SquareToMoebiusScene::readControls(Millis now) {
    strip_controls::setValueAndTwist(strip, bendSlider->value, twistDial->angleAt(now));
}
