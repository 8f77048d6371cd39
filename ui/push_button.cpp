#include "ui/push_button.h"

#include "ui/palette.h"

#include <GL/gl.h>

bool PushButton::contains(Vec2 p) const {
    const Vec2 d = p - position;
    return d.x * d.x + d.y * d.y < 100;
}

void PushButton::draw(Millis) const {
    palette::use(palette::buttonColour(pressed, hovered));
    glRectd(position.x - 7, position.y - 7, position.x + 7, position.y + 7);
}

void PushButton::release(Vec2 p, Millis now) {
    pressed = false;
    if (contains(p))
        click(now);
}

bool PushButton::recordingActivations = false;

void PushButton::click(Millis now) {
    if (recordingActivations && recordsActivations)
        activations.push_back(now);
    activate(now);
}
