#include "scenes/klein/klein_controls.h"

#include "scenes/klein/klein_tube.h"

#include <cmath>

namespace {
// A whole turn of the label dial (2 pi) moves the label by half the morph
// range, that is by all 100 rows; at 0 the label starts at row 14.
constexpr double labelMorphPerRadian = 0.07957747154594767; // 1 / (4 pi)
constexpr double labelStart = 0.07;
} // namespace

KleinTubeState rectangleSliderState(double v) {
    if (v < 0.5)
        return {RollRectangle, 2 * v, Solid};
    return {BendTube, 2 * v - 1, Solid};
}

KleinTubeState bottleStyleState(int selected) {
    return {WholeBottle, 0, selected};
}

double labelMorph(double dialAngle) {
    return dialAngle * labelMorphPerRadian + labelStart;
}

KleinTubeState labelDialState(double dialAngle) {
    return {MirroredBottle, labelMorph(dialAngle), Solid};
}

KleinTubeState halvesSliderState(double value) {
    return {CutBottle, value, Solid};
}

Vec3 firstHalfPlace(const Vec3& p, double apart) {
    return {p.x, p.y - halvesGap * apart, p.z};
}

Vec3 secondHalfPlace(const Vec3& p, double apart) {
    const double angle = pi * apart;
    const double c = std::cos(angle), s = std::sin(angle);
    const double y = p.y - halvesGap;
    return {p.x, y * c - p.z * s + halvesGap - halvesGap * apart, y * s + p.z * c};
}
