#pragma once
// Lines wider than a pixel, which WebGL cannot draw, as GL 1.1 draws them
// without antialiasing: each segment becomes a parallelogram spread width
// pixels across its minor axis, vertically for a segment that runs more
// across than up, horizontally otherwise.

#include "web/gl11/draw_batch.h"

#include <vector>

namespace gl11 {

// Two triangles for every pair of segment vertices, in clip coordinates,
// for a viewport of viewportWidth by viewportHeight pixels.
std::vector<ShadedVertex> wideLineTriangles(const std::vector<ShadedVertex>& segments, float width,
                                            int viewportWidth, int viewportHeight);

} // namespace gl11
