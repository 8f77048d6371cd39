#pragma once
// The one way anything here moves by itself with time: a value that runs at
// a constant rate from the moment an event set it going, and stops at a
// bound. Its value at any moment follows from that stamp and the clock's
// reading, so drawing reads it and changes nothing, a pause in the frames
// needs no catching up, and whether it still moves is answered from the same
// stamp. Times are readings of the clock (geom/clock.h); rates are per
// millisecond. Pure: no GL, no clock reading of its own.

#include "geom/clock.h"

#include <limits>

class Ramp {
  public:
    static constexpr double unbounded = std::numeric_limits<double>::infinity();

    Ramp() = default;
    Ramp(double value, double low, double high) : from(value), low(low), high(high) {}

    // The value at now; a reading before the stamp counts as the stamp.
    double at(Millis now) const;
    // Whether a frame at now would show it elsewhere a moment later: it runs
    // and has not reached the bound it runs towards.
    bool moves(Millis now) const;
    double rate() const { return perMilli; }

    // From now on it runs at rate from where it stands now.
    void steer(double rate, Millis now);
    // Puts it at value, still.
    void set(double value);

  private:
    double from = 0.0; // the value at the stamp
    Millis stamp = 0;
    double perMilli = 0.0;
    double low = -unbounded;
    double high = unbounded;
};
