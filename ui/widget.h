#pragma once
// The pointer interface of everything that reacts to the mouse. Points are
// overlay units (ui/overlay_scale.h), origin bottom-left; velocities are
// units per second.

#include "geom/vec.h"

class Widget {
  public:
    virtual ~Widget() = default;
    virtual void enter() {}
    virtual void leave() {}
    virtual void press(Vec2) {}
    virtual void drag(Vec2) {}
    virtual void release(Vec2) {}
    virtual void hover(Vec2) {}
    // Right after release, with the pointer speed of the last 100 ms.
    virtual void fling(Vec2, Vec2) {}
    // True while the element moves by itself with time, so that the next
    // frame would show it elsewhere; false once the frame that shows it at
    // rest has been drawn.
    virtual bool isAnimating() const { return false; }
    // For an element at rest whose frames have stopped: takes now (elapsed
    // milliseconds) as the time of its last frame, as frames drawn at rest
    // until now would have, so that a motion starting now starts from now.
    virtual void restUntil(int) {}
};
