#include "ui/dial.h"

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
    const Vec2 a = lastPointer - position;
    const Vec2 b = p - position;
    lastPointer = p;
    const double g = std::sqrt((a.x * a.x + a.y * a.y) * (b.x * b.x + b.y * b.y));
    if (g > 0)
        setAngle(angleAt(now) + (a.x * b.y - a.y * b.x) / g);
}

void Dial::fling(Vec2 p, Vec2 v, Millis now) {
    if (v.x * v.x + v.y * v.y < 0.01)
        return;
    const Vec2 r0 = p - position;
    const double r0Length = std::sqrt(r0.x * r0.x + r0.y * r0.y);
    // Released exactly on the centre there is no direction to spin about.
    if (r0Length == 0.0) {
        turning.steer(0, now);
        return;
    }
    const Vec2 r1 = r0 + v * 0.001; // where the pointer would be a millisecond later
    const Vec2 u = r0 * (1.0 / r0Length);
    const double radiansPerMilli = std::atan2(u.x * r1.y - u.y * r1.x, u.x * r1.x + u.y * r1.y);
    turning.steer(std::fabs(radiansPerMilli) < 0.00001 ? 0 : radiansPerMilli, now);
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
