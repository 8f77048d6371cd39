#include "ui/nav_button.h"

#include "app/scene_manager.h"
#include "ui/palette.h"

#include <GL/gl.h>

int NavButton::target() const {
    const SceneManager& manager = SceneManager::instance();
    if (direction == 0)
        return manager.currentIndex > 0 ? manager.currentIndex - 1 : -1;
    return manager.currentIndex < manager.count() - 1 ? manager.currentIndex + 1 : -1;
}

void NavButton::draw() {
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

void NavButton::activate() {
    const int index = target();
    if (index >= 0)
        SceneManager::instance().select(index);
}
