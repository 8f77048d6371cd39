#pragma once
// The faces the Moebius drawings are made of, as data: each runs the whole
// length of the band between two long edges given in the band's cross-section.
// Pure: no GL.

#include <array>
#include <cmath>

// The cross-section of a face: between the long edges (a, b) and (c, d), in
// (across, normal) units, with the face normal e D + f N.
struct FaceSection {
    double a, b, c, d, e, f;
};

// A face of the band or of a piece of the cut band. opening is the direction
// and share in which its piece moves apart as the cut band opens: by
// 0.25 opening across at the full lift.
struct StripFace : FaceSection {
    double opening;
};

// A face of one of the two sliding bands: band is +1 for band A and -1 for
// band B, the sign of the band's shift.
struct SlidingFace : FaceSection {
    double band;
};

namespace strip_faces {

// Across in half-widths and along the normal in half-thicknesses: the same
// tables serve a band of any size.
constexpr double third = 0.3333333333333333; // half-width of the middle of three parts

// The whole band: the broad faces at +N and -N, then the long edges at +D and -D.
constexpr std::array<StripFace, 2> bandBroad{
    {{{1, 1, -1, 1, 0, -1}, 0}, {{-1, -1, 1, -1, 0, 1}, 0}}};
constexpr std::array<StripFace, 2> bandEdges{
    {{{1, -1, 1, 1, -1, 0}, 1}, {{-1, 1, -1, -1, 1, 0}, -1}}};

// Cut along the middle line: the +D half moves towards +D, the -D half the
// other way. The edges: the two outer ones, then the two faces of the cut.
constexpr std::array<StripFace, 4> cutInTwoBroad{{
    {{1, 1, 0, 1, 0, -1}, 1},
    {{0, -1, 1, -1, 0, 1}, 1},
    {{0, 1, -1, 1, 0, -1}, -1},
    {{-1, -1, 0, -1, 0, 1}, -1},
}};
constexpr std::array<StripFace, 4> cutInTwoEdges{{
    {{1, -1, 1, 1, -1, 0}, 1},
    {{-1, 1, -1, -1, 1, 0}, -1},
    {{0, -1, 0, 1, -1, 0}, 1},
    {{0, 1, 0, -1, 1, 0}, -1},
}};

// Cut along two lines a third of the width from each edge: the outer parts
// move apart by up to 0.5 each way, the middle part stays.
constexpr std::array<StripFace, 4> cutInThreeOuterBroad{{
    {{1, 1, third, 1, 0, -1}, 2},
    {{-third, 1, -1, 1, 0, -1}, -2},
    {{-1, -1, -third, -1, 0, 1}, -2},
    {{third, -1, 1, -1, 0, 1}, 2},
}};
constexpr std::array<StripFace, 2> cutInThreeMiddleBroad{{
    {{third, 1, -third, 1, 0, -1}, 0},
    {{-third, -1, third, -1, 0, 1}, 0},
}};
// The outer edges, then the cut faces of the outer parts.
constexpr std::array<StripFace, 4> cutInThreeOuterEdges{{
    {{1, -1, 1, 1, -1, 0}, 2},
    {{-1, 1, -1, -1, 1, 0}, -2},
    {{third, 1, third, -1, 1, 0}, 2},
    {{-third, -1, -third, 1, -1, 0}, -2},
}};
constexpr std::array<StripFace, 2> cutInThreeMiddleEdges{{
    {{third, -1, third, 1, -1, 0}, 0},
    {{-third, 1, -third, -1, 1, 0}, 0},
}};

// The two sliding bands, in absolute units for a band of the given width
// (band A across 0 to width, band B across -width to 0) and half-thickness h.
// Borders 0.04 wide run along both long edges of each band on both broad
// faces.
constexpr double slidingBorder = 0.04;
struct SlidingFaces {
    std::array<SlidingFace, 4> broad;   // inside the borders
    std::array<SlidingFace, 8> borders; // dark blue
    std::array<SlidingFace, 4> edges;   // the long edge faces
};
constexpr SlidingFaces slidingFaces(double width, double h) {
    const double W = width;
    const double e = W - slidingBorder;
    const double b = slidingBorder;
    return {{{
                {{e, h, b, h, 0, -1}, 1},
                {{-b, h, -e, h, 0, -1}, -1},
                {{b, -h, e, -h, 0, 1}, 1},
                {{-e, -h, -b, -h, 0, 1}, -1},
            }},
            {{
                {{W, h, e, h, 0, -1}, 1},
                {{-e, h, -W, h, 0, -1}, -1},
                {{e, -h, W, -h, 0, 1}, 1},
                {{-W, -h, -e, -h, 0, 1}, -1},
                {{b, h, 0, h, 0, -1}, 1},
                {{0, h, -b, h, 0, -1}, -1},
                {{0, -h, b, -h, 0, 1}, 1},
                {{-b, -h, 0, -h, 0, 1}, -1},
            }},
            {{
                {{W, -h, W, h, -1, 0}, 1},
                {{0, -h, 0, h, -1, 0}, 1},
                {{-W, h, -W, -h, 1, 0}, -1},
                {{0, h, 0, -h, 1, 0}, -1},
            }}};
}

// How far band A is shifted at the sliding value v (band B by the opposite):
// across by -p, along the normal by q. One cycle of the two bands around
// each other for every 0.5 of v.
struct SlidingOffset {
    double p;
    double q;
};
inline SlidingOffset slidingOffset(double v, double width) {
    const double theta = v * 12.566370614359172; // 4π
    return {width / 2 + std::cos(theta) * (width / 2 + 0.1), std::sin(theta) * 0.14};
}
// The sliding value of a dial angle (radians): the fractional part, towards
// zero, of angle / 4π, so one turn of the dial is one cycle; 0 for a
// non-finite angle.
inline double slidingValue(double dialAngle) {
    const double q = dialAngle * 0.07957747154594767; // 1 / 4π
    return std::isfinite(q) ? q - std::trunc(q) : 0.0;
}

} // namespace strip_faces
