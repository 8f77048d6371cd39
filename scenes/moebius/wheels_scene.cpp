#include "scenes/moebius/wheels_scene.h"

#include "scenes/moebius/strip_controls.h"
#include "scenes/moebius/strip_selectors.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>

namespace {

// The icons on the buttons, brown over the button's square.
void iconColour() {
    glColor3d(0.5, 0.3, 0.1);
}

void drawCross(double half) {
    glRectd(-half, -1, half, 1);
    glRectd(-1, -half, 1, half);
}

} // namespace

void AddWheelButton::draw(Millis now) const {
    PushButton::draw(now);
    iconColour();
    glPushMatrix();
    {
        glTranslated(position.x, position.y, 0);
        drawCross(4);
    }
    glPopMatrix();
}

void AddWheelButton::activate(Millis now) {
    strip_controls::pressWheelButton(*strip, strip_controls::addWheel, now);
}

void RemoveWheelButton::draw(Millis now) const {
    PushButton::draw(now);
    iconColour();
    glPushMatrix();
    {
        glTranslated(position.x, position.y, 0);
        glRectd(-4, -1, 4, 1);
    }
    glPopMatrix();
}

void RemoveWheelButton::activate(Millis now) {
    strip_controls::pressWheelButton(*strip, strip_controls::removeWheel, now);
}

void ClearWheelsButton::draw(Millis now) const {
    PushButton::draw(now);
    iconColour();
    glPushMatrix();
    {
        glTranslated(position.x, position.y, 0);
        glRotated(45, 0, 0, 1);
        drawCross(5);
    }
    glPopMatrix();
}

void ClearWheelsButton::activate(Millis now) {
    strip_controls::pressWheelButton(*strip, strip_controls::clearWheels, now);
}

WheelsScene::WheelsScene(Rotator& rotator) : MoebiusScene("Moebius2", Wheels, rotator) {
    strip.setTwistFromAngle(pi);
    // The first wheel sets out as the clock starts, whichever clock the
    // program runs on, so that a film of this scene comes out the same every time.
    strip.addWheel(0);
    panel->add(placed(new AddWheelButton(strip), BottomLeft, {100, 20}));
    panel->add(placed(new RemoveWheelButton(strip), BottomLeft, {120, 20}));
    panel->add(placed(new ClearWheelsButton(strip), BottomLeft, {140, 20}));
    styleSelector = placed(new BandStyleSelector, BottomLeft, {210, 20});
    panel->add(styleSelector);
}

void WheelsScene::reset(Millis now) {
    MoebiusScene::reset(now);
    strip.clearWheels();
    strip.addWheel(now);
}

bool WheelsScene::isAnimating(Millis now) const {
    return !strip.wheels.empty() || MoebiusScene::isAnimating(now);
}

void WheelsScene::readControls(Millis) {
    strip.bandStyle = styleSelector->selected;
}
