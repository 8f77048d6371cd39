#pragma once
// The cross-cap morph: a Moebius band (t = 0) deformed, keeping its single
// boundary curve, until that boundary is a flat circle (t = 1). Every
// generator of the surface is a cubic Hermite arc across the band; a in
// [0, 1] runs along it from one boundary point to the other, b runs along the
// band with period 2, and the generator at b + 1 is the one at b reversed.
// Also the sample grids the cross-cap scene draws. Pure: no GL.

#include "geom/vec.h"
#include "scenes/projective/surface_samples.h"

#include <vector>

namespace cross_cap {

// Step of the finite differences for normals and tube frames.
constexpr double differenceStep = 0.00001;

// One generator: the Hermite arc from start (a = 0) to start + span (a = 1),
// leaving with tangent and arriving with -tangent.
struct Generator {
    Vec3 start;   // the boundary point S(b)
    Vec3 tangent; // 3 (R - (S + Q) / 2), zero at t = 0 where the arc is straight
    Vec3 span;    // Q(b) - S(b)

    Vec3 pointAt(double a) const {
        return start + a * tangent + (a * a) * (3.0 * span - tangent) - (2.0 * a * a * a) * span;
    }
};

// The surface at one morph parameter t in [0, 1].
class Surface {
  public:
    explicit Surface(double t) : t(t) {}

    Generator generatorAt(double b) const;
    // The boundary curve, period 2 in b: surfacePoint(0, b), evaluated alone.
    Vec3 boundaryPoint(double b) const;
    Vec3 surfacePoint(double a, double b) const;
    // Unit normal by forward differences of step differenceStep in a and b.
    Vec3 surfaceNormal(double a, double b) const;

    double t;
};

// The point at a on generator g with its normal, where next is the generator
// differenceStep further along b; lets a grid share generators between its
// samples.
SurfaceVertex sampleBetween(const Generator& g, const Generator& next, double a);

// The band as drawn: rows b_i = i / 51 for i = 0 to 51, columns a_j = j / 29
// for j = 0 to 29. Strip i joins rows i and i + 1. A detail of N samples N
// times finer both ways: b_i = (i + shift) / 51N for i = 0 to 51N, a_j = j /
// 29N, where for even N the rows are shifted by a quarter step, since rows
// placed evenly about b = 1/4 or 3/4 would meet pairwise on the cross-cap's
// double line a = 1/2 at t = 1.
constexpr int surfaceStripCount = 51;
constexpr int surfaceAcrossSamples = 30;
SampleGrid surfaceGrid(const Surface& surface, int detail = 1);
// Whether strip i is drawn in surface mode 0 (none), 1 (whole) or 2 (two
// strips drawn, two left out, and so on).
bool surfaceStripDrawn(int strip, int surfaceMode);

// The boundary tube, radius 0.05, 12 vertices a ring (the last closes it).
// Ring k sits at sample k + 1 of the boundary, b = 2 (k + 1) / 99, and
// hues[k] = (k + 1) / 99 is its colour parameter. Neighbouring rings make one
// strip; the 99 strips run from b = 2/99 to 200/99, exactly one period, so
// the last ring lies on the first and the tube closes. A detail of N puts
// 99N + 1 rings at b = 2 (k + 1) / 99N.
struct BoundaryTube {
    SampleGrid rings;
    std::vector<double> hues;
};
constexpr double boundaryTubeRadius = 0.05;
BoundaryTube boundaryTube(const Surface& surface, int detail = 1);

// Where along the band the dial puts the generator tube: frac(w / 2 pi) of
// the dial angle w in radians, in [0, 1) for negative angles too.
double generatorPosition(double dialAngle);
// The tube along the generator at b = p: 51 rings at a_i = i / 50, radius
// 0.04, 10 vertices a ring (the last closes it); 50N + 1 rings for a detail
// of N.
constexpr double generatorTubeRadius = 0.04;
SampleGrid generatorTube(const Surface& surface, double p, int detail = 1);

} // namespace cross_cap
