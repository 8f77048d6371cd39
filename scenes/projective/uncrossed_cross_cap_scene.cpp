#include "scenes/projective/uncrossed_cross_cap_scene.h"

#include "geom/draw.h"
#include "scenes/projective/mode_selectors.h"
#include "scenes/projective/sample_drawing.h"
#include "scenes/projective/uncrossed_cross_cap_surface.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>

namespace {

// Both faces of tube and band share one highlight.
constexpr double shininess = 100;
constexpr double tubeColour[3] = {0.8, 0.8, 0.9};
constexpr double bandColour[3] = {200.0 / 255, 20.0 / 255, 250.0 / 255};

void drawEdgeTube(const SampleGrid& tube) {
    // The edge is closed with period 1 in b, so the ring at b = 1 serves as
    // the one before ring 0.
    int previous = tube.rows() - 1;
    for (int ring = 0; ring < tube.rows(); previous = ring++)
        drawRowPair(tube, previous, ring);
}

void drawBand(const SampleGrid& grid, int surfaceMode) {
    for (int strip = 0; strip < uncrossed_cross_cap::stripCount; ++strip) {
        if (!uncrossed_cross_cap::stripDrawn(strip, surfaceMode))
            continue;
        drawRowPair(grid, strip + 1, strip);
    }
}

} // namespace

UncrossedCrossCapScene::UncrossedCrossCapScene() : Scene("ProjectivePlane2") {
    growthSlider = placed(new Slider, BottomLeft, {200, 30});
    surfaceSelector = placed(new SurfaceModeSelector, BottomLeft, {300, 30});
    panel->add(growthSlider);
    panel->add(surfaceSelector);
    surfaceSelector->selected = 1;
}

void UncrossedCrossCapScene::updateModel(Millis) {
    reach = uncrossed_cross_cap::reach(growthSlider->value);
    surfaceMode = surfaceSelector->selected;
    if (builtFrom.changes({DrawingKey::of(reach)})) {
        edgeTube = uncrossed_cross_cap::edgeTube(reach);
        band = uncrossed_cross_cap::bandGrid(reach);
    }
}

void UncrossedCrossCapScene::drawModel() const {
    glPushMatrix();
    {
        glTranslated(0, 0, -8);
        applyViewRotation();
        setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 0.5, 0.5, 0.5, 1);
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
        setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, tubeColour[0], tubeColour[1],
                    tubeColour[2], 1);
        drawEdgeTube(edgeTube);
        setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, bandColour[0], bandColour[1],
                    bandColour[2], 1);
        if (surfaceMode > 0)
            drawBand(band, surfaceMode);
    }
    glPopMatrix();
}
