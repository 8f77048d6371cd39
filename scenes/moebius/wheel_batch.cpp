#include "scenes/moebius/wheel_batch.h"

#include "geom/draw.h"

#include <GL/gl.h>

void WheelBatch::clear() {
    arrays.clear();
    quads.clear();
}

void WheelBatch::add(const WheelPart& part, const WheelPlacement& placement) {
    const unsigned base = unsigned(arrays.vertexCount());
    for (std::size_t i = 0; i < part.points.size(); ++i)
        arrays.append(placement.point(part.points[i]), placement.direction(part.normals[i]));
    for (unsigned q : part.quads)
        quads.push_back(base + q);
}

void WheelBatch::draw(bool outsideCounterClockwise) const {
    if (quads.empty())
        return;
    glCullFace(outsideCounterClockwise ? GL_BACK : GL_FRONT);
    glEnable(GL_CULL_FACE);
    bindArrays(arrays);
    glDrawElements(GL_QUADS, GLsizei(quads.size()), GL_UNSIGNED_INT, quads.data());
    unbindArrays();
    glDisable(GL_CULL_FACE);
}

void WheelBatches::clear() {
    for (WheelBatch* batch : {&tyres, &rims, &topSides, &bottomSides, &spokes})
        batch->clear();
}

void WheelBatches::add(const WheelModel& model, const WheelPlacement& placement) {
    tyres.add(model.tyre, placement);
    rims.add(model.rim, placement);
    topSides.add(model.topSide, placement);
    bottomSides.add(model.bottomSide, placement);
    spokes.add(model.spokes, placement);
}
