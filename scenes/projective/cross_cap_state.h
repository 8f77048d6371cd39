#pragma once
// What the cross-cap scene shows, from its controls' values: the one mapping
// that the scene's update and the export both read. Pure: no GL.

namespace cross_cap {

// Surface modes (the first row): hidden, whole, in stripes.
constexpr int surfaceHidden = 0;
constexpr int surfaceInStripes = 2;
// Boundary modes (the second row): hidden, the tube in one colour, the tube
// coloured along its length, and that with the generator tube on top.
constexpr int boundaryHidden = 0;
constexpr int boundaryOneColour = 1;
constexpr int boundaryWithGenerator = 3;

struct CrossCapState {
    double t = 0.0; // the morph, 0 the Moebius band, 1 the cross-cap
    int surfaceMode = 1;
    int boundaryMode = 1;
    double generatorAt = 0.0; // the generator tube's b, generatorPosition of the dial
};

// The slider's value, the rows' selected icons and the dial's angle (radians).
CrossCapState crossCapState(double slider, int surfaceRow, int boundaryRow, double dialAngle);

} // namespace cross_cap
