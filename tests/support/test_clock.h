#pragma once
// A clock the tests drive by hand, installed in place of the steady one.

#include "geom/clock.h"

namespace test_clock {
// Installs the hand clock and sets it to now.
void set(Millis now);
void advance(Millis millis);
Millis now();
// Goes back to the steady clock.
void restore();
} // namespace test_clock
