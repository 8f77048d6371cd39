#pragma once
// A Moebius band whose boundary is a round circle, swept by one cubic Bezier
// arc per b: a = 0 is the band's core circle (radius 2 in the x-z plane, run
// through twice as b goes from 0 to 1), a = 1 its boundary (radius 1.2 about
// (0, 0, -2) in the plane x = 0, run through once). The scene shows the part
// from the core out to a reach r, with a tube along the edge a = r. Also the
// sample grids that scene draws. Pure: no GL.

#include "geom/vec.h"
#include "scenes/projective/surface_samples.h"

#include <vector>

namespace uncrossed_cross_cap {

// Step of the finite differences for normals and tangents.
constexpr double differenceStep = 0.0001;

// The four control points of the arc at one b.
struct Sweep {
    Vec3 control[4];
    // The Bezier point, by repeated linear blending.
    Vec3 pointAt(double a) const;
};
Sweep sweepAt(double b);

Vec3 surfacePoint(double a, double b);
// Unit normal by forward differences in a and b (the opposite handedness of
// the cross-cap's).
Vec3 surfaceNormal(double a, double b);
// Unit tangent along b, by central differences.
Vec3 tangent(double a, double b);
// The point at a on sweep s with its normal, where next is the sweep
// differenceStep further along b.
SurfaceVertex sampleBetween(const Sweep& s, const Sweep& next, double a);

// How far out the band reaches for a slider value in [0, 1]: 0.1 to 1.
double reach(double sliderValue);

// The values of a along every strip: 0, 0.025, 0.05, ... up to the first
// that reaches r, which is replaced by r itself, so that the band ends on
// the edge tube's centre line and never pokes through it. At most 41. A
// detail of N steps by 0.025 / N.
std::vector<double> stripSamples(double r, int detail = 1);

// The band out to r: rows b_i = i / 92 for i = 0 to 92, columns
// stripSamples(r). Strip i joins rows i and i + 1. A detail of N samples N
// times finer both ways: rows b_i = i / 92N, columns stripSamples(r, N).
constexpr int stripCount = 92;
SampleGrid bandGrid(double r, int detail = 1);
// Whether strip i is drawn in surface mode 0 (none), 1 (whole) or 2 (even
// strips only).
bool stripDrawn(int strip, int surfaceMode);

// The tube along the edge a = r, radius 0.05: 93 rings at b_i = i / 92 of 10
// vertices each (the last closes the ring). Ring 92 (b = 1) lies on ring 0.
// A detail of N puts 92N + 1 rings at b_i = i / 92N.
constexpr double edgeTubeRadius = 0.05;
SampleGrid edgeTube(double r, int detail = 1);

} // namespace uncrossed_cross_cap
