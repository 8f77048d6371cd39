// The map on the band: the sheets the strip worked out, in their colours.

#include "scenes/moebius/drawn_moebius_strip.h"

#include "scenes/moebius/strip_drawing.h"
#include "scenes/moebius/strip_map.h"

#include <GL/gl.h>

using namespace strip_drawing;

void DrawnMoebiusStrip::drawMap() const {
    int current = -1;
    for (const MapSheet& sheet : mapSheets()) {
        if (sheet.name != current) {
            current = sheet.name;
            if (current == PickBox::unnamedName) {
                material(black);
            } else {
                // The names do nothing in a drawn frame; they let a test pick
                // in GL's selection mode to check the strip's own pick.
                glLoadName(GLuint(current));
                if (current == 0) {
                    material(blue);
                } else {
                    const strip_map::Colour& c = strip_map::stateColour(regionState[current - 1]);
                    material({c.r, c.g, c.b, c.a});
                }
            }
        }
        if (sheet.culled == PickBox::Culled::None) {
            keepBothSides();
        } else {
            glCullFace(sheet.culled == PickBox::Culled::Back ? GL_BACK : GL_FRONT);
            glEnable(GL_CULL_FACE);
        }
        const std::vector<FaceSample>& pairs = sheet.pairs;
        if (sheet.polygon) {
            glBegin(GL_POLYGON);
            {
                glNormal3dv(pairs[0].normal.data());
                glVertex3dv(pairs[0].first.data());
                glVertex3dv(pairs[0].second.data());
                glNormal3dv(pairs[1].normal.data());
                glVertex3dv(pairs[1].second.data());
                glVertex3dv(pairs[1].first.data());
            }
            glEnd();
            continue;
        }
        glBegin(GL_QUAD_STRIP);
        {
            for (const FaceSample& pair : pairs)
                send(pair);
        }
        glEnd();
    }
}
