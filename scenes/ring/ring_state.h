#pragma once
// What the ring scene shows, from its controls' values: the one mapping that
// the scene's update and the export both read. Pure: no GL.

namespace ring {

struct RingState {
    double cut = 0.0;     // how far the band is cut back, 0 to 1
    double edgeCut = 0.0; // how far the edge tube is cut back, 0 to 1
    double phi = 0.0;     // the twist phase, radians in [-pi, pi]
};

// The two sliders' values and the dial's angle (radians). The phase is
// folded into one turn, which keeps a dial that has spun for days as exact
// as a fresh one; an angle that is not finite counts as 0.
RingState ringState(double bandSlider, double edgeSlider, double dialAngle);

} // namespace ring
