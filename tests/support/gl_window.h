#pragma once
// One real GLUT window of 800 by 600 for a whole GL test binary (under Xvfb
// with Mesa's software renderer), and checks on what a frame left behind.

#include "tests/support/pixels.h"

#include <string>

namespace gl_test {
constexpr int width = 800;
constexpr int height = 600;

// Creates the window once; later calls do nothing.
void ensureWindow();
// Sends the window-size reshape the window system would send.
void reshapeToWindow();

using pixels::near;
using pixels::Rgb;
// The back buffer's pixel at overlay coordinates (origin bottom-left).
Rgb pixel(int x, int y);
Rgb rgb(double r, double g, double b);
// The whole back buffer, rows bottom to top, RGB.
std::string readFrame();

// A frame read back from the window.
struct Frame {
    std::string pixels; // as readFrame gives them
    // The pixel at overlay coordinates (origin bottom-left).
    Rgb at(int x, int y) const;
    // The share of the window's middle half each way (clear of the overlay)
    // that is not within tolerance of the background colour.
    double middleCoverage(int tolerance = 3) const;
};
Frame captureFrame();
// How many pixels of rows y0 and up differ by more than tolerance.
int differences(const Frame& a, const Frame& b, int tolerance, int y0 = 0);
// The background colour every scene clears to.
Rgb background();

// Empty when no GL error is pending and both matrix stacks are at depth 1;
// otherwise what is wrong.
std::string stateProblems();
} // namespace gl_test
