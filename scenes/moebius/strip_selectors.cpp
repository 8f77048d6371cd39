#include "scenes/moebius/strip_selectors.h"

#include <GL/gl.h>

void CutStyleSelector::drawIcon(int index) const {
    glColor3d(0.2, 0.9, 0.7);
    glRectd(-8, 3, 8, 7);
    glRectd(-8, -7, 8, -3);
    if (index == 1)
        glColor3d(0.9, 0.9, 0.2);
    if (index < 2)
        glRectd(-8, -2, 8, 2);
}

void BandStyleSelector::drawIcon(int index) const {
    // The band's sea green as the band's own materials hold it, in floats.
    constexpr float r = 0.2f;
    constexpr float g = 0.9f;
    constexpr float b = 0.7f;
    switch (index) {
    case 0:
        glColor3f(r, g, b);
        glRectd(-7, -7, 7, 7);
        break;
    case 1:
        glColor3f(r, g, b);
        for (double x = -7; x < 7; x += 4)
            glRectd(x, -7, x + 2, 7);
        break;
    case 2:
        glColor4f(r, g, b, 0.5f);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glRectd(-7, -7, 7, 7);
        glDisable(GL_BLEND);
        break;
    default:
        break;
    }
}
