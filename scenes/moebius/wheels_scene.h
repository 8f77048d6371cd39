#pragma once
// "Moebius2": little wheels roll along the closed Moebius strip, a tenth of
// the band per second, and come back on the other face after each trip.
// Buttons add a wheel (up to MoebiusStrip::maxWheels), remove the oldest or
// remove all; the icons show the band whole, in 20 pieces or translucent.

#include "scenes/moebius/moebius_scene.h"
#include "ui/push_button.h"

class BandStyleSelector;

// The three wheel buttons act on the strip they were given.
class AddWheelButton : public PushButton {
  public:
    explicit AddWheelButton(MoebiusStrip& strip) : strip(&strip) {}
    void draw(Millis now) const override;
    void activate(Millis now) override;
    MoebiusStrip* strip;
};

class RemoveWheelButton : public PushButton {
  public:
    explicit RemoveWheelButton(MoebiusStrip& strip) : strip(&strip) {}
    void draw(Millis now) const override;
    void activate(Millis now) override;
    MoebiusStrip* strip;
};

class ClearWheelsButton : public PushButton {
  public:
    explicit ClearWheelsButton(MoebiusStrip& strip) : strip(&strip) {}
    void draw(Millis now) const override;
    void activate(Millis now) override;
    MoebiusStrip* strip;
};

class WheelsScene : public MoebiusScene {
  public:
    explicit WheelsScene(Rotator& rotator);
    std::string caption() const override { return "Rotelline sul nastro"; }
    // The wheels roll on for as long as there are any.
    bool isAnimating(Millis now) const override;

    // The controls, and one wheel setting out again from x = 1, as at start.
    void reset(Millis now) override;

    BandStyleSelector* styleSelector = nullptr;

  protected:
    // The band style from its icons.
    void readControls(Millis now) override;
};
