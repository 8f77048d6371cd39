#include "scenes/projective/cross_cap_scene.h"

#include "geom/draw.h"
#include "scenes/projective/cross_cap_state.h"
#include "scenes/projective/cross_cap_surface.h"
#include "scenes/projective/mode_selectors.h"
#include "scenes/projective/sample_drawing.h"
#include "ui/dial.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>

namespace {

using cross_cap::boundaryOneColour;
using cross_cap::boundaryWithGenerator;

constexpr double shininess = 50;
constexpr double boundaryColour[3] = {0.5, 0.5, 0.2};
// The alpha has no effect while blending stays off.
constexpr double surfaceColour[4] = {0.1, 0.7, 0.3, 0.8};

void setShine() {
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 1, 1, 1, 1);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
}

// The colours set with glColor become the ambient and diffuse material.
void beginColourMaterial() {
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
}

void drawBoundaryTube(const cross_cap::BoundaryTube& tube, int boundaryMode) {
    const bool coloured = boundaryMode != boundaryOneColour;
    setShine();
    if (coloured)
        beginColourMaterial();
    else
        setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, boundaryColour[0], boundaryColour[1],
                    boundaryColour[2], 1);
    for (int ring = 1; ring < tube.rings.rows(); ++ring) {
        glBegin(GL_QUAD_STRIP);
        {
            for (int k = 0; k < tube.rings.columns; ++k) {
                if (coloured)
                    hueColour(tube.hues[ring], 1);
                sendVertex(tube.rings.at(ring, k));
                if (coloured)
                    hueColour(tube.hues[ring - 1], 1);
                sendVertex(tube.rings.at(ring - 1, k));
            }
        }
        glEnd();
    }
    if (coloured)
        glDisable(GL_COLOR_MATERIAL);
}

void drawSurface(const SampleGrid& grid, int surfaceMode) {
    setShine();
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, surfaceColour[0], surfaceColour[1],
                surfaceColour[2], surfaceColour[3]);
    for (int strip = 0; strip < cross_cap::surfaceStripCount; ++strip) {
        if (!cross_cap::surfaceStripDrawn(strip, surfaceMode))
            continue;
        drawRowPair(grid, strip, strip + 1);
    }
}

// p is the generator's place along the band (cross_cap::generatorPosition).
void drawGeneratorTube(const SampleGrid& tube, double p) {
    setShine();
    beginColourMaterial();
    // The hue ramp repeats every half unit, so p / 2 is also the colour of
    // the boundary at b = p + 1: the tube matches both points it joins.
    hueColour(p / 2, 1);
    for (int ring = 1; ring < tube.rows(); ++ring)
        drawRowPair(tube, ring - 1, ring);
    glDisable(GL_COLOR_MATERIAL);
}

} // namespace

CrossCapScene::CrossCapScene() : Scene("ProjectivePlane1") {
    morphSlider = placed(new Slider, BottomLeft, {200, 20});
    surfaceSelector = placed(new SurfaceModeSelector, BottomLeft, {300, 20});
    boundarySelector = placed(new BoundaryModeSelector, BottomLeft, {380, 20});
    dial = placed(new Dial, BottomLeft, {480, 30});
    panel->add(morphSlider);
    panel->add(surfaceSelector);
    panel->add(boundarySelector);
    panel->add(dial);
    surfaceSelector->selected = 1;
    boundarySelector->selected = 1;
}

Vec3 CrossCapScene::surfacePoint(double a, double b) const {
    return cross_cap::Surface(t).surfacePoint(a, b);
}

Vec3 CrossCapScene::surfaceNormal(double a, double b) const {
    return cross_cap::Surface(t).surfaceNormal(a, b);
}

void CrossCapScene::updateModel(Millis now) {
    const cross_cap::CrossCapState state =
        cross_cap::crossCapState(morphSlider->value, surfaceSelector->selected,
                                 boundarySelector->selected, dial->angleAt(now));
    t = state.t;
    surfaceMode = state.surfaceMode;
    boundaryMode = state.boundaryMode;
    // Decided with the generator itself, so the dial comes and goes in the
    // same frame as the generator it moves.
    dial->hidden = boundaryMode != boundaryWithGenerator;

    const cross_cap::Surface shape(t);
    if (surfaceBuiltFrom.changes({DrawingKey::of(t)})) {
        surface = cross_cap::surfaceGrid(shape);
        boundary = cross_cap::boundaryTube(shape);
    }
    if (boundaryMode == boundaryWithGenerator) {
        generatorAt = state.generatorAt;
        if (generatorBuiltFrom.changes({DrawingKey::of(t), DrawingKey::of(generatorAt)}))
            generator = cross_cap::generatorTube(shape, generatorAt);
    }
}

void CrossCapScene::drawModel() const {
    glPushMatrix();
    {
        glTranslated(0, 0, -8);
        applyViewRotation();
        if (boundaryMode > 0)
            drawBoundaryTube(boundary, boundaryMode);
        if (surfaceMode > 0)
            drawSurface(surface, surfaceMode);
        if (boundaryMode == boundaryWithGenerator)
            drawGeneratorTube(generator, generatorAt);
    }
    glPopMatrix();
}
