#include "tests/support/test_scene.h"

#include "ui/widget_panel.h"

#include <GL/gl.h>

void TestRow::drawIcon(int) const {
    glColor3d(0.1, 0.7, 0.3);
    glRectd(-7, -7, 7, 7);
}

TestScene::TestScene(const std::string& key, bool withControls) : Scene(key) {
    if (!withControls)
        return;
    slider = placed(new Slider, BottomLeft, {200, 20});
    panel->add(slider);
    row = placed(new TestRow, BottomLeft, {300, 20});
    panel->add(row);
    dial = placed(new Dial, BottomLeft, {480, 30});
    panel->add(dial);
    button = placed(new TestButton, TopRight, {-30, -30});
    panel->add(button);
}

void TestScene::reshape(int width, int height) {
    ++reshapes;
    lastReshapeWidth = width;
    lastReshapeHeight = height;
    Scene::reshape(width, height);
}

void TestScene::setupGL() {
    ++setups;
    Scene::setupGL();
}

void TestScene::drawModel() const {
    if (!drawQuad)
        return;
    glPushMatrix();
    {
        glTranslated(0, 0, -8);
        applyViewRotation();
        glNormal3d(0, 0, 1);
        glBegin(GL_QUADS);
        {
            glVertex3d(-1, -1, 0);
            glVertex3d(1, -1, 0);
            glVertex3d(1, 1, 0);
            glVertex3d(-1, 1, 0);
        }
        glEnd();
    }
    glPopMatrix();
}
