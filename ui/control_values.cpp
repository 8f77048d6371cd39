#include "ui/control_values.h"

#include <cmath>

double SliderTrack::valueAt(double px) const {
    const double span = right - left;
    const double t = span != 0 ? (px - left) / span : 0.0;
    return (1 - t) * minimum + t * maximum;
}

double SliderTrack::exactColumn(double v) const {
    const double range = maximum - minimum;
    const double t = range != 0 ? (v - minimum) / range : 0.0;
    return t * right + (1 - t) * left;
}

double SliderTrack::clamped(double v) const {
    if (v < minimum)
        return minimum;
    if (v > maximum)
        return maximum;
    return v;
}

double SliderTrack::pressed(double value, double x) const {
    if (std::fabs(static_cast<int>(exactColumn(value)) - x) > 10)
        return clamped(valueAt(std::trunc(x)));
    return value;
}

double SliderTrack::dragged(double value, int columns) const {
    // Rounded, not truncated: the value of a column must give that column
    // back, or a value a hair below it would hold one-column steps in place.
    return clamped(valueAt(std::round(exactColumn(value)) + columns));
}

double dialTurn(Vec2 centre, Vec2 from, Vec2 to) {
    const Vec2 a = from - centre;
    const Vec2 b = to - centre;
    const double g = std::sqrt((a.x * a.x + a.y * a.y) * (b.x * b.x + b.y * b.y));
    return g > 0 ? (a.x * b.y - a.y * b.x) / g : 0.0;
}

double dialSpinRate(Vec2 centre, Vec2 p, Vec2 v) {
    const Vec2 r0 = p - centre;
    const double r0Length = std::sqrt(r0.x * r0.x + r0.y * r0.y);
    // Released exactly on the centre there is no direction to spin about.
    if (r0Length == 0.0)
        return 0;
    const Vec2 r1 = r0 + v * 0.001; // where the pointer would be a millisecond later
    const Vec2 u = r0 * (1.0 / r0Length);
    const double radiansPerMilli = std::atan2(u.x * r1.y - u.y * r1.x, u.x * r1.x + u.y * r1.y);
    return std::fabs(radiansPerMilli) < 0.00001 ? 0 : radiansPerMilli;
}

int iconSlotAt(double x, double centreX, int count, double spacing) {
    const double start = centreX - count * spacing * 0.5;
    const double slot = std::floor((x - start) / spacing);
    if (slot < 0)
        return 0;
    if (slot > count - 1)
        return count - 1;
    return static_cast<int>(slot);
}
