#include "geom/clock.h"

#include <chrono>

namespace {
ClockSource installedSource = nullptr;

// The steady clock never goes back and, counted in 64 bits of milliseconds,
// lasts longer than any exhibit; GLUT's elapsed time is an int that wraps
// after 24.8 days.
Millis steadyMillis() {
    using namespace std::chrono;
    static const steady_clock::time_point start = steady_clock::now();
    return duration_cast<milliseconds>(steady_clock::now() - start).count();
}
} // namespace

Millis elapsedMillis() {
    return installedSource ? installedSource() : steadyMillis();
}

void setClockSource(ClockSource source) {
    installedSource = source;
}
