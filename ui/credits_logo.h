#pragma once
// The emblem in the bottom-right corner: a pink ring with a gap, a teal V of
// two blades and a pink sector between them. Under the pointer it opens
// within 500 ms, turning the V half over about its bisector, and at full
// openness shows the exhibit's name; it closes within 200 ms. Takes no clicks.

#include "geom/ramp.h"
#include "ui/panel_item.h"
#include "ui/widget.h"

class CreditsLogo : public PanelItem, public Widget {
  public:
    // Circle of radius 30.
    bool contains(Vec2 p) const override;
    Reach reach() const override { return {30, 30, 30, 30}; }
    void draw(Millis now) const override;

    // Opens by 0.002 per ms while hovered, closes by 0.005 per ms otherwise.
    void enter(Millis now) override;
    void leave(Millis now) override;
    // Closed at once.
    void reset() override;
    // Wholly open at once, as a pointer resting on it leaves it.
    void showOpen();
    // While it opens or closes, until the moment it is wholly open or closed.
    bool isAnimating(Millis now) const override { return opening.moves(now); }

    // How far it is open at now: 0 closed, 1 open.
    double opennessAt(Millis now) const { return opening.at(now); }
    // The angle of the V's second arm at an openness, radians: 1.151 closed,
    // pi - 0.415 open.
    static double armAngle(double openness);
    // The credits show only when the emblem is wholly open.
    static bool showsText(double openness) { return openness == 1.0; }

    bool hovered = false;

  private:
    Ramp opening{0.0, 0.0, 1.0};
};
