#include "app/idle_timer.h"

#include "geom/clock.h"

#include <algorithm>

namespace {
// GLUT numbers the wheel's steps and any extra buttons after the three
// usual ones; a number beyond the mask still counts as input.
constexpr int trackedButtons = 32;

unsigned bitOf(int button) {
    return button >= 0 && button < trackedButtons ? 1u << button : 0u;
}
} // namespace

IdleTimer::IdleTimer(int timeoutMillis, int now, int maxHoldMillis)
    : timeout(timeoutMillis), lastInput(now), maxHold(maxHoldMillis) {}

void IdleTimer::input(int now) {
    lastInput = now;
    counting = true;
}

void IdleTimer::buttonDown(int button, int now) {
    if (!buttonHeld())
        heldSince = now;
    heldButtons |= bitOf(button);
    input(now);
}

void IdleTimer::buttonUp(int button, int now) {
    heldButtons &= ~bitOf(button);
    input(now);
}

bool IdleTimer::due(int now) const {
    return millisUntilDue(now) == 0;
}

int IdleTimer::millisUntilDue(int now) const {
    if (!counting)
        return -1;
    // A reading from before the last input (a clock read out of order) counts
    // as no time at all.
    const int idle = std::max(millisBetween(lastInput, now), 0);
    const int untilTimeout = std::max(timeout - idle, 0);
    if (!buttonHeld())
        return untilTimeout;
    const int held = std::max(millisBetween(heldSince, now), 0);
    return held < maxHold ? std::max(untilTimeout, maxHold - held) : untilTimeout;
}
