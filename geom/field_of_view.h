#pragma once
// The exhibit's perspective: 45 degrees from the bottom of the view to the
// top wherever the window is at least as wide as 4:3. A narrower window, a
// portrait screen, would cut the models off at its sides with that field, so
// there the field widens until the window shows what 4:3 shows across.

#include "geom/vec.h"

// The vertical field of view in degrees for a window of aspect width/height;
// a non-positive or non-finite aspect counts as 1.
double verticalFieldOfView(double aspect);

// The projection, near 1 and far 20, of a window width by height pixels
// whose model keeps to the band of rows from bottom to top (pixels from the
// window's bottom edge): what a window as large as the band would show,
// moved and squeezed into it, so that the model stands whole and centred in
// the band. The whole window as band gives the usual perspective.
Mat4 bandPerspective(int width, int height, double bottom, double top);
