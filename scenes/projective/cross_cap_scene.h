#pragma once
// "ProjectivePlane1": a Moebius band morphed, keeping its one boundary curve,
// into the cross-cap with a circular boundary. The slider sets the morph
// parameter t in [0, 1]; the rows show or hide the surface and the boundary
// tube; in the last boundary mode the dial moves one generator around the
// band, drawn in the colour of the two boundary points it joins.

#include "app/scene.h"
#include "geom/drawing_key.h"
#include "geom/vec.h"
#include "scenes/projective/cross_cap_surface.h"
#include "ui/rotator.h"

class Slider;
class Dial;
class SurfaceModeSelector;
class BoundaryModeSelector;

class CrossCapScene : public Scene {
  public:
    CrossCapScene();

    std::string caption() const override { return "Cappuccio incrociato"; }
    void drawModel() const override;
    Widget* backgroundElement() override { return &rotator; }

    // The surface at the current t; a in [0, 1] across, b along the band.
    Vec3 surfacePoint(double a, double b) const;
    // Unit length.
    Vec3 surfaceNormal(double a, double b) const;

    double t = 0.0; // the slider's value as the last update read it
    Rotator rotator{0, 110};

    // Owned by the panel.
    Slider* morphSlider = nullptr;
    SurfaceModeSelector* surfaceSelector = nullptr;
    BoundaryModeSelector* boundarySelector = nullptr;
    Dial* dial = nullptr;

  protected:
    void updateModel(Millis now) override;

  private:
    // The model as the last update computed it: which parts show, the
    // samples of the surface and of the boundary tube at t, and the
    // generator tube and its place along the band.
    int surfaceMode = 1;
    int boundaryMode = 1;
    SampleGrid surface;
    cross_cap::BoundaryTube boundary;
    double generatorAt = 0.0;
    SampleGrid generator;
    DrawingKey surfaceBuiltFrom;   // t
    DrawingKey generatorBuiltFrom; // t and the generator's place
};
