#include "ui/colour_editor.h"

#include "geom/draw.h"
#include "ui/palette.h"

#include <GL/gl.h>

#include <algorithm>

bool ColourEditor::contains(Vec2 p) const {
    return left() - 10 <= p.x && p.x <= right() + 10 && position.y - 10 <= p.y &&
           p.y <= position.y + 40;
}

int ColourEditor::columnOf(int value) const {
    const double t = value / 255.0;
    return static_cast<int>(t * right() + (1 - t) * left());
}

int ColourEditor::valueAt(int column) const {
    return static_cast<int>((column - left()) * 255 / (right() - left()));
}

int ColourEditor::rowAt(Vec2 p) const {
    return static_cast<int>((p.y - position.y) / 15);
}

void ColourEditor::hover(Vec2 p, Millis) {
    hovered = true;
    row = rowAt(p);
}

void ColourEditor::press(Vec2 p, Millis) {
    pressed = true;
    row = rowAt(p);
    if (row >= 0 && row <= 2)
        grabOffset = static_cast<int>(p.x - columnOf(rgb[row]));
}

void ColourEditor::drag(Vec2 p, Millis) {
    if (row < 0 || row > 2)
        return;
    // Far outside the window the column would not fit an int; it clamps anyway.
    const double column = std::clamp(p.x - grabOffset, left() - 1e6, right() + 1e6);
    rgb[row] = std::clamp(valueAt(static_cast<int>(column)), 0, 255);
}

void ColourEditor::rememberStart() {
    std::copy(rgb, rgb + 3, startRgb);
}

void ColourEditor::reset() {
    std::copy(startRgb, startRgb + 3, rgb);
    hidden = true;
    pressed = false;
    row = -1;
}

void ColourEditor::draw(Millis) const {
    const double l = left(), r = right();
    const bool lightBackground = (rgb[0] + rgb[1] + rgb[2]) / 3 >= 128;
    for (int i = 0; i < 3; ++i) {
        const double y = position.y - 2 + 15 * i;
        const Vec3 channel{i == 0 ? 1.0 : 0.0, i == 1 ? 1.0 : 0.0, i == 2 ? 1.0 : 0.0};

        glBegin(GL_QUAD_STRIP);
        {
            glColor3d(0, 0, 0);
            glVertex2d(l, y);
            glVertex2d(l, y + 4);
            palette::use(channel);
            glVertex2d(r, y);
            glVertex2d(r, y + 4);
        }
        glEnd();
        glColor3d(0, 0, 0);
        glRectd(l - 4, y, l - 2, y + 4);
        palette::use(channel);
        glRectd(r + 2, y, r + 4, y + 4);

        if (lightBackground)
            glColor3d(0, 0, 0);
        else
            glColor3d(1, 1, 1);
        drawLabel(r + 6, y, 0.5, decimalText(rgb[i]));

        if (i == row)
            palette::use(pressed   ? palette::knobPressed
                         : hovered ? palette::knobHovered
                                   : palette::idle);
        else
            palette::use(palette::idle);
        const int m = columnOf(rgb[i]);
        glBegin(GL_TRIANGLES);
        {
            glVertex2d(m, y + 4);
            glVertex2d(m - 8, y + 12);
            glVertex2d(m + 8, y + 12);
        }
        glEnd();
    }
}
