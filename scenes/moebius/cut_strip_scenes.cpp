#include "scenes/moebius/cut_strip_scenes.h"

#include "scenes/moebius/strip_controls.h"
#include "scenes/moebius/strip_selectors.h"
#include "ui/dial.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

CutInTwoScene::CutInTwoScene(Rotator& rotator) : MoebiusScene("Moebius3", CutInTwo, rotator) {
    liftSlider = addSlider(150);
    twistDial = addDial(250);
}

void CutInTwoScene::readControls(Millis now) {
    strip_controls::setValueAndTwist(strip, liftSlider->value, twistDial->angleAt(now));
}

CutInThreeScene::CutInThreeScene(Rotator& rotator) : MoebiusScene("Moebius5", CutInThree, rotator) {
    liftSlider = addSlider(150);
    twistDial = addDial(250);
    cutSelector = placed(new CutStyleSelector, BottomLeft, {330, 20});
    panel->add(cutSelector);
}

void CutInThreeScene::readControls(Millis now) {
    strip_controls::setCutInThree(strip, liftSlider->value, twistDial->angleAt(now),
                                  cutSelector->selected);
}

SlidingStripScene::SlidingStripScene(Rotator& rotator)
    : MoebiusScene("Moebius4", Sliding, rotator) {
    twistDial = addDial(250);
    slideDial = addDial(200);
}

void SlidingStripScene::readControls(Millis now) {
    strip_controls::setSliding(strip, twistDial->angleAt(now), slideDial->angleAt(now));
}
