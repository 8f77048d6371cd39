#pragma once
// The arrows to the previous (direction 0) and the next scene in the list.
// At the end of the list an arrow points to, it is not drawn and does nothing.

#include "ui/push_button.h"

class NavButton : public PushButton {
  public:
    explicit NavButton(int direction) : direction(direction) { recordsActivations = false; }
    void draw(Millis now) const override;
    void activate(Millis) override;

    // The scene index this arrow leads to, or -1 at the end of the list.
    int target() const;

    int direction = 1;
};
