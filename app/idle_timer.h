#pragma once
// The count of time without input that returns an unattended exhibit to its
// start-up state. Pure: times are readings of the one clock
// (geom/clock.h). A button held down (a visitor in the middle of a
// drag) stops the count; it starts again at the release. A button held longer
// than the longest hold (an object resting on a touch screen, a stuck touch)
// no longer stops it, so that such an exhibit still returns to its start.

#include "geom/clock.h"

class IdleTimer {
  public:
    // Counts from now; timeoutMillis and maxHoldMillis are positive.
    IdleTimer(Millis timeoutMillis, Millis now, Millis maxHoldMillis = defaultMaxHoldMillis);

    static constexpr Millis defaultMaxHoldMillis = 600 * 1000;

    // Any pointer, button or key event restarts the count.
    void input(Millis now);
    // GLUT's button number of a press or a release, which is also an input.
    // Releases of buttons not held are taken as plain input.
    void buttonDown(int button, Millis now);
    void buttonUp(int button, Millis now);

    // Whether the exhibit should return to its start now: no button held (or
    // none for less than the longest hold) and the whole timeout passed since
    // the last input, with no reset since.
    bool due(Millis now) const;
    // Called after the reset: nothing is due again until the next input.
    void resetDone() { counting = false; }
    // Milliseconds until due (0 when due), or -1 when nothing is counting.
    Millis millisUntilDue(Millis now) const;

    bool buttonHeld() const { return heldButtons != 0; }

  private:
    Millis timeout;
    Millis lastInput;
    Millis maxHold;
    unsigned heldButtons = 0; // one bit per GLUT button number
    Millis heldSince = 0;     // when heldButtons last became non-empty
    bool counting = true;
};
