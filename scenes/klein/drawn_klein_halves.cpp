// The bottle cut in two: the halves move apart, swing over and flatten into bands.

#include "scenes/klein/drawn_klein_tube.h"

#include <GL/gl.h>

#include <utility>

namespace {

// How far the halves of the cut bottle move apart, and the height of the
// axis the second one swings over about.
constexpr double halvesGap = 2.65;

} // namespace

void DrawnKleinTube::updateHalves(double flattening) {
    if (!halves.builtFrom.changes({DrawingKey::of(flattening), DrawingKey::of(stage),
                                   DrawingKey::of(morph), DrawingKey::of(frames)}))
        return;
    // Build the half surface into the tube's arrays and swap it out, so that
    // the whole tube's mesh is back in place without being built again.
    halves.firstVertices = vertices;
    halves.firstNormals = normals;
    halfFlattening = flattening;
    buildSurface();
    std::swap(vertices, halves.firstVertices);
    std::swap(normals, halves.firstNormals);
    halfFlattening = 0;
    mirrorHalf(halves.firstVertices, halves.firstNormals, halves.secondVertices,
               halves.secondNormals);
}

void DrawnKleinTube::drawHalves() {
    // The halves are cut from the whole tube.
    if (halfFlattening != 0) {
        halfFlattening = 0;
        buildSurface();
    }
    const HalvesMotion motion = halvesMotion(morph);
    const double k = motion.apart;
    updateHalves(motion.flattening);
    glPushMatrix();
    {
        glTranslated(0, -halvesGap * k, 0);
        drawMesh(halves.firstVertices, halves.firstNormals, firstHalfDrawing);
    }
    glPopMatrix();
    if (k > 0) {
        // The other half swings over about an axis parallel to x.
        glPushMatrix();
        {
            glTranslated(0, -halvesGap * k, 0);
            glTranslated(0, halvesGap, 0);
            glRotated(180 * k, 1, 0, 0);
            glTranslated(0, -halvesGap, 0);
            drawMesh(halves.secondVertices, halves.secondNormals, secondHalfDrawing);
        }
        glPopMatrix();
    }
}
