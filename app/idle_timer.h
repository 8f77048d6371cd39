#pragma once
// The count of time without input that returns an unattended exhibit to its
// start-up state. Pure: times are readings of the one clock, in
// milliseconds, compared with millisBetween so that the count stays right
// across the counter's wrap. A button held down (a visitor in the middle of a
// drag) stops the count; it starts again at the release.

class IdleTimer {
  public:
    // Counts from now; timeoutMillis is positive and well below 2^31.
    IdleTimer(int timeoutMillis, int now);

    // Any pointer, button or key event restarts the count.
    void input(int now);
    // GLUT's button number of a press or a release, which is also an input.
    // Releases of buttons not held are taken as plain input.
    void buttonDown(int button, int now);
    void buttonUp(int button, int now);

    // Whether the exhibit should return to its start now: no button held and
    // the whole timeout passed since the last input, with no reset since.
    bool due(int now) const;
    // Called after the reset: nothing is due again until the next input.
    void resetDone() { counting = false; }
    // Milliseconds until due (0 when due), or -1 when nothing is counting.
    int millisUntilDue(int now) const;

    bool buttonHeld() const { return heldButtons != 0; }

  private:
    int timeout;
    int lastInput;
    unsigned heldButtons = 0; // one bit per GLUT button number
    bool counting = true;
};
