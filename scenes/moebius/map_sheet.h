#pragma once
// The map on the closed Moebius strip as one sheet for export: the band's
// middle surface with a row at every border of a region or a black line
// (and the face frames' steps between), a column at every border across,
// each cell in the colour of the region it lies in (as its state shows it)
// or black on a line. Pure: no GL.

#include "geom/scene_model.h"
#include "scenes/moebius/moebius_strip.h"

// For the strip shaped as the map shows it (closed with a half turn),
// sampled detail times finer along and across than the face frames.
SurfaceSheet mapSheet(const MoebiusStrip& strip, int detail);
