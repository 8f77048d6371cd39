#include "ui/nav_button.h"

#include "ui/palette.h"
#include "ui/scene_list.h"

#include <GL/gl.h>

int NavButton::target() const {
    const SceneList* list = sceneList();
    if (!list)
        return -1;
    const int shown = list->shownIndex();
    if (direction == 0)
        return shown > 0 ? shown - 1 : -1;
    return shown < list->count() - 1 ? shown + 1 : -1;
}

void NavButton::draw(Millis) const {
    if (target() < 0)
        return;
    const double tip = direction == 0 ? -7 : 7;
    palette::use(palette::buttonColour(pressed, hovered));
    glPushMatrix();
    {
        glTranslated(position.x, position.y, 0);
        glBegin(GL_TRIANGLES);
        {
            glVertex2d(-tip, -7);
            glVertex2d(-tip, 7);
            glVertex2d(tip, 0);
        }
        glEnd();
    }
    glPopMatrix();
}

void NavButton::activate(Millis) {
    const int index = target();
    if (index >= 0)
        sceneList()->select(index);
}
