#pragma once
// How the Moebius scenes' controls shape their strip: the scenes' update
// step and the export both read the controls' values through these, so
// that what is exported is what is drawn. Angles in radians. Pure: no GL.

#include "geom/clock.h"
#include "scenes/moebius/moebius_strip.h"

#include <cstddef>

namespace strip_controls {

// "Moebius", "Moebius3": the slider's value (the bend, or the lift of the
// cut halves) and the twist dial's angle.
void setValueAndTwist(MoebiusStrip& strip, double value, double twistAngle);
// "Moebius5": the same and the icon chosen for the middle part.
void setCutInThree(MoebiusStrip& strip, double value, double twistAngle, int cutStyle);
// "Moebius4": the twist dial's angle and the slide dial's.
void setSliding(MoebiusStrip& strip, double twistAngle, double slideAngle);

// "Moebius2"'s buttons by their panel order: 0 adds a wheel at now, 1
// takes the oldest away, 2 takes all; any other index does nothing.
enum WheelButton : std::size_t { addWheel = 0, removeWheel = 1, clearWheels = 2 };
void pressWheelButton(MoebiusStrip& strip, std::size_t button, Millis now);

} // namespace strip_controls
