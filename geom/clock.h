#pragma once
// The one clock of the program. Everything that animates reads elapsedMillis;
// tests install a clock of their own with setClockSource.

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
