#include "geom/ramp.h"

#include <algorithm>

double Ramp::at(Millis now) const {
    if (perMilli == 0.0)
        return from;
    const double elapsed = double(std::max<Millis>(now - stamp, 0));
    return std::clamp(from + perMilli * elapsed, low, high);
}

bool Ramp::moves(Millis now) const {
    if (perMilli > 0)
        return at(now) < high;
    if (perMilli < 0)
        return at(now) > low;
    return false;
}

void Ramp::steer(double rate, Millis now) {
    from = at(now);
    stamp = now;
    perMilli = rate;
}

void Ramp::set(double value) {
    from = std::clamp(value, low, high);
    perMilli = 0.0;
}
