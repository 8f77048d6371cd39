#pragma once
// The icon rows of the projective plane scenes. Their owners read selected:
// SurfaceModeSelector 0 = surface hidden, 1 = whole, 2 = in stripes;
// BoundaryModeSelector 0 = boundary hidden, 1 = tube in one colour,
// 2 = tube coloured along its length, 3 = as 2 plus the generator tube.

#include "geom/vec.h"
#include "ui/option_row.h"

#include <vector>

// Three icons: an empty square, a filled square, four bars.
class SurfaceModeSelector : public OptionRow {
  public:
    SurfaceModeSelector() : OptionRow(3, 20) {}
    void drawIcon(int index) const override;
};

// Four icons: a dashed circle, a plain ring, a ring in the hue ramp, and the
// hue ring crossed by a bar.
class BoundaryModeSelector : public OptionRow {
  public:
    BoundaryModeSelector();
    void drawIcon(int index) const override;

    // The ring icon's outline, overlay pixels about the icon centre: point 2k
    // at radius 6 and 2k + 1 at radius 8, for 20 angles of which the last
    // repeats the first.
    std::vector<Vec2> ringPoints;
};
