#include "scenes/klein/style_selector.h"

#include <GL/gl.h>

void StyleSelector::drawIcon(int index) const {
    glColor3d(0.1, 0.7, 0.3);
    switch (index) {
    case 0:
        glRectd(-7, -7, 7, 7);
        break;
    case 1:
        for (double x = -7; x < 7; x += 4)
            glRectd(x, -7, x + 2, 7);
        break;
    case 2:
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor4d(0.1, 0.7, 0.3, 0.5);
        glRectd(-7, -7, 7, 7);
        glDisable(GL_BLEND);
        break;
    default:
        break;
    }
}
