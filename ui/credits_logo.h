#pragma once
// The emblem in the bottom-right corner: a pink ring with a gap, a teal V of
// two blades and a pink sector between them. Under the pointer it opens
// within 500 ms, turning the V half over about its bisector, and at full
// openness shows the exhibit's name; it closes within 200 ms. Takes no clicks.

#include "ui/panel_item.h"
#include "ui/widget.h"

class CreditsLogo : public PanelItem, public Widget {
  public:
    // Circle of radius 30.
    bool contains(Vec2 p) const override;
    void draw() override;

    void enter() override { hovered = true; }
    void leave() override { hovered = false; }
    // Closed at once.
    void reset() override {
        hovered = false;
        openness = 0.0;
    }
    // While it opens or closes, until the frame that shows it wholly open or
    // closed has been drawn.
    bool isAnimating() const override { return hovered ? openness < 1 : openness > 0; }
    void restUntil(int now) override;

    // Opens by 0.002 per ms while hovered, closes by 0.005 per ms otherwise.
    void advance(int now);
    // The angle of the V's second arm, radians: 1.151 closed, pi - 0.415 open.
    double armAngle() const;
    // The credits show only when the emblem is wholly open.
    bool showsText() const { return openness == 1.0; }

    bool hovered = false;
    int lastTime = 0;
    double openness = 0.0;
};
