#pragma once
// Counts the frames the program shows, as the X server's damage reports on
// its window: every buffer swap causes at least one, a program at rest none.
// The program draws a frame after every event it handles and otherwise only
// while something moves by itself, so the count tells the tests when input
// has been answered, without waiting for a fixed time.

#include "tests/e2e/exhibit_process.h"

#include <chrono>

namespace e2e {

class FrameWatch {
  public:
    // Watches the exhibit's window from a connection of its own.
    explicit FrameWatch(const ExhibitProcess& exhibit);
    ~FrameWatch();
    FrameWatch(const FrameWatch&) = delete;
    FrameWatch& operator=(const FrameWatch&) = delete;

    // Whether the server reports damage at all.
    bool watching() const { return damage != 0; }
    // The reports so far.
    long changes();
    // Whether a whole second passes with no change before the timeout: the
    // program has then handled every event sent to it.
    bool comesToRest(std::chrono::milliseconds timeout = std::chrono::seconds(15));
    // Whether more than count changes come within the timeout.
    bool changesPast(long count, std::chrono::milliseconds timeout = std::chrono::seconds(15));

  private:
    _XDisplay* display;
    int eventBase = 0;
    unsigned long damage = 0;
    long count = 0;
};

} // namespace e2e
