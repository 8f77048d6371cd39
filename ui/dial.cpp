#include "ui/dial.h"

#include "ui/control_values.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

bool Dial::contains(Vec2 p) const {
    const Vec2 d = p - position;
    return d.x * d.x + d.y * d.y < 400;
}

void Dial::press(Vec2 p, Millis now) {
    lastPointer = p;
    turning.steer(0, now);
    dragging = true;
}

void Dial::drag(Vec2 p, Millis now) {
    const double turn = dialTurn(position, lastPointer, p);
    lastPointer = p;
    if (turn != 0)
        setAngle(angleAt(now) + turn);
}

void Dial::fling(Vec2 p, Vec2 v, Millis now) {
    // A pointer that hardly moved leaves the dial as it was.
    if (v.x * v.x + v.y * v.y < 0.01)
        return;
    turning.steer(dialSpinRate(position, p, v), now);
}

void Dial::setAngle(double angle) {
    turning.set(angle);
}

void Dial::reset() {
    setAngle(startAngle);
    dragging = false;
}

void Dial::draw(Millis now) const {
    constexpr double toDegrees = 180.0 / pi;
    GLUquadric* quadric = gluNewQuadric();
    glPushMatrix();
    {
        glTranslated(position.x, position.y, 0);
        glColor3d(0.3, 0.4, 0.8);
        gluDisk(quadric, 10, 20, 40, 20);
        glPushMatrix();
        {
            glRotated(angleAt(now) * toDegrees, 0, 0, 1);
            glTranslated(15, 0, 0);
            if (dragging)
                glColor3d(0.8, 0.6, 0.75);
            else if (hovered)
                glColor3d(0.9, 0.7, 0.85);
            else
                glColor3d(0.7, 0.4, 0.8);
            gluDisk(quadric, 0, 5, 40, 20);
        }
        glPopMatrix();
        gluDeleteQuadric(quadric);
    }
    glPopMatrix();
}
