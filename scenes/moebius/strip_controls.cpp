#include "scenes/moebius/strip_controls.h"

#include "scenes/moebius/strip_faces.h"

namespace strip_controls {

void setValueAndTwist(MoebiusStrip& strip, double value, double twistAngle) {
    strip.setTwistFromAngle(twistAngle);
    strip.value = value;
}

void setCutInThree(MoebiusStrip& strip, double value, double twistAngle, int cutStyle) {
    setValueAndTwist(strip, value, twistAngle);
    strip.cutStyle = cutStyle;
}

void setSliding(MoebiusStrip& strip, double twistAngle, double slideAngle) {
    strip.setTwistFromAngle(twistAngle);
    strip.value = strip_faces::slidingValue(slideAngle);
}

void pressWheelButton(MoebiusStrip& strip, std::size_t button, Millis now) {
    switch (button) {
    case addWheel:
        strip.addWheel(now);
        break;
    case removeWheel:
        strip.removeFirstWheel();
        break;
    case clearWheels:
        strip.clearWheels();
        break;
    default:
        break;
    }
}

} // namespace strip_controls
