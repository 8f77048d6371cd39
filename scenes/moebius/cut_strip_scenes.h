#pragma once
// The closed band cut lengthwise or split in two, each with a dial at
// (250, 20) that sets the twist (starting at a half turn):
// "Moebius3" (CutInTwoScene): cut along the middle line; the slider opens
// the cut, and the two halves turn out to be one band of double length.
// "Moebius5" (CutInThreeScene): cut a third of the width from each edge; the
// slider moves the outer parts off the middle one, the icons colour or hide it.
// "Moebius4" (SlidingStripScene): two bands that a second dial at (200, 20)
// slides around each other, one cycle per turn.

#include "scenes/moebius/moebius_scene.h"

class CutStyleSelector;

class CutInTwoScene : public MoebiusScene {
  public:
    explicit CutInTwoScene(Rotator& rotator);
    std::string caption() const override { return "Nastro tagliato in due"; }

    Slider* liftSlider = nullptr; // 0 closed, 1 the halves apart along the whole band
    Dial* twistDial = nullptr;

  protected:
    void readControls(Millis now) override;
};

class CutInThreeScene : public MoebiusScene {
  public:
    explicit CutInThreeScene(Rotator& rotator);
    std::string caption() const override { return "Nastro tagliato in tre"; }

    Slider* liftSlider = nullptr;
    Dial* twistDial = nullptr;
    CutStyleSelector* cutSelector = nullptr;

  protected:
    void readControls(Millis now) override;
};

class SlidingStripScene : public MoebiusScene {
  public:
    explicit SlidingStripScene(Rotator& rotator);
    std::string caption() const override { return "Nastro che scorre su se stesso"; }

    Dial* twistDial = nullptr;
    Dial* slideDial = nullptr; // one turn (2π) is one cycle of the bands

  protected:
    void readControls(Millis now) override;
};
