#pragma once
// An unbounded angle set by turning a dot around a ring; a quick release
// leaves it spinning at a constant rate until the next press. The owner polls
// (or presets) angle, in radians, counter-clockwise positive.

#include "ui/panel_item.h"
#include "ui/widget.h"

class Dial : public PanelItem, public Widget {
  public:
    bool contains(Vec2 p) const override;
    // Draws, then advances the spin: it turns only while it is drawn.
    void draw() override;

    void enter() override { hovered = true; }
    void leave() override { hovered = false; }
    void press(Vec2 p) override;
    // Turns by the sine of the angle swept about the centre (never more than
    // one radian per event).
    void drag(Vec2 p) override;
    void release(Vec2) override { dragging = false; }
    // Spins at the angular speed the pointer had at release, in radians per second.
    void fling(Vec2 p, Vec2 velocity) override;

    void rememberStart() override { startAngle = angle; }
    // Back at the start angle, not turning.
    void reset() override;

    // Advances the angle by the spin over the time since the last step.
    void advanceSpin();
    // While it spins.
    bool isAnimating() const override { return angularVelocity != 0; }

    double angle = 0.0;
    double startAngle = 0.0;
    Vec2 lastPointer;
    bool dragging = false;
    bool hovered = false;
    double angularVelocity = 0.0; // radians per second
    int lastTime = 0;
};
