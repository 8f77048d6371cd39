#pragma once
// Drawing of the sample grids the projective plane scenes work out: the thin
// layer between their pure geometry and GL.

#include "scenes/projective/surface_samples.h"

// glNormal3dv and glVertex3dv of one lit sample.
void sendVertex(const SurfaceVertex& v);

// One quad strip between two rows of the grid, taking for every column the
// sample of row first, then that of row second.
void drawRowPair(const SampleGrid& grid, int first, int second);
