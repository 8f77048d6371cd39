#pragma once
// The pointer interface of everything that reacts to the mouse. Points are
// overlay units (ui/overlay_scale.h), origin bottom-left; velocities are
// units per second; now is the event's moment (geom/clock.h), at which
// anything the event sets moving takes its stamp.

#include "geom/clock.h"
#include "geom/vec.h"

class Widget {
  public:
    virtual ~Widget() = default;
    virtual void enter(Millis) {}
    virtual void leave(Millis) {}
    virtual void press(Vec2, Millis) {}
    virtual void drag(Vec2, Millis) {}
    virtual void release(Vec2, Millis) {}
    virtual void hover(Vec2, Millis) {}
    // Right after release, with the pointer speed of the last 100 ms.
    virtual void fling(Vec2, Vec2, Millis) {}
    // Whether the element moves by itself at now, so that a
    // frame drawn then would show it elsewhere a moment later: false at the
    // moment it comes to rest. Everything that moves stamps its start at
    // the event that starts it (geom/ramp.h), so this reads state only.
    virtual bool isAnimating(Millis) const { return false; }
};
