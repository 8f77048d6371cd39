#pragma once
// The six Moebius strip scenes share this base: a MoebiusStrip drawn 10 units
// in front of the viewer under a Rotator that all six turn with, so that the
// strip keeps its orientation from one scene to the next. Each scene copies
// its controls into the strip at every update.
//
// "Moebius" (SquareToMoebiusScene): a slider bends the flat square into the
// closed ring, a dial sets the twist.

#include "app/scene.h"
#include "scenes/moebius/drawn_moebius_strip.h"

class Rotator;
class Slider;
class Dial;

class MoebiusScene : public Scene {
  public:
    MoebiusScene(const std::string& key, MoebiusMode mode, Rotator& rotator);

    void drawModel() const override;
    Widget* backgroundElement() override;
    // The matrix drawModel draws the strip under, as update left the view.
    Mat4 modelview() const;

    DrawnMoebiusStrip strip;

  protected:
    // Copies the controls into strip, then shapes it.
    void updateModel(Millis now) override;
    // Copies the controls' values at now into strip.
    virtual void readControls(Millis) {}
    // Adds a dial at offset (x, 20) from the bottom-left corner, set to π.
    Dial* addDial(double x);
    // Adds a slider at offset (x, 20) from the bottom-left corner.
    Slider* addSlider(double x);

  private:
    Rotator& rotator;
};

class SquareToMoebiusScene : public MoebiusScene {
  public:
    explicit SquareToMoebiusScene(Rotator& rotator);
    std::string caption() const override { return "Dal quadrato al nastro di Moebius"; }

    Slider* bendSlider = nullptr; // 0 the flat square, 1 the closed ring
    Dial* twistDial = nullptr;

  protected:
    void readControls(Millis now) override;
};
