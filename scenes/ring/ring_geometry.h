#pragma once
// The interlaced Moebius ring: a thin band whose centre line runs twice round
// a circle of radius 2.5 in the z = 0 plane as t goes from 0 to 1, while the
// band turns three half-turns about that line, so that it closes with its two
// sides exchanged and has a single edge, which closes after t has run to 2.
// The two passes cross at right angles and pass through each other's
// elliptical windows. Everything here is pure sampling: no GL. Which faces the
// drawing may cull is the drawing's own business (ring_culling.h).

#include "geom/vec.h"

#include <array>
#include <vector>

namespace ring {

// The moving frame of the band at t for the twist phase phi (radians).
struct RingFrame {
    Vec3 centre;  // on the circle of radius 2.5
    Vec3 tangent; // of the circle
    Vec3 across;  // across the band; across(t + 1) = -across(t)
    Vec3 normal;  // through the band
};
RingFrame ringFrame(double t, double phi);

constexpr double bandHalfWidth = 0.8;
constexpr double sheetOffset = 0.05; // each face sheet's distance from the mid-surface
constexpr double windowHalfWidth = 0.6;
constexpr double edgeTubeRadius = 0.08;

// The uncut band: 650 vertex pairs at t = i / 649, so it runs from t = 0 to
// exactly t = 1. A window every 50 pairs: 33 pairs in it, 17 between.
constexpr int bandPairs = 650;
constexpr int windowPeriod = 50;
constexpr int windowPairs = 33;

// How many pairs a band cut back by cut (0 to 1) keeps: (1 - cut) * 650
// truncated; all for cut at or below 0 (or not a number), none at or above 1.
int bandPairCount(double cut);
double bandParameter(int pair);

// The window's shape at a pair: u runs from 1 to -1 through a window and is
// 0 between windows; halfWidth = 0.6 sqrt(1 - u^2) is how far the window
// reaches either side of the centre line; wall = sqrt(1 - u^2), 1 between
// windows, the across part of the rim's normal.
// A pair between two (a finer sampling than the screen's) gets the same
// formula, a window running from pair 0 to 32 of every 50.
struct WindowProfile {
    double u = 0;
    double halfWidth = 0;
    double wall = 1;
};
WindowProfile windowProfile(double pair);

// One vertex pair of a quad or triangle strip.
struct StripPair {
    Vec3 firstNormal, first;
    Vec3 secondNormal, second;
};

// Sheet modes: bit 1 the side of the centre line (set: +across), bit 0 the
// face above (set) or below the mid-surface for that side, bit 2 the window
// rims instead of the faces.
constexpr int sheetSide = 2;
constexpr int sheetUpper = 1;
constexpr int sheetRims = 4;
// The strip of one sheet over the frames of pairs 0 to frames.size() - 1.
void sheetStrip(int mode, const std::vector<RingFrame>& frames, std::vector<StripPair>& out);
// Whether pair i of a band of n pairs cut by a positive cut shows the cut's
// red: the first three pairs and the last four.
bool pairMarkedCut(int pair, int pairCount);

// The two cut faces at a band end (frame F, window half-width w there): the
// quad from w to 0.8 on the +across side and its mirror on the -across
// side, 0.1 thick; both face along F.tangent.
std::array<std::array<Vec3, 4>, 2> cutFaces(const RingFrame& F, double w);

// The tube along the edge: 200 segments of t step 0.01, from t = 0 to 2 uncut,
// each a triangle strip of 10 pairs round the edge (the last repeats the first).
constexpr int edgeSegments = 200;
constexpr int edgeRingVertices = 10;
constexpr double edgeStep = 0.01;
// (1 - cut) * 200 truncated, as for bandPairCount.
int edgeSegmentCount(double cut);
// The strip of segment i, whose ends have the frames start and end.
void edgeSegmentStrip(const RingFrame& start, const RingFrame& end, std::vector<StripPair>& out);

} // namespace ring
