#include "ui/option_row.h"

#include "ui/control_values.h"

#include <GL/gl.h>

#include <cmath>

bool OptionRow::contains(Vec2 p) const {
    return std::fabs(p.x - position.x) < iconCount * spacing * 0.55 &&
           std::fabs(p.y - position.y) < 20;
}

Widget* OptionRow::pick(Vec2 p, Millis) {
    if (!contains(p)) {
        hoveredIndex = -1;
        return nullptr;
    }
    hoveredIndex = slotAt(p);
    return this;
}

void OptionRow::press(Vec2 p, Millis) {
    if (contains(p))
        selected = slotAt(p);
}

int OptionRow::slotAt(Vec2 p) const {
    return iconSlotAt(p.x, position.x, iconCount, spacing);
}

double OptionRow::iconX(int index) const {
    return position.x + (index - (iconCount - 1) * 0.5) * spacing;
}

void OptionRow::draw(Millis) const {
    for (int i = 0; i < iconCount; ++i) {
        glPushMatrix();
        {
            glTranslated(iconX(i), position.y, 0);
            drawIcon(i);
        }
        glPopMatrix();
    }
    glColor3d(0.3, 0.5, 0.55);
    glPushMatrix();
    {
        glTranslated(iconX(selected), position.y - 9, 0);
        glBegin(GL_TRIANGLES);
        {
            glVertex2d(0, 0);
            glVertex2d(-8, -8);
            glVertex2d(8, -8);
        }
        glEnd();
    }
    glPopMatrix();
    if (hoveredIndex >= 0 && hoveredIndex != selected) {
        glPushMatrix();
        {
            glTranslated(iconX(hoveredIndex), position.y - 9, 0);
            glBegin(GL_LINE_STRIP);
            {
                glVertex2d(0, 0);
                glVertex2d(-8, -8);
                glVertex2d(8, -8);
                glVertex2d(0, 0);
            }
            glEnd();
        }
        glPopMatrix();
    }
}
