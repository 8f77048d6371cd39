#pragma once
// A clock the tests drive by hand, installed in place of GLUT's.

#include "geom/clock.h"

namespace test_clock {
// Installs the hand clock and sets it to now.
void set(int now);
void advance(int millis);
int now();
// Goes back to GLUT's elapsed time.
void restore();
} // namespace test_clock
