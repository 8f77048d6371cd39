#pragma once
// A bounded value set by dragging a triangular knob along a horizontal track.
// position is the centre of the track; the owner polls value.

#include "ui/control_values.h"
#include "ui/panel_item.h"
#include "ui/widget.h"

class Slider : public PanelItem, public Widget {
  public:
    bool contains(Vec2 p) const override;
    Reach reach() const override { return {length * 0.5 + 10, length * 0.5 + 9, 10, 30}; }
    void draw(Millis now) const override;

    void enter(Millis) override { hovered = true; }
    void leave(Millis) override { hovered = false; }
    // Off the knob (more than 10 units away) the value jumps to the pressed column.
    void press(Vec2 p, Millis) override;
    // Moves by the pointer's x step in whole columns, so an off-centre grab
    // does not jump and steps of a fraction of a column add up.
    void drag(Vec2 p, Millis) override;
    void release(Vec2, Millis) override { pressed = false; }
    void rememberStart() override { startValue = value; }
    void reset() override;

    double left() const { return position.x - length * 0.5; }
    double right() const { return left() + length - 1; }
    // The value of column px (overlay units), unclamped.
    double valueAt(double px) const;
    // The column of v, truncated towards zero.
    int columnOf(double v) const;

    double minimum = 0.0;
    double maximum = 1.0;
    double value = 0.0;
    double startValue = 0.0;
    double length = 100.0;
    Vec2 lastPointer;
    bool pressed = false;
    bool hovered = false;

  private:
    // The track and range as they are now (ui/control_values.h).
    SliderTrack track() const;
};
