#include "geom/clock.h"

#include <GL/freeglut.h>

namespace {
ClockSource installedSource = nullptr;
}

int elapsedMillis() {
    if (installedSource)
        return installedSource();
    return glutGet(GLUT_ELAPSED_TIME);
}

void setClockSource(ClockSource source) {
    installedSource = source;
}
