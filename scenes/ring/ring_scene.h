#pragma once
// "ring": the interlaced Moebius ring with its windows, its window rims and
// a lighter tube along its single edge. bandSlider cuts the band back from
// its end and edgeSlider the edge tube, both showing the cut in red;
// phaseDial turns the band about its own centre line.

#include "app/scene.h"
#include "geom/retained_drawing.h"
#include "ui/rotator.h"

class Slider;
class Dial;

class RingScene : public Scene {
  public:
    RingScene();

    std::string caption() const override { return "Moebius intrecciato"; }
    void drawModel() const override;
    Widget* backgroundElement() override { return &rotator; }

    Rotator rotator;

    // Owned by the panel.
    Slider* bandSlider = nullptr;
    Slider* edgeSlider = nullptr;
    Dial* phaseDial = nullptr;

  protected:
    void updateModel(Millis now) override;

  private:
    // The controls' values as the last update read them.
    double cut = 0.0;
    double edgeCut = 0.0;
    double phi = 0.0;
    // The band, keyed by the control values it is drawn for.
    RetainedDrawing band{RetainedDrawing::WhenRepeated};
};
