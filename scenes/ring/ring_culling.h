#pragma once
// Which faces of the ring its drawing may leave out: arithmetic kept beside
// the drawing (ring_scene.cpp) that culls by it.

#include "scenes/ring/ring_geometry.h"

namespace ring {

// Where the slab of the band is closed, so that its inside never shows and
// the faces turned inwards can be left out. The face sheets and rims close
// it everywhere but along the outer edge, which the edge tube covers as far
// as it reaches; a tube that is cut is open at its ends as well. The
// parameter of the edge point at pair i is t_i on the +across side and
// t_i + 1 on the other; the margin, in tube segments, is room for a look
// into an open end.
constexpr int sealMargin = 10;
double edgeParameter(int pair, bool plusSide);
bool edgeSealed(double parameter, int segmentCount);
bool segmentSealed(int segment, int segmentCount);

} // namespace ring
