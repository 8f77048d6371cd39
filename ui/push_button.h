#pragma once
// A small square button that calls activate when a press is released inside
// it. Scenes derive their own buttons, replacing draw and activate.

#include "ui/panel_item.h"
#include "ui/widget.h"

#include <vector>

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
    // Clicks when p is inside.
    void release(Vec2 p, Millis now) override;
    // Activates at now and records the moment, as a visitor's press does.
    void click(Millis now);
    // Forgets the presses: the scene is back at its start.
    void reset() override { activations.clear(); }

    bool hovered = false;
    bool pressed = false;
    // The moments of the visitor's activations since the start or the last
    // reset, oldest first: what the page exports replays them. Kept only
    // where something replays them (recordingActivations, which the page's
    // download turns on; nothing else does, so that an exhibit left for
    // months holds no memory per press), and never for a button that is no
    // part of the scene's state (the arrows).
    std::vector<Millis> activations;
    bool recordsActivations = true;
    static bool recordingActivations;
};
