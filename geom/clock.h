#pragma once
// The one clock of the program. Everything that animates reads elapsedMillis,
// or its unwrapped form clockMillis; tests and films install a clock of their
// own with setClockSource.

#include <cstdint>

// Milliseconds since GLUT was initialised (or whatever the installed source says).
int elapsedMillis();

// Replaces the clock; nullptr restores GLUT's elapsed time.
using ClockSource = int (*)();
void setClockSource(ClockSource source);

// later - earlier in milliseconds, right across the wrap of the 32-bit counter
// (it wraps after 2^31 ms, about 24.8 days) and free of signed overflow.
inline int millisBetween(int earlier, int later) {
    const std::uint32_t d = static_cast<std::uint32_t>(later) - static_cast<std::uint32_t>(earlier);
    return static_cast<int>(static_cast<std::int32_t>(d));
}

// A reading that counts on where elapsedMillis wraps: the first reading, then
// every later one added as its difference from the one before. Right as long
// as the clock is read at least once every 24.8 days, which anything moving
// does with every frame; stamps and their differences are taken in it.
using Millis = std::int64_t;
Millis clockMillis();

// While one exists, every reading gives the one taken when the first of them
// was made: an event, or a frame, happens at one moment, so that what it
// decides and what it draws agree, and a frame asks whether anything still
// moves at the moment it showed.
class ClockMoment {
  public:
    ClockMoment();
    ~ClockMoment();
    ClockMoment(const ClockMoment&) = delete;
    ClockMoment& operator=(const ClockMoment&) = delete;

  private:
    bool outermost;
};
