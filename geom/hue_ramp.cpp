#include "geom/hue_ramp.h"

#include <cmath>

Vec3 hueRamp(double t, double brightness) {
    static const Vec3 ramp[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    // The fraction of t in [0, 1). For a tiny negative t, t - floor(t) rounds
    // up to exactly 1, and a fraction just below 1 times six rounds up to 6:
    // both are the hue of 0 again, so the sixth is taken from the whole part
    // of h, not from k. A t that is not finite has no fraction; it counts as 0.
    double f = std::isfinite(t) ? t - std::floor(t) : 0.0;
    if (f >= 1.0)
        f = 0.0;
    const double h = f * 6.0;
    const int whole = static_cast<int>(h);
    const int k = whole % 6;
    const double g = h - whole;
    const Vec3 colour = (1.0 - g) * ramp[k % 3] + g * ramp[((k + 1) % 6) % 3];
    return colour * brightness;
}
