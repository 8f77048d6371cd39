#pragma once
// "ProjectivePlane2": a Moebius band with a round boundary, grown by the
// slider from a narrow band about its core circle out to that boundary. A
// tube marks the band's current edge; the row shows the band whole, in
// stripes or not at all.

#include "app/scene.h"
#include "geom/drawing_key.h"
#include "scenes/projective/surface_samples.h"
#include "ui/rotator.h"

class Slider;
class SurfaceModeSelector;

class UncrossedCrossCapScene : public Scene {
  public:
    UncrossedCrossCapScene();

    std::string caption() const override { return "Cappuccio incrociato senza incroci"; }
    void drawModel() const override;
    Widget* backgroundElement() override { return &rotator; }

    Rotator rotator{160, 30};

    // Owned by the panel.
    Slider* growthSlider = nullptr;
    SurfaceModeSelector* surfaceSelector = nullptr;

  protected:
    void updateModel(Millis now) override;

  private:
    // The model as the last update computed it: the band's reach, which
    // stripes show, and the samples of the edge tube and the band.
    double reach = 0.0;
    int surfaceMode = 1;
    SampleGrid edgeTube;
    SampleGrid band;
    DrawingKey builtFrom; // the reach the samples were computed for
};
