#include "tests/support/test_clock.h"

namespace test_clock {
namespace {
Millis reading = 0;
Millis source() {
    return reading;
}
} // namespace

void set(Millis value) {
    reading = value;
    setClockSource(&source);
}
void advance(Millis millis) {
    reading += millis;
    setClockSource(&source);
}
Millis now() {
    return reading;
}
void restore() {
    setClockSource(nullptr);
}
} // namespace test_clock
