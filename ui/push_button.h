#pragma once
// A small square button that calls activate when a press is released inside
// it. Scenes derive their own buttons, replacing draw and activate.

#include "ui/panel_item.h"
#include "ui/widget.h"

class PushButton : public PanelItem, public Widget {
  public:
    // Circle of radius 10 about position.
    bool contains(Vec2 p) const override;
    // A 14 px square in the state colour.
    void draw() override;
    virtual void activate() {}

    void enter() override { hovered = true; }
    void leave() override { hovered = false; }
    void press(Vec2) override { pressed = true; }
    void release(Vec2 p) override;

    bool hovered = false;
    bool pressed = false;
};
