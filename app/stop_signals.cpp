#include "app/stop_signals.h"

#include <GL/freeglut.h>

#include <csignal>

namespace {

// Short enough that a stop feels immediate, long enough that an exhibit at
// rest wakes up only a few times a second.
constexpr unsigned pollMillis = 250;

volatile std::sig_atomic_t caughtSignal = 0;
void (*stopRoutine)(int) = nullptr;

extern "C" void onStopSignal(int signal) {
    caughtSignal = signal;
}

void checkForSignal(int) {
    if (caughtSignal != 0 && stopRoutine)
        stopRoutine(int(caughtSignal));
    glutTimerFunc(pollMillis, checkForSignal, 0);
}

} // namespace

void catchStopSignals() {
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls go on; the main loop's wait for events is cut
    // short anyway, which does no harm.
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void stopOnSignal(void (*stop)(int signal)) {
    stopRoutine = stop;
    glutTimerFunc(pollMillis, checkForSignal, 0);
}
