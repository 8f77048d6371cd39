#pragma once
// The one clock of the program: a monotonic count of milliseconds in 64 bits,
// which no exhibit left running will ever see wrap. The event layer reads it
// once for each event and each frame and hands that reading down as `now`;
// nothing else reads it, so a test or a film drives time by installing a
// clock of its own with setClockSource. Pure: no GL, GLU or GLUT.

#include <cstdint>

using Millis = std::int64_t;

// Milliseconds since the clock was first read (or whatever the installed
// source says).
Millis elapsedMillis();

// Replaces the clock; nullptr restores the steady clock.
using ClockSource = Millis (*)();
void setClockSource(ClockSource source);
