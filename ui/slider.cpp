#include "ui/slider.h"

#include "ui/palette.h"

#include <GL/gl.h>

#include <cmath>

bool Slider::contains(Vec2 p) const {
    return left() - 10 <= p.x && p.x <= right() + 10 && position.y - 10 <= p.y &&
           p.y <= position.y + 30;
}

SliderTrack Slider::track() const {
    return {left(), right(), minimum, maximum};
}

double Slider::valueAt(double px) const {
    return track().valueAt(px);
}

int Slider::columnOf(double v) const {
    return static_cast<int>(track().exactColumn(v));
}

void Slider::press(Vec2 p, Millis) {
    pressed = true;
    value = track().pressed(value, p.x);
    lastPointer = p;
}

void Slider::drag(Vec2 p, Millis) {
    const int d = static_cast<int>(p.x - lastPointer.x);
    // Only whole columns are used up: on a scaled overlay the pointer moves
    // in fractions of a column, and those add up over the next steps.
    lastPointer = {lastPointer.x + d, p.y};
    value = track().dragged(value, d);
}

void Slider::reset() {
    value = startValue;
    pressed = false;
}

void Slider::draw(Millis) const {
    const double l = left(), r = right(), y = position.y;
    palette::use(palette::idle);
    glRectd(l, y - 2, r, y + 2);
    glRectd(l - 4, y - 2, l - 2, y + 2);
    glRectd(r + 2, y - 2, r + 4, y + 2);

    palette::use(pressed ? palette::knobPressed : hovered ? palette::knobHovered : palette::idle);
    const int k = columnOf(value);
    glBegin(GL_TRIANGLES);
    {
        glVertex2d(k, y + 2);
        glVertex2d(k - 8, y + 10);
        glVertex2d(k + 8, y + 10);
    }
    glEnd();
}
