#include "app/scene_manager.h"
#include "tests/support/gl_selection.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_scene.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

void square(double z) {
    glBegin(GL_QUADS);
    {
        glVertex3d(-1, -1, z);
        glVertex3d(1, -1, z);
        glVertex3d(1, 1, z);
        glVertex3d(-1, 1, z);
    }
    glEnd();
}

// Two named squares facing the camera, one behind the other, and an unnamed
// one in front of both to the right.
class Layered : public TestScene {
  public:
    Layered() : TestScene("Layered") {}
    void drawModel() const override {
        const double zs[2] = {nearFirst ? -6.0 : -8.0, nearFirst ? -8.0 : -6.0};
        glLoadName(1);
        square(zs[0]);
        glLoadName(2);
        square(zs[1]);
        glLoadName(0xffff);
        glPushMatrix();
        {
            glTranslated(1.5, 0, 0);
            square(-5);
        }
        glPopMatrix();
    }
    bool nearFirst = true;
};

Layered layered;

TEST(GlSelectAt, NearestNamedItemWins) {
    gl_test::ensureWindow();
    glViewport(0, 0, gl_test::width, gl_test::height);
    layered.reshape(gl_test::width, gl_test::height);
    EXPECT_EQ(gl_selection::selectAt(layered, {400, 300}), 1);
    layered.nearFirst = false;
    EXPECT_EQ(gl_selection::selectAt(layered, {400, 300}), 2);
    EXPECT_EQ(gl_selection::selectAt(layered, {5, 5}), 0) << "empty background";
    EXPECT_EQ(gl_selection::selectAt(layered, {500, 300}), 0)
        << "unnamed geometry in front of a named one";
    EXPECT_EQ(gl_selection::selectAt(layered, {700, 300}), 0) << "only unnamed geometry";
    EXPECT_EQ(gl_test::stateProblems(), "");
}

TEST(SelectionRecords, SmallestMinimumDepthThenEarliest) {
    // Records: name count, minimum depth, maximum depth, names.
    const unsigned records[] = {1, 0x90000000u, 0x90000000u, 5,    // far (as unsigned)
                                2, 0x10000000u, 0x20000000u, 9, 7, // near, last name 7
                                1, 0x10000000u, 0x10000000u, 8,    // as near, later
                                0, 0x00000001u, 0x00000001u};      // nearest, no name
    EXPECT_EQ(gl_selection::nearestSelectionName(records, 3, 512), 7);
    EXPECT_EQ(gl_selection::nearestSelectionName(records, 4, 512), 0);
    EXPECT_EQ(gl_selection::nearestSelectionName(records, 0, 512), 0);
    // A record count larger than the buffer holds stops at the buffer's end.
    EXPECT_EQ(gl_selection::nearestSelectionName(records, 40, 4), 5);
}

} // namespace
