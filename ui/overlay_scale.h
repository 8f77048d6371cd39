#pragma once
// The overlay's scale factor s. The overlay is laid out, drawn and hit-tested
// in overlay units, window pixels divided by s, so that on a large screen
// every control, caption and line is s times its size and keeps its place
// relative to its corner, while a slider's travel, a drag step and a fling
// speed mean the same as on the 800 by 600 window. With s = 1 overlay units
// are window pixels.

#include "geom/vec.h"

class OverlayScale {
  public:
    // The window the overlay was made for, in pixels.
    static constexpr double designWidth = 800;
    static constexpr double designHeight = 600;
    // The factors a fixed scale may take.
    static constexpr double smallest = 0.5;
    static constexpr double largest = 8;

    // min(width / 800, height / 600), kept between smallest and largest; 1
    // for a window with no area yet.
    static double fitting(int width, int height);

    // From now on s is min(width / 800, height / 600) of every window size.
    void followWindow() { follows = true; }
    // From now on s is factor, whatever the window's size.
    void fix(double factor);
    // Brings s in step with a window of that size when it follows the window.
    void windowResized(int width, int height);

    // From now on s is never below factor, whichever rule sets it (controls
    // that must stay a finger wide).
    void keepAtLeast(double factor) { least = factor; }

    double factor() const { return s < least ? least : s; }
    // The window's size in overlay units.
    Vec2 overlaySize(int width, int height) const;
    // The overlay point under window pixel (x, y) of a window height pixels
    // tall (window y runs downwards, overlay y upwards).
    Vec2 toOverlay(int x, int y, int height) const;
    // The window point, origin bottom-left, of an overlay point.
    Vec2 toWindow(Vec2 overlayPoint) const;

  private:
    double s = 1.0;
    bool follows = false;
    double least = 0;
};

// The program's one overlay scale: 1 unless a start-up option changed it.
extern OverlayScale overlayScale;
