#pragma once
// Counts the changes to a window's contents as the X server's damage
// extension reports them: every buffer swap of the program shows as at least
// one, and a program that draws nothing causes none.

#include "tests/e2e/exhibit_process.h"

#include <chrono>
#include <string>

namespace e2e {

class FrameWatch {
  public:
    // Watches the exhibit's window from a connection of its own.
    explicit FrameWatch(const ExhibitProcess& exhibit);
    ~FrameWatch();
    FrameWatch(const FrameWatch&) = delete;
    FrameWatch& operator=(const FrameWatch&) = delete;

    // Whether the server offers damage reports and the watch is in place.
    bool watching() const { return damage != 0; }
    // The changes reported since the watch began.
    long changes();
    // Waits until the window has not changed for the whole of quiet, giving
    // up after timeout; answers whether it came to rest.
    bool waitForQuiet(std::chrono::milliseconds quiet, std::chrono::milliseconds timeout);

  private:
    _XDisplay* display = nullptr;
    int eventBase = 0;
    unsigned long damage = 0;
    long count = 0;
};

} // namespace e2e
