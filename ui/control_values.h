#pragma once
// What the overlay controls do with the pointer, as plain arithmetic: the
// slider's value at a column and after a press or a drag, the dial's turn
// under a drag and its spin after a fling, the icon row's slot under the
// pointer. The controls (slider.h, dial.h, option_row.h) hold the state and
// draw it; this part takes and returns values only. Points are overlay
// units; angles radians, counter-clockwise positive.

#include "geom/vec.h"

// A slider's track from column left to column right and its range.
struct SliderTrack {
    double left;
    double right;
    double minimum;
    double maximum;

    // The value of column px (overlay units), unclamped; a track of one column, or
    // a range of a single value, maps everything to the left end and the
    // minimum.
    double valueAt(double px) const;
    // The column of v before truncation.
    double exactColumn(double v) const;
    double clamped(double v) const;
    // After a press at x: the value jumps to the pressed column when x is
    // more than 10 columns from the knob's, else stays.
    double pressed(double value, double x) const;
    // After a drag by whole columns: moved that many columns from the knob's
    // column, rounded so that a column's value gives that column back.
    double dragged(double value, int columns) const;
};

// The angle a dial about centre turns through while the pointer moves from
// a to b: the sine of the angle swept, so never more than one radian a step.
double dialTurn(Vec2 centre, Vec2 a, Vec2 b);
// The spin after a release at p with velocity (units per second) about
// centre, in radians per millisecond: the angular speed the pointer had;
// 0 for a pointer that hardly turned, or a release on the centre.
double dialSpinRate(Vec2 centre, Vec2 p, Vec2 velocity);

// The slot of a row of count icons spacing apart centred on centreX that
// holds x, clamped to the row's ends.
int iconSlotAt(double x, double centreX, int count, double spacing);
