#pragma once
// The four Klein bottle scenes. They share one view Rotator, so that turning
// the bottle in one turns it in all four, and each has one control:
//   "KleinBottle1" a slider rolls a rectangle into a tube and bends the tube
//                  into the bottle;
//   "KleinBottle3" a row of icons draws the bottle solid, in bands or
//                  translucent;
//   "KleinBottle4" a dial slides a label around the mirrored bottle; after one
//                  trip around it comes back mirrored;
//   "KleinBottle5" a slider cuts the bottle in two and flattens the halves
//                  into two Moebius strips.

#include "app/scene.h"
#include "scenes/klein/drawn_klein_tube.h"

#include <string>

class Dial;
class Rotator;
class Slider;
class StyleSelector;

class KleinScene : public Scene {
  public:
    // The rotator outlives the scene.
    KleinScene(const std::string& key, KleinStage stage, Rotator& rotator);

    Widget* backgroundElement() override;

    // The tube in its place: 10 units in front of the viewer, turned by the
    // shared rotator, as the last update built it.
    void drawModel() const override;

    DrawnKleinTube tube;

  private:
    Rotator& rotator;
};

class KleinFromRectangleScene : public KleinScene {
  public:
    // Turns the shared rotator by 90 degrees about z: the first view of all four.
    explicit KleinFromRectangleScene(Rotator& rotator);
    std::string caption() const override { return "Dal rettangolo alla bottiglia di Klein"; }

    Slider* control = nullptr; // owned by the panel

  protected:
    void updateModel(Millis now) override;
};

class KleinBottleScene : public KleinScene {
  public:
    explicit KleinBottleScene(Rotator& rotator);
    std::string caption() const override { return "La bottiglia di Klein"; }

    StyleSelector* control = nullptr; // owned by the panel

  protected:
    void updateModel(Millis now) override;
};

class KleinLabelScene : public KleinScene {
  public:
    explicit KleinLabelScene(Rotator& rotator);
    std::string caption() const override { return "Etichetta sulla bottiglia"; }

    Dial* control = nullptr; // owned by the panel

  protected:
    void updateModel(Millis now) override;
};

class KleinHalvesScene : public KleinScene {
  public:
    explicit KleinHalvesScene(Rotator& rotator);
    std::string caption() const override { return "Bottiglia di Klein tagliata in due"; }

    Slider* control = nullptr; // owned by the panel

  protected:
    void updateModel(Millis now) override;
};
