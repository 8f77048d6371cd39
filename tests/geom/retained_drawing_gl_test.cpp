// The retained drawing in a real context: when it records, when it replays,
// and that what it replays is the picture it recorded.

#include "geom/retained_drawing.h"
#include "tests/support/gl_window.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using gl_test::pixel;
using gl_test::rgb;

// Fills the window with grey level `level`, counting the calls.
struct Fill {
    int calls = 0;
    void operator()(double level) {
        ++calls;
        glColor3d(level, level, level);
        glRectd(-1, -1, 1, 1);
    }
};

TEST(RetainedDrawing, RecordsNewKeysAndReplaysKnownOnes) {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    RetainedDrawing drawing;
    Fill fill;
    std::vector<double> mesh{0.25, 0.5};
    // An update step, then the frame's drawing.
    auto draw = [&](double level) {
        drawing.update({DrawingKey::of(level), DrawingKey::of(mesh)}, [&] { fill(level); });
        drawing.draw([&] { fill(level); });
    };

    draw(0.2);
    EXPECT_EQ(drawing.recordings(), 1) << "the first draw records";
    EXPECT_TRUE(gl_test::near(pixel(400, 300), rgb(0.2, 0.2, 0.2)));
    glColor3d(1, 1, 1);
    glRectd(-1, -1, 1, 1);
    draw(0.2);
    EXPECT_EQ(drawing.recordings(), 1) << "the same key replays";
    EXPECT_EQ(fill.calls, 1);
    EXPECT_TRUE(gl_test::near(pixel(400, 300), rgb(0.2, 0.2, 0.2))) << "the replay draws";

    draw(0.6);
    EXPECT_EQ(drawing.recordings(), 2) << "a new value records again";
    EXPECT_TRUE(gl_test::near(pixel(400, 300), rgb(0.6, 0.6, 0.6)));
    mesh.push_back(0);
    draw(0.6);
    EXPECT_EQ(drawing.recordings(), 3) << "a longer vector is a new key";
    mesh.back() = -0.0;
    draw(0.6);
    EXPECT_EQ(drawing.recordings(), 4) << "keys compare bit for bit";
    drawing.forget();
    draw(0.6);
    EXPECT_EQ(drawing.recordings(), 5) << "forgotten";
    drawing.draw([&] { fill(0.9); });
    EXPECT_EQ(fill.calls, 5) << "drawn again from the list";
    EXPECT_EQ(gl_test::stateProblems(), "");
}

TEST(RetainedDrawing, WhenRepeatedDrawsANewKeyDirectly) {
    RetainedDrawing drawing(RetainedDrawing::WhenRepeated);
    Fill fill;
    for (double level : {0.1, 0.3, 0.3, 0.3}) {
        drawing.update({DrawingKey::of(level)}, [&] { fill(level); });
        drawing.draw([&] { fill(level); });
        EXPECT_TRUE(gl_test::near(pixel(400, 300), rgb(level, level, level)));
    }
    EXPECT_EQ(drawing.recordings(), 1) << "recorded when 0.3 came back";
    EXPECT_EQ(fill.calls, 3);

    drawing.update({DrawingKey::of(0.7)}, [&] { fill(0.7); });
    drawing.draw([&] { fill(0.7); });
    glColor3d(1, 1, 1);
    glRectd(-1, -1, 1, 1);
    drawing.draw([&] { fill(0.7); });
    EXPECT_EQ(fill.calls, 5) << "nothing recorded yet: drawn directly again";
    EXPECT_TRUE(gl_test::near(pixel(400, 300), rgb(0.7, 0.7, 0.7)));
    EXPECT_EQ(gl_test::stateProblems(), "");
}

TEST(RetainedDrawing, KeepsOneListAndFreesIt) {
    unsigned name = 0;
    {
        RetainedDrawing drawing;
        drawing.update({DrawingKey::of(1)}, [] {});
        name = drawing.listName();
        drawing.update({DrawingKey::of(2)}, [] {});
        EXPECT_EQ(drawing.listName(), name) << "a new recording reuses the name";
        ASSERT_TRUE(glIsList(name));
    }
    EXPECT_FALSE(glIsList(name));
    EXPECT_EQ(gl_test::stateProblems(), "");
}

} // namespace
