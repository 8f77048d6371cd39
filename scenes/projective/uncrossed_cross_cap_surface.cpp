#include "scenes/projective/uncrossed_cross_cap_surface.h"

#include <cmath>

namespace uncrossed_cross_cap {

namespace {

Vec3 blend(const Vec3& from, const Vec3& to, double a) {
    return (1.0 - a) * from + a * to;
}

} // namespace

Vec3 Sweep::pointAt(double a) const {
    const Vec3 p01 = blend(control[0], control[1], a);
    const Vec3 p12 = blend(control[1], control[2], a);
    const Vec3 p23 = blend(control[2], control[3], a);
    return blend(blend(p01, p12, a), blend(p12, p23, a), a);
}

Sweep sweepAt(double b) {
    const double theta = 2.0 * pi * b;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double c2 = std::cos(2.0 * theta);
    const double s2 = std::sin(2.0 * theta);
    return {{{2.0 * s2, 0.0, 2.0 * c2},
             {2.0 * s2, 1.2 * c, 2.0 * c2 + 1.2 * s},
             {s2, 2.0 * c, 0.6 * s - 2.0},
             {0.0, 1.2 * c, 1.2 * s - 2.0}}};
}

Vec3 surfacePoint(double a, double b) {
    return sweepAt(b).pointAt(a);
}

Vec3 surfaceNormal(double a, double b) {
    return sampleBetween(sweepAt(b), sweepAt(b + differenceStep), a).normal;
}

Vec3 tangent(double a, double b) {
    return normalised(surfacePoint(a, b + differenceStep) - surfacePoint(a, b - differenceStep));
}

SurfaceVertex sampleBetween(const Sweep& s, const Sweep& next, double a) {
    const Vec3 p = s.pointAt(a);
    const Vec3 alongA = s.pointAt(a + differenceStep) - p;
    const Vec3 alongB = next.pointAt(a) - p;
    return {p, normalised(cross(alongA, alongB))};
}

double reach(double sliderValue) {
    return 0.1 + 0.9 * sliderValue;
}

std::vector<double> stripSamples(double r, int detail) {
    const double step = 0.025 / detail;
    std::vector<double> samples;
    for (int j = 0;; ++j) {
        const double a = step * j;
        if (a >= r) {
            samples.push_back(r);
            return samples;
        }
        samples.push_back(a);
    }
}

SampleGrid bandGrid(double r, int detail) {
    const int strips = stripCount * detail;
    const std::vector<double> across = stripSamples(r, detail);
    SampleGrid grid;
    grid.columns = int(across.size());
    grid.vertices.reserve(std::size_t(strips + 1) * across.size());
    for (int i = 0; i <= strips; ++i) {
        const double b = double(i) / strips;
        const Sweep s = sweepAt(b);
        const Sweep next = sweepAt(b + differenceStep);
        for (double a : across)
            grid.vertices.push_back(sampleBetween(s, next, a));
    }
    return grid;
}

bool stripDrawn(int strip, int surfaceMode) {
    if (surfaceMode == 2)
        return strip % 2 == 0;
    return surfaceMode > 0;
}

SampleGrid edgeTube(double r, int detail) {
    const int strips = stripCount * detail;
    const int ringCount = strips + 1;
    constexpr int ringSize = 10;
    static const RingAngles angles(ringSize);

    SampleGrid tube;
    tube.columns = ringSize;
    tube.vertices.reserve(std::size_t(ringCount) * ringSize);
    for (int i = 0; i < ringCount; ++i) {
        const double b = double(i) / strips;
        const Sweep before = sweepAt(b - differenceStep);
        const Sweep s = sweepAt(b);
        const Sweep next = sweepAt(b + differenceStep);
        const SurfaceVertex centre = sampleBetween(s, next, r);
        const Vec3 along = normalised(next.pointAt(r) - before.pointAt(r));
        const Vec3 side = cross(centre.normal, along);
        for (int k = 0; k < ringSize; ++k) {
            const Vec3 out = angles.cosines[k] * centre.normal + angles.sines[k] * side;
            tube.vertices.push_back({centre.position + edgeTubeRadius * out, out});
        }
    }
    return tube;
}

} // namespace uncrossed_cross_cap
