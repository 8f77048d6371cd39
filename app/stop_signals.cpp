#include "app/stop_signals.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The protocol's SendEvent request carrying a ClientMessage event, in the
// connection's byte order, which Xlib makes the machine's own: prepared in
// full beforehand, so that the signal handler only writes its bytes.
struct SendClientMessage {
    std::uint8_t opcode = 25; // SendEvent
    std::uint8_t propagate = 0;
    std::uint16_t length = 11; // in four-byte units
    std::uint32_t destination = 0;
    std::uint32_t eventMask = 0; // none: to the client that created the window
    std::uint8_t code = 33;      // ClientMessage
    std::uint8_t format = 32;
    std::uint16_t sequence = 0;
    std::uint32_t window = 0;
    std::uint32_t type = 0;
    std::uint32_t data[5] = {};
};
static_assert(sizeof(SendClientMessage) == 44, "a SendEvent request is 44 bytes");

SendClientMessage closeRequest;
volatile std::sig_atomic_t caughtSignal = 0;
// The waking connection's socket, written by the handler alone; -1 until open.
volatile std::sig_atomic_t wakeSocket = -1;

extern "C" void onStopSignal(int signal) {
    caughtSignal = signal;
    const int fd = wakeSocket;
    if (fd >= 0) {
        const int saved = errno;
        [[maybe_unused]] const ssize_t written = write(fd, &closeRequest, sizeof closeRequest);
        errno = saved;
    }
}

} // namespace

void catchStopSignals() {
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

void wakeOnStopSignal(Display* display, Window window) {
    Display* waker = XOpenDisplay(DisplayString(display));
    if (!waker)
        return;
    closeRequest.destination = std::uint32_t(window);
    closeRequest.window = std::uint32_t(window);
    closeRequest.type = std::uint32_t(XInternAtom(waker, "WM_PROTOCOLS", False));
    closeRequest.data[0] = std::uint32_t(XInternAtom(waker, "WM_DELETE_WINDOW", False));
    // Nothing of Xlib's own is left to send; from here on only the handler
    // writes, and never waits for a busy server.
    XSync(waker, False);
    const int fd = ConnectionNumber(waker);
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    wakeSocket = fd;
    // A signal that came before the connection was open wakes the loop now.
    if (caughtSignal != 0)
        onStopSignal(caughtSignal);
}

int caughtStopSignal() {
    return caughtSignal;
}
