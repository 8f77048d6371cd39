#include "ui/slider.h"

#include "ui/palette.h"

#include <GL/gl.h>

#include <cmath>

bool Slider::contains(Vec2 p) const {
    return left() - 10 <= p.x && p.x <= right() + 10 && position.y - 10 <= p.y &&
           p.y <= position.y + 30;
}

// A track of a single pixel, or a range of a single value, has nowhere to
// move: everything maps to the left end and to the minimum.
double Slider::valueAt(double px) const {
    const double span = right() - left();
    const double t = span != 0 ? (px - left()) / span : 0.0;
    return (1 - t) * minimum + t * maximum;
}

double Slider::exactColumn(double v) const {
    const double range = maximum - minimum;
    const double t = range != 0 ? (v - minimum) / range : 0.0;
    return t * right() + (1 - t) * left();
}

int Slider::columnOf(double v) const {
    return static_cast<int>(exactColumn(v));
}

double Slider::clamped(double v) const {
    if (v < minimum)
        return minimum;
    if (v > maximum)
        return maximum;
    return v;
}

void Slider::press(Vec2 p, Millis) {
    pressed = true;
    if (std::fabs(columnOf(value) - p.x) > 10)
        value = clamped(valueAt(std::trunc(p.x)));
    lastPointer = p;
}

void Slider::drag(Vec2 p, Millis) {
    const int d = static_cast<int>(p.x - lastPointer.x);
    // Only whole columns are used up: on a scaled overlay the pointer moves
    // in fractions of a column, and those add up over the next steps.
    lastPointer = {lastPointer.x + d, p.y};
    // Rounded, not truncated: the value of a column must give that column
    // back, or a value a hair below it would hold one-column steps in place.
    value = clamped(valueAt(std::round(exactColumn(value)) + d));
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
