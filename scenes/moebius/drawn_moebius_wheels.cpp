// The wheels rolling on the band, batched on the CPU and drawn in three materials.

#include "scenes/moebius/drawn_moebius_strip.h"

#include "geom/draw.h"

#include <GL/gl.h>

void DrawnMoebiusStrip::placeWheels(Millis now) {
    wheelBatches.clear();
    const WheelModel& model = wheelModel();
    for (const WheelPlacement& placement : wheelPlacements(*this, now))
        wheelBatches.add(model, placement);
}

void DrawnMoebiusStrip::drawWheels() const {
    if (wheels.empty())
        return;
    const float tyre[4] = {float(tyreColour.x), float(tyreColour.y), float(tyreColour.z), 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, tyre);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, tyre);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 120);
    const WheelModel& model = wheelModel();
    wheelBatches.tyres.draw(model.tyre.outsideCounterClockwise);
    wheelBatches.rims.draw(model.rim.outsideCounterClockwise);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, sideColour.x, sideColour.y, sideColour.z,
                1);
    wheelBatches.topSides.draw(model.topSide.outsideCounterClockwise);
    wheelBatches.bottomSides.draw(model.bottomSide.outsideCounterClockwise);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, spokeColour.x, spokeColour.y,
                spokeColour.z, 1);
    wheelBatches.spokes.draw(model.spokes.outsideCounterClockwise);
}
