#pragma once
// How large a fingertip is on a given screen, for an exhibit run on a touch
// screen: a finger rests a few pixels off where it landed and drifts while it
// rests, and it needs a target about a centimetre across. Sizes are
// millimetres on the glass turned into window pixels.

class FingerSize {
  public:
    // What a screen that reports no physical size is taken to have: 96 dots
    // per inch, the common desktop figure.
    static constexpr double defaultPixelsPerMm = 96 / 25.4;
    // A press that moves less than this before its release is a tap.
    static constexpr double slopMm = 2.5;
    // The least width of anything a finger is to hit.
    static constexpr double controlMm = 9;
    // The narrowest control in overlay units: the arrows' and the menu
    // square's circles, an icon slot's width.
    static constexpr double narrowestControlUnits = 20;

    // Pixels per millimetre of a screen pixels wide and mm millimetres wide,
    // or the default when either is unknown (zero or less).
    static double pixelsPerMm(int pixels, int mm);

    explicit FingerSize(double pixelsPerMm) : perMm(pixelsPerMm) {}
    double slopPixels() const { return slopMm * perMm; }
    // The overlay scale at which the narrowest control is controlMm across.
    double leastOverlayScale() const { return controlMm * perMm / narrowestControlUnits; }

  private:
    double perMm;
};
