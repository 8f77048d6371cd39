#pragma once
// The map painted on the closed Moebius strip: six regions, each touching all
// the others, between black dividing lines. Positions are band coordinates:
// u along the band (x of stripFrame) and v across it, 0 at the -D edge and 1
// at the +D edge. Because the band closes with a half turn, (u, v) and
// (u + 1, 1 - v) are the same point. Pure: no GL.

#include <array>

namespace strip_map {

// A rectangle of band coordinates.
struct Piece {
    double va, vb; // across
    double ua, ub; // along
};

constexpr double m1 = 0.3133333333333333;
constexpr double m2 = 0.35333333333333333;
constexpr double m3 = 0.6466666666666666;
constexpr double m4 = 0.6866666666666666;

// The two black lines along the whole band, drawn subdivided like the regions.
constexpr std::array<Piece, 2> longLines{{{m1, m2, 0, 1}, {m3, m4, 0, 1}}};
// The six short black lines across the three strips, each one quad.
constexpr std::array<Piece, 6> crossLines{{
    {0, m1, 0.3313333333333333, 0.3353333333333333},
    {m2, m3, 0.16466666666666666, 0.16866666666666666},
    {m2, m3, 0.498, 0.502},
    {m2, m3, 0.8313333333333334, 0.8353333333333334},
    {m4, 1, 0.6646666666666666, 0.6686666666666666},
    {m4, 1, -0.002, 0.002},
}};

constexpr int regionCount = 6;
// Region k (1 to 6, its selection name) is made of one or two pieces.
struct Region {
    std::array<Piece, 2> pieces;
    int pieceCount;
};
constexpr std::array<Region, regionCount> regions{{
    {{{{0, m1, 0, 0.3313333333333333}, {m4, 1, 0.6686666666666666, 1}}}, 2},
    {{{{0, m1, 0.3353333333333333, 0.998}}}, 1},
    {{{{m2, m3, 0, 0.16466666666666666}, {m2, m3, 0.8353333333333334, 1}}}, 2},
    {{{{m2, m3, 0.16866666666666666, 0.498}}}, 1},
    {{{{m2, m3, 0.502, 0.8313333333333334}}}, 1},
    {{{{m4, 1, 0.002, 0.6646666666666666}}}, 1},
}};

// Entry 0 is the grey of a region that is off, entry k the colour of region k.
struct Colour {
    double r, g, b, a;
};
constexpr std::array<Colour, regionCount + 1> palette{{
    {0.8, 0.8, 0.8, 1},
    {1, 1, 0, 1},
    {0, 1, 0, 1},
    {0, 1, 1, 1},
    {0.1, 0.3, 0.1, 1},
    {1, 0.5, 0.5, 1},
    {1, 0, 0, 1},
}};

// The colour for a region's state: the palette entry, grey for a state
// outside the palette.
inline const Colour& stateColour(int state) {
    return state >= 0 && state <= regionCount ? palette[state] : palette[0];
}

// What a press on the selection name n does to the region states (indexed
// by region - 1): region n switches between grey and its colour. Any name
// that is not a region (0, the no-name value, anything else) changes
// nothing; answers whether a region switched.
inline bool toggleRegion(int (&states)[regionCount], int n) {
    if (n < 1 || n > regionCount)
        return false;
    int& state = states[n - 1];
    state = state < 1 ? n : 0;
    return true;
}

} // namespace strip_map
