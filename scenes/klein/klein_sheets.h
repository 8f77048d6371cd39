#pragma once
// The Klein tube's mesh, as the scenes draw it, made into the sheets of a
// scene's model: how its ends meet, found from its points, and the rows the
// drawing shows. Pure: no GL.

#include "geom/scene_model.h"
#include "scenes/klein/klein_tube.h"

#include <functional>
#include <vector>

// Where a point of the tube's mesh is drawn: the drawing's own turns and
// moves, model units.
using PlaceInModel = std::function<Vec3(const Vec3&)>;

// How a mesh of tube.rows by tube.columns points closes. columnsClosed: the
// first and last columns coincide, as once the rectangle has rolled into a
// tube. rowJoin: open unless the spine's ends meet; then straight or
// mirrored, whichever pairs the last row's columns with the first row's.
struct TubeJoins {
    bool columnsClosed = false;
    SeamJoin rowJoin = SeamJoin::open;
};
TubeJoins tubeJoins(const KleinTube& tube, const std::vector<Vec3>& vertices);

// Rows r0 to r1 (inclusive) of a mesh of the tube's size as a sheet of the
// surface colour, each point placed; a closed mesh's repeated last column
// is left out, and the repeated last row where the rows join (r1 is then
// the last row).
SurfaceSheet tubeSheet(const std::string& name, const KleinTube& tube,
                       const std::vector<Vec3>& vertices, int r0, int r1, const TubeJoins& joins,
                       const PlaceInModel& place);

// The sheets the style draws of the whole mesh: one, or for the striped
// style each band (rows 2b to 2b + 1 of the screen's mesh, `detail` times
// finer here) its own open sheet.
std::vector<SurfaceSheet> styleSheets(const KleinTube& tube, int style, int detail,
                                      const PlaceInModel& place);

// The first scene's edge marks (seam_marks.h) as tubes, a boundary sheet
// each, coloured along their length: the hexagon's corners are the columns,
// the mark's points the rows. A mark that closes into a loop, as a short
// side once the rectangle has rolled, joins its ends; one lying on another
// (the second long side once rolled, the second short side once the bottle
// closes) is left out.
std::vector<SurfaceSheet> markSheets(const KleinTube& tube, const PlaceInModel& place);

// The tube of `stage` sampled `detail` times finer than on screen: each
// screen step between rows and between columns cut into detail steps.
KleinTube finerTube(int stage, int detail);
