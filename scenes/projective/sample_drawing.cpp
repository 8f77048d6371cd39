#include "scenes/projective/sample_drawing.h"

#include <GL/gl.h>

void sendVertex(const SurfaceVertex& v) {
    glNormal3dv(v.normal.data());
    glVertex3dv(v.position.data());
}

void drawRowPair(const SampleGrid& grid, int first, int second) {
    glBegin(GL_QUAD_STRIP);
    {
        for (int column = 0; column < grid.columns; ++column) {
            sendVertex(grid.at(first, column));
            sendVertex(grid.at(second, column));
        }
    }
    glEnd();
}
