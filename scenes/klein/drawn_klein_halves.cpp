// The bottle cut in two: the halves move apart, swing over and flatten into bands.

#include "scenes/klein/drawn_klein_tube.h"

#include "scenes/klein/klein_controls.h"

#include <GL/gl.h>

#include <utility>

void DrawnKleinTube::buildHalves() {
    // Build the half surface into the tube's arrays and swap it out, so that
    // the whole tube's mesh is back in place without being built again.
    firstHalfVertices = vertices;
    firstHalfNormals = normals;
    halfFlattening = halvesMotion(morph).flattening;
    buildSurface();
    std::swap(vertices, firstHalfVertices);
    std::swap(normals, firstHalfNormals);
    halfFlattening = 0;
    mirrorHalf(firstHalfVertices, firstHalfNormals, secondHalfVertices, secondHalfNormals);
    firstHalfArrays.assign(firstHalfVertices, firstHalfNormals);
    secondHalfArrays.assign(secondHalfVertices, secondHalfNormals);
}

void DrawnKleinTube::drawHalves() const {
    const double k = halvesMotion(morph).apart;
    const Runs runs = styleRuns();
    glPushMatrix();
    {
        glTranslated(0, -halvesGap * k, 0);
        drawMesh({firstHalfVertices, firstHalfNormals, firstHalfArrays}, firstHalfDrawing, runs);
    }
    glPopMatrix();
    if (k > 0) {
        // The other half swings over about an axis parallel to x.
        glPushMatrix();
        {
            // As secondHalfPlace (klein_controls.h) moves it.
            glTranslated(0, -halvesGap * k, 0);
            glTranslated(0, halvesGap, 0);
            glRotated(180 * k, 1, 0, 0);
            glTranslated(0, -halvesGap, 0);
            drawMesh({secondHalfVertices, secondHalfNormals, secondHalfArrays}, secondHalfDrawing,
                     runs);
        }
        glPopMatrix();
    }
}
