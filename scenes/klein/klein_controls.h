#pragma once
// What each Klein bottle scene's control makes of its tube: the stage and
// morph its update step builds and the style it draws in, and where the cut
// bottle's halves go. Pure: the scenes' updates and their export read the
// same mapping, so that what is exported is what is drawn.

#include "geom/vec.h"

struct KleinTubeState {
    int stage = 0; // a KleinStage
    double morph = 0.0;
    int style = 0; // a SurfaceStyle
};

// "KleinBottle1", slider value 0 to 1: the first half rolls the rectangle
// up, the second half bends the tube in three phases of a sixth each.
KleinTubeState rectangleSliderState(double value);
// "KleinBottle3": the selected icon is the style of the whole bottle.
KleinTubeState bottleStyleState(int selected);
// "KleinBottle4": the label's position for a dial angle in radians: a whole
// turn of the dial takes the label once around the bottle.
double labelMorph(double dialAngle);
KleinTubeState labelDialState(double dialAngle);
// "KleinBottle5", slider value 0 to 1: the cut (halvesMotion splits it).
KleinTubeState halvesSliderState(double value);

// The cut bottle's halves moved apart by `apart` (0 to 1): the first moves
// by halvesGap * apart down y; the second, the first mirrored in the tube's
// z, moves with it and swings over by 180 * apart degrees about an axis
// parallel to x at height halvesGap. Model units.
constexpr double halvesGap = 2.65;
Vec3 firstHalfPlace(const Vec3& point, double apart);
Vec3 secondHalfPlace(const Vec3& point, double apart);
