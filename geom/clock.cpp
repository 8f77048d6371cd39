#include "geom/clock.h"

#include <GL/freeglut.h>

namespace {
ClockSource installedSource = nullptr;
bool held = false;
int heldReading = 0;

bool unwrapping = false;
int lastReading = 0;
Millis unwrapped = 0;
} // namespace

int elapsedMillis() {
    if (held)
        return heldReading;
    if (installedSource)
        return installedSource();
    return glutGet(GLUT_ELAPSED_TIME);
}

void setClockSource(ClockSource source) {
    installedSource = source;
}

Millis clockMillis() {
    const int reading = elapsedMillis();
    if (!unwrapping) {
        unwrapping = true;
        unwrapped = reading;
    } else {
        unwrapped += millisBetween(lastReading, reading);
    }
    lastReading = reading;
    return unwrapped;
}

ClockMoment::ClockMoment() : outermost(!held) {
    if (!outermost)
        return;
    heldReading = elapsedMillis();
    held = true;
}

ClockMoment::~ClockMoment() {
    if (outermost)
        held = false;
}
