#include "app/idle_timer.h"

#include <algorithm>

namespace {
// GLUT numbers the wheel's steps and any extra buttons after the three
// usual ones; a number beyond the mask still counts as input.
constexpr int trackedButtons = 32;

unsigned bitOf(int button) {
    return button >= 0 && button < trackedButtons ? 1u << button : 0u;
}
} // namespace

IdleTimer::IdleTimer(Millis timeoutMillis, Millis now, Millis maxHoldMillis)
    : timeout(timeoutMillis), lastInput(now), maxHold(maxHoldMillis) {}

void IdleTimer::input(Millis now) {
    lastInput = now;
    counting = true;
}

void IdleTimer::buttonDown(int button, Millis now) {
    if (!buttonHeld())
        heldSince = now;
    heldButtons |= bitOf(button);
    input(now);
}

void IdleTimer::buttonUp(int button, Millis now) {
    heldButtons &= ~bitOf(button);
    input(now);
}

bool IdleTimer::due(Millis now) const {
    return millisUntilDue(now) == 0;
}

Millis IdleTimer::millisUntilDue(Millis now) const {
    if (!counting)
        return -1;
    // A reading from before the last input (a clock read out of order) counts
    // as no time at all.
    const Millis idle = std::max<Millis>(now - lastInput, 0);
    const Millis untilTimeout = std::max<Millis>(timeout - idle, 0);
    if (!buttonHeld())
        return untilTimeout;
    const Millis held = std::max<Millis>(now - heldSince, 0);
    return held < maxHold ? std::max(untilTimeout, maxHold - held) : untilTimeout;
}
