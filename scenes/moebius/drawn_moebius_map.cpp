// The map on the band: six named regions on both faces and the lines between them.

#include "scenes/moebius/drawn_moebius_strip.h"

#include "scenes/moebius/strip_drawing.h"
#include "scenes/moebius/strip_map.h"

#include <GL/gl.h>

#include <algorithm>

using namespace strip_drawing;

void DrawnMoebiusStrip::drawMapPatch(double va, double vb, double ua, double ub) const {
    const double A = (va - 0.5) * width;
    const double B = (vb - 0.5) * width;
    const double h = thickness / 2;
    const int n = std::max(1, 10 + int(246 * (ub - ua)));
    std::vector<StripFrame> table(std::size_t(n) + 1);
    for (int k = 0; k <= n; ++k)
        table[k] = stripFrame(ua + k * (ub - ua) / n);
    for (double side : {h, -h}) {
        const Vec3 lifted0 = table[0].centre + side * table[0].normal;
        const Vec3 lifted1 = table[1].centre + side * table[1].normal;
        keepOutside({{}, lifted0 + A * table[0].across, lifted0 + B * table[0].across},
                    {{}, lifted1 + A * table[1].across, lifted1 + B * table[1].across},
                    (side > 0 ? 1.0 : -1.0) * table[0].normal);
        glBegin(GL_QUAD_STRIP);
        {
            for (const StripFrame& frame : table) {
                const Vec3 lifted = frame.centre + side * frame.normal;
                glNormal3dv(frame.normal.data());
                glVertex3dv((lifted + A * frame.across).data());
                glVertex3dv((lifted + B * frame.across).data());
            }
        }
        glEnd();
    }
}

void DrawnMoebiusStrip::drawMapLine(double va, double vb, double ua, double ub) const {
    const double A = (va - 0.5) * width;
    const double B = (vb - 0.5) * width;
    const double h = thickness / 2;
    const StripFrame start = stripFrame(ua);
    const StripFrame end = stripFrame(ub);
    keepBothSides();
    for (double side : {h, -h}) {
        const Vec3 p0 = start.centre + side * start.normal;
        const Vec3 p1 = end.centre + side * end.normal;
        glBegin(GL_POLYGON);
        {
            glNormal3dv(start.normal.data());
            glVertex3dv((p0 + A * start.across).data());
            glVertex3dv((p0 + B * start.across).data());
            glNormal3dv(end.normal.data());
            glVertex3dv((p1 + B * end.across).data());
            glVertex3dv((p1 + A * end.across).data());
        }
        glEnd();
    }
}

void DrawnMoebiusStrip::drawMap() const {
    // The lines come before any name is loaded and the edges under name 0:
    // a press on either finds no region and turns the view.
    material(black);
    for (const strip_map::Piece& line : strip_map::longLines)
        drawMapPatch(line.va, line.vb, line.ua, line.ub);
    for (const strip_map::Piece& line : strip_map::crossLines)
        drawMapLine(line.va, line.vb, line.ua, line.ub);
    for (int k = 1; k <= strip_map::regionCount; ++k) {
        glLoadName(GLuint(k));
        const strip_map::Colour& c = strip_map::stateColour(regionState[k - 1]);
        material({c.r, c.g, c.b, c.a});
        const strip_map::Region& region = strip_map::regions[k - 1];
        for (int i = 0; i < region.pieceCount; ++i) {
            const strip_map::Piece& p = region.pieces[i];
            drawMapPatch(p.va, p.vb, p.ua, p.ub);
        }
    }
    glLoadName(0);
    material(blue);
    faces(strip_faces::bandEdges);
}
