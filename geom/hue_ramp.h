#pragma once
// The colour ramp of the boundaries and markers. Pure.

#include "geom/vec.h"

// The colour ramp red, green, blue, red, which runs twice per unit of t (so t
// and t + 0.5 agree), scaled by brightness.
Vec3 hueRamp(double t, double brightness);
