#include "scenes/moebius/wheel_batch.h"

#include <GL/gl.h>

void WheelBatch::clear() {
    points.clear();
    normals.clear();
    quads.clear();
}

void WheelBatch::add(const WheelPart& part, const WheelPlacement& placement) {
    const unsigned base = unsigned(points.size() / 3);
    for (std::size_t i = 0; i < part.points.size(); ++i) {
        const Vec3 p = placement.point(part.points[i]);
        const Vec3 n = placement.direction(part.normals[i]);
        points.insert(points.end(), {float(p.x), float(p.y), float(p.z)});
        normals.insert(normals.end(), {float(n.x), float(n.y), float(n.z)});
    }
    for (unsigned q : part.quads)
        quads.push_back(base + q);
}

void WheelBatch::draw(bool outsideCounterClockwise) const {
    if (quads.empty())
        return;
    glCullFace(outsideCounterClockwise ? GL_BACK : GL_FRONT);
    glEnable(GL_CULL_FACE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, points.data());
    glNormalPointer(GL_FLOAT, 0, normals.data());
    glDrawElements(GL_QUADS, GLsizei(quads.size()), GL_UNSIGNED_INT, quads.data());
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
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
