#pragma once
// The rectangle's four coloured edges, as the first Klein scene marks them:
// thin hexagonal tubes along the mesh's outer rows and columns, each with a
// hue ramp along it. Where each mark runs and its frame at each mesh point;
// drawn_klein_seams.cpp draws them, the export makes tubes of them. Pure.

#include "scenes/klein/klein_tube.h"

#include <vector>

// Model units.
constexpr double markRadius = 0.04;
// The hue ramp's brightness on the marks: bright enough to saturate, so that
// the colour given, each channel clamped to 1, is the ramp's at full
// strength between its primaries.
constexpr double markBrightness = 4;
// The hexagon's corner k lies at angle k * markSector (radians) from side,
// turning away from the normal.
constexpr double markSector = 1.0471975511965976;

struct SeamMark {
    bool alongRow = false;     // along a mesh row (across the columns), else a column
    double at = 0.0;           // which line: round((count - 1) * at)
    double h0 = 0.0, h1 = 0.0; // hue (hueRamp) at its start and end
};
// Both long sides share one ramp, as they meet when the rectangle closes
// into a tube; the short sides, the circles joined to make the bottle, run
// their ramps in opposite directions so that equal colours meet.
constexpr SeamMark seamMarks[4] = {
    {false, 0, 0, 0.25}, {false, 1, 0, 0.25}, {true, 0, 0.5, 0.25}, {true, 1, 0.25, 0.5}};

// A mark's frame at one mesh point: the hexagon's corners are point +
// markRadius * (cos psi side - sin psi normal).
struct MarkPoint {
    Vec3 point;
    Vec3 normal;
    Vec3 side;
};
// The mark's frames along its line, in order.
std::vector<MarkPoint> markPoints(const KleinTube& tube, const SeamMark& mark);
