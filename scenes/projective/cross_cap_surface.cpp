#include "scenes/projective/cross_cap_surface.h"

#include <cmath>

namespace cross_cap {

Generator Surface::generatorAt(double b) const {
    const double phi = pi * b;
    const double psi = 2.0 * pi * b;
    const double cosPhi = std::cos(phi);
    const double sinPhi = std::sin(phi);
    const double cosPsi = std::cos(psi);
    const double sinPsi = std::sin(psi);
    const double c = 0.25 * cosPhi;

    // Band end (t = 0) and cross-cap end (t = 1) of the two boundary points
    // and of the guide that sets how far the arc bulges.
    const Vec3 bandFirst{(2.0 + c) * cosPsi, (2.0 + c) * sinPsi, 0.25 * sinPhi};
    const Vec3 capFirst{2.25 * cosPhi, 0.0, 2.25 * sinPhi};
    const Vec3 bandSecond{(2.0 - c) * cosPsi, (2.0 - c) * sinPsi, -0.25 * sinPhi};
    const Vec3 capSecond{-2.25 * cosPhi, 0.0, -2.25 * sinPhi};
    const Vec3 bandGuide{2.0 * cosPsi, 2.0 * sinPsi, 0.0};
    const Vec3 capGuide{0.0, sinPsi - 2.0, 0.0};

    const Vec3 s = (1.0 - t) * bandFirst + t * capFirst;
    const Vec3 q = (1.0 - t) * bandSecond + t * capSecond;
    const Vec3 r = (1.0 - t) * bandGuide + t * capGuide;
    return {s, 3.0 * (r - 0.5 * (s + q)), q - s};
}

Vec3 Surface::boundaryPoint(double b) const {
    const double phi = pi * b;
    const double psi = 2.0 * pi * b;
    const double c = 0.25 * std::cos(phi);
    const Vec3 bandFirst{(2.0 + c) * std::cos(psi), (2.0 + c) * std::sin(psi),
                         0.25 * std::sin(phi)};
    const Vec3 capFirst{2.25 * std::cos(phi), 0.0, 2.25 * std::sin(phi)};
    return (1.0 - t) * bandFirst + t * capFirst;
}

Vec3 Surface::surfacePoint(double a, double b) const {
    return generatorAt(b).pointAt(a);
}

Vec3 Surface::surfaceNormal(double a, double b) const {
    return sampleBetween(generatorAt(b), generatorAt(b + differenceStep), a).normal;
}

SurfaceVertex sampleBetween(const Generator& g, const Generator& next, double a) {
    const Vec3 p = g.pointAt(a);
    const Vec3 alongA = g.pointAt(a + differenceStep) - p;
    const Vec3 alongB = next.pointAt(a) - p;
    // The normal is -(alongA x alongB): the side the light is set up for.
    return {p, normalised(cross(alongB, alongA))};
}

SampleGrid surfaceGrid(const Surface& surface, int detail) {
    const int strips = surfaceStripCount * detail;
    const int steps = (surfaceAcrossSamples - 1) * detail;
    const double shift = detail % 2 == 0 ? 0.25 : 0.0;
    SampleGrid grid;
    grid.columns = steps + 1;
    grid.vertices.reserve(std::size_t(strips + 1) * std::size_t(steps + 1));
    for (int i = 0; i <= strips; ++i) {
        const double b = (i + shift) / strips;
        const Generator g = surface.generatorAt(b);
        const Generator next = surface.generatorAt(b + differenceStep);
        for (int j = 0; j <= steps; ++j)
            grid.vertices.push_back(sampleBetween(g, next, double(j) / steps));
    }
    return grid;
}

bool surfaceStripDrawn(int strip, int surfaceMode) {
    if (surfaceMode == 2)
        return (strip & 2) == 0;
    return surfaceMode > 0;
}

BoundaryTube boundaryTube(const Surface& surface, int detail) {
    const int steps = 99 * detail;
    const int ringCount = steps + 1;
    constexpr int ringSize = 12;
    static const RingAngles angles(ringSize);
    constexpr double h = differenceStep;

    BoundaryTube tube;
    tube.rings.columns = ringSize;
    tube.rings.vertices.reserve(std::size_t(ringCount) * ringSize);
    tube.hues.reserve(ringCount);
    for (int sample = 1; sample <= ringCount; ++sample) {
        const double u = double(sample) / steps;
        const double b = 2.0 * u;
        const Vec3 centre = surface.boundaryPoint(b);
        const Vec3 forward = surface.boundaryPoint(b + h) - centre;
        const Vec3 backward = centre - surface.boundaryPoint(b - h);
        // The frame comes from the curve alone (its bend between the steps
        // on either side), so the tube needs no surface normal on the edge.
        const Vec3 tangent = normalised(forward + backward);
        const Vec3 bend = normalised(cross(backward, forward));
        const Vec3 side = cross(tangent, bend);
        for (int k = 0; k < ringSize; ++k) {
            const Vec3 out = angles.cosines[k] * bend + angles.sines[k] * side;
            tube.rings.vertices.push_back({centre + boundaryTubeRadius * out, out});
        }
        tube.hues.push_back(u);
    }
    return tube;
}

double generatorPosition(double dialAngle) {
    const double turns = dialAngle / (2.0 * pi);
    const double p = turns - std::floor(turns);
    // A tiny negative angle rounds to a whole turn; p = 1 would be the same
    // generator reversed, so keep to the half-open range the callers expect.
    return p < 1.0 ? p : 0.0;
}

SampleGrid generatorTube(const Surface& surface, double p, int detail) {
    const int ringCount = 50 * detail + 1;
    constexpr int ringSize = 10;
    static const RingAngles angles(ringSize);
    constexpr double h = differenceStep;

    const Generator g = surface.generatorAt(p);
    const Generator next = surface.generatorAt(p + h);
    SampleGrid tube;
    tube.columns = ringSize;
    tube.vertices.reserve(std::size_t(ringCount) * ringSize);
    for (int i = 0; i < ringCount; ++i) {
        const double a = double(i) / (ringCount - 1);
        const SurfaceVertex centre = sampleBetween(g, next, a);
        const Vec3 tangent = normalised(g.pointAt(a + h) - g.pointAt(a - h));
        const Vec3 side = cross(tangent, centre.normal);
        for (int k = 0; k < ringSize; ++k) {
            const Vec3 out = angles.cosines[k] * side + angles.sines[k] * centre.normal;
            tube.vertices.push_back({centre.position + generatorTubeRadius * out, out});
        }
    }
    return tube;
}

} // namespace cross_cap
