#pragma once
// The band's middle surface as sheets for export: pieces of the band, each
// across between stops (model units along D, every interval in its colour),
// sampled as the drawing samples its faces, and joined end to start wherever
// the samples of one piece's end meet those of another's start, so that a
// band cut in two along its middle comes out as the one long band it is and
// a twist that is no whole number of half turns leaves the ends open.
// Pure: no GL.

#include "geom/scene_model.h"
#include "scenes/moebius/moebius_strip.h"

#include <string>
#include <vector>

struct BandPiece {
    std::string name;
    std::vector<double> stops; // across, in order; at least two
    std::vector<Vec3> colours; // one per interval between stops
    double normalOffset = 0;   // along N, as a sliding band is shifted
    double opening = 0;        // as StripFace::opening: how the piece moves apart
    // A stretch from x0 to x1 in steps; steps 0: the whole band as the
    // face frames sample it.
    double x0 = 0;
    double x1 = 1;
    int steps = 0;
};

// The face of the middle surface between two stops of the piece, with the
// piece's lift, as the strip's faceSamples take it.
StripFace middleFace(const BandPiece& piece, std::size_t interval);

// The pieces of the strip as it is shaped, sampled detail times finer along
// and across than on screen, chained where their ends meet (within
// meetWithin model units).
constexpr double meetWithin = 1e-9;
std::vector<SurfaceSheet> bandSheets(const MoebiusStrip& strip,
                                     const std::vector<BandPiece>& pieces, int detail);
