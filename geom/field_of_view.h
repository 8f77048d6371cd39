#pragma once
// The exhibit's perspective: 45 degrees from the bottom of the view to the
// top wherever the window is at least as wide as 4:3. A narrower window, a
// portrait screen, would cut the models off at its sides with that field, so
// there the field widens until the window shows what 4:3 shows across.

// The vertical field of view in degrees for a window of aspect width/height;
// a non-positive or non-finite aspect counts as 1.
double verticalFieldOfView(double aspect);
