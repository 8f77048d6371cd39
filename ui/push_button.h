#pragma once
// A small square button that calls activate when a press is released inside
// it. Scenes derive their own buttons, replacing draw and activate.

#include "ui/panel_item.h"
#include "ui/widget.h"

class PushButton : public PanelItem, public Widget {
  public:
    // Circle of radius 10 about position.
    bool contains(Vec2 p) const override;
    // A square of 14 overlay units in the state colour.
    void draw(Millis now) const override;
    virtual void activate(Millis) {}

    void enter(Millis) override { hovered = true; }
    void leave(Millis) override { hovered = false; }
    void press(Vec2, Millis) override { pressed = true; }
    void release(Vec2 p, Millis now) override;

    bool hovered = false;
    bool pressed = false;
};
