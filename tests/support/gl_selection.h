#pragma once
// Picking by drawing in GL's selection mode, as the exhibit once did: kept
// for tests, as the reference the CPU picks are held to.

#include "geom/vec.h"

class Scene;

namespace gl_selection {
// The name given with glLoadName of the nearest item scene.drawModel draws
// under the overlay point p, in a pick box of 5 by 5 pixels, or 0 for none.
int selectAt(const Scene& scene, Vec2 p);
// The winner among selection hit records (count records in buffer, as GL
// writes them): the last name of the record with the smallest minimum depth,
// the earlier record on a tie; 0 when nothing or only unnamed geometry was hit.
int nearestSelectionName(const unsigned* buffer, int count, int bufferSize);
} // namespace gl_selection
