#include "ui/colour_editor.h"

#include "geom/draw.h"
#include "ui/finger_size.h"
#include "ui/palette.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

// The rows for a mouse, 15 units apart, each bar 4 units thick under a
// marker 8 tall; for a finger, rows as tall as the narrowest control, whose
// bars and markers a fingertip covering them still leaves in sight.
struct RowLook {
    double pitch;
    double bar;
    double marker;
    double halfMarker;
    double label;
};

RowLook rowLook() {
    if (WidgetPanel::forFingers)
        return {FingerSize::narrowestControlUnits, 6, 10, 7, 0.6};
    return {15, 4, 8, 8, 0.5};
}

// Where row i's bar starts above position.y: a mouse's rows 2 units below
// their line, a finger's with its marker centred in the row's hit area.
double barBottom(int i) {
    const RowLook look = rowLook();
    if (!WidgetPanel::forFingers)
        return -2 + look.pitch * i;
    return -10 + look.pitch * i + (look.pitch - look.bar - look.marker) / 2;
}

} // namespace

PanelItem::Reach ColourEditor::reach() const {
    const double half = width * 0.5;
    return {half + 10, half + 9, 10, WidgetPanel::forFingers ? 3 * rowLook().pitch - 10 : 40};
}

bool ColourEditor::contains(Vec2 p) const {
    const Reach r = reach();
    return position.x - r.left <= p.x && p.x <= position.x + r.right &&
           position.y - r.down <= p.y && p.y <= position.y + r.up;
}

int ColourEditor::columnOf(int value) const {
    const double t = value / 255.0;
    return static_cast<int>(t * right() + (1 - t) * left());
}

int ColourEditor::valueAt(int column) const {
    return static_cast<int>((column - left()) * 255 / (right() - left()));
}

int ColourEditor::rowAt(Vec2 p) const {
    // A finger's rows share the hit area's height in three equal parts.
    if (WidgetPanel::forFingers)
        return static_cast<int>(std::floor((p.y - position.y + 10) / rowLook().pitch));
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
    const RowLook look = rowLook();
    for (int i = 0; i < 3; ++i) {
        const double y = position.y + barBottom(i);
        const double barTop = y + look.bar;
        const Vec3 channel{i == 0 ? 1.0 : 0.0, i == 1 ? 1.0 : 0.0, i == 2 ? 1.0 : 0.0};

        glBegin(GL_QUAD_STRIP);
        {
            glColor3d(0, 0, 0);
            glVertex2d(l, y);
            glVertex2d(l, barTop);
            palette::use(channel);
            glVertex2d(r, y);
            glVertex2d(r, barTop);
        }
        glEnd();
        glColor3d(0, 0, 0);
        glRectd(l - 4, y, l - 2, barTop);
        palette::use(channel);
        glRectd(r + 2, y, r + 4, barTop);

        if (lightBackground)
            glColor3d(0, 0, 0);
        else
            glColor3d(1, 1, 1);
        drawLabel(r + 6, y, look.label, decimalText(rgb[i]));

        if (i == row)
            palette::use(pressed   ? palette::knobPressed
                         : hovered ? palette::knobHovered
                                   : palette::idle);
        else
            palette::use(palette::idle);
        const int m = columnOf(rgb[i]);
        glBegin(GL_TRIANGLES);
        {
            glVertex2d(m, barTop);
            glVertex2d(m - look.halfMarker, barTop + look.marker);
            glVertex2d(m + look.halfMarker, barTop + look.marker);
        }
        glEnd();
    }
}
