#include "app/idle_reset.h"

#include "app/events.h"
#include "app/idle_timer.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "app/visits.h"
#include "geom/clock.h"
#include "ui/rotator.h"
#include "ui/widget.h"

#include <GL/freeglut.h>

#include <memory>

namespace {

// About ten degrees a second, in the Rotator's degrees per millisecond.
constexpr double attractDegreesPerMilli = 0.01;

std::unique_ptr<IdleTimer> idleTimer;
bool attractAfterReset = false;
// The view turning for attraction, until the next input stops it.
Rotator* attracting = nullptr;
// At most one GLUT timer waits at a time, however much input comes.
bool timerPending = false;

void onIdleTimer(int);

void armTimer() {
    if (timerPending || !idleTimer)
        return;
    const Millis wait = idleTimer->millisUntilDue(elapsedMillis());
    if (wait < 0)
        return;
    timerPending = true;
    glutTimerFunc(unsigned(wait), onIdleTimer, 0);
}

// Input may have come since the timer was armed: the deadline is checked
// again, and the timer armed for what is left of the count.
void onIdleTimer(int) {
    timerPending = false;
    const Millis now = elapsedMillis();
    if (idleTimer->due(now)) {
        resetExhibit(now);
        idleTimer->resetDone();
        return;
    }
    armTimer();
}

void stopAttracting(Millis now) {
    if (attracting)
        attracting->spin({0, 0}, now);
    attracting = nullptr;
}

} // namespace

void enableIdleReset(int seconds, bool attract, int maxHoldSeconds) {
    for (Scene* scene : SceneManager::instance().registered())
        scene->rememberStart();
    attractAfterReset = attract;
    idleTimer = std::make_unique<IdleTimer>(Millis(seconds) * 1000, elapsedMillis(),
                                            Millis(maxHoldSeconds) * 1000);
    startVisits();
    armTimer();
}

void noteInput(Millis now) {
    if (!idleTimer)
        return;
    stopAttracting(now);
    visitInput(now);
    idleTimer->input(now);
    armTimer();
}

void noteKey(Millis now) {
    if (!idleTimer)
        return;
    stopAttracting(now);
    visitInteraction(now);
    idleTimer->input(now);
    armTimer();
}

void noteButton(int button, bool down, Millis now) {
    if (!idleTimer)
        return;
    stopAttracting(now);
    if (down) {
        visitInteraction(now);
        idleTimer->buttonDown(button, now);
    } else {
        visitInput(now);
        idleTimer->buttonUp(button, now);
    }
    armTimer();
}

void resetExhibit(Millis now) {
    SceneManager& manager = SceneManager::instance();
    // Ended before the first scene comes back, which is no visitor's choice.
    endVisit(VisitEnd::IdleReset, now);
    stopAttracting(now);
    // The element under the pointer is picked again at the next motion, so
    // that hover states and the menu's unfolding start afresh.
    if (pointerTarget)
        pointerTarget->leave(now);
    pointerTarget = nullptr;
    manager.select(0);
    for (Scene* scene : manager.registered())
        scene->reset(now);
    if (attractAfterReset && manager.current()) {
        attracting = dynamic_cast<Rotator*>(manager.current()->backgroundElement());
        if (attracting)
            attracting->spin({attractDegreesPerMilli, 0}, now);
    }
    glutPostRedisplay();
}
