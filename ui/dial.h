#pragma once
// An unbounded angle set by turning a dot around a ring; a quick release
// leaves it spinning at a constant rate until the next press. The owner polls
// (or presets) angle, in radians, counter-clockwise positive.

#include "geom/ramp.h"
#include "ui/panel_item.h"
#include "ui/widget.h"

class Dial : public PanelItem, public Widget {
  public:
    bool contains(Vec2 p) const override;
    Reach reach() const override { return {20, 20, 20, 20}; }
    void draw(Millis now) const override;

    void enter(Millis) override { hovered = true; }
    void leave(Millis) override { hovered = false; }
    // Stops a spin where it stands.
    void press(Vec2 p, Millis now) override;
    // Turns by the sine of the angle swept about the centre (never more than
    // one radian per event).
    void drag(Vec2 p, Millis now) override;
    void release(Vec2, Millis) override { dragging = false; }
    // Spins at the angular speed the pointer had at release about the centre.
    void fling(Vec2 p, Vec2 velocity, Millis now) override;

    // The angle at now.
    double angleAt(Millis now) const { return turning.at(now); }
    // Puts the dot at angle, not spinning.
    void setAngle(double angle);
    // Radians per second; 0 when still.
    double angularVelocity() const { return turning.rate() * 1000; }

    // Keeps the angle where it stands: the start is remembered before
    // anything could set it spinning.
    void rememberStart() override { startAngle = turning.at(0); }
    // Back at the start angle, not turning.
    void reset() override;

    // While it spins.
    bool isAnimating(Millis now) const override { return turning.moves(now); }

    double startAngle = 0.0;
    Vec2 lastPointer;
    bool dragging = false;
    bool hovered = false;

  private:
    // The angle in radians and its spin in radians per millisecond.
    Ramp turning;
};
