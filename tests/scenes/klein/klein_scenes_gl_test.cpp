// The four Klein bottle scenes drawn in the test window: every state draws
// cleanly and leaves GL as it found it, the style icons blend as they
// should, the label's colours show on the bottle and move with the dial, and
// the cut bottle's tube is whole again after every frame.

#include "app/events.h"
#include "app/scene_manager.h"
#include "scenes/klein/klein_controls.h"
#include "scenes/klein/klein_scenes.h"
#include "scenes/klein/style_selector.h"
#include "tests/support/gl_window.h"
#include "tests/support/scene_test.h"
#include "tests/support/test_clock.h"
#include "ui/captions.h"
#include "ui/dial.h"
#include "ui/rotator.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// One of each for the whole binary, turning together as in the exhibit.
Rotator& sharedRotator() {
    static Rotator rotator;
    return rotator;
}
KleinFromRectangleScene& fromRectangle() {
    static KleinFromRectangleScene scene(sharedRotator());
    return scene;
}
KleinBottleScene& bottle() {
    static KleinBottleScene scene(sharedRotator());
    return scene;
}
KleinLabelScene& labelled() {
    static KleinLabelScene scene(sharedRotator());
    return scene;
}
KleinHalvesScene& halves() {
    static KleinHalvesScene scene(sharedRotator());
    return scene;
}

using gl_test::background;
using gl_test::Frame;

// Pixels of the model area, above the overlay's controls, where two frames differ.
int differences(const Frame& a, const Frame& b) {
    return gl_test::differences(a, b, 2, 60);
}

// GL state a Klein frame must not leave behind.
std::string leftovers() {
    std::string problems;
    if (glIsEnabled(GL_BLEND))
        problems += "blending on; ";
    if (glIsEnabled(GL_TEXTURE_2D))
        problems += "texturing on; ";
    if (glIsEnabled(GL_LIGHT4) || !glIsEnabled(GL_LIGHT0))
        problems += "light 4 in place of light 0; ";
    if (!glIsEnabled(GL_DEPTH_TEST) || !glIsEnabled(GL_LIGHTING))
        problems += "depth test or lighting off; ";
    if (glIsEnabled(GL_COLOR_MATERIAL))
        problems += "colour material on; ";
    GLboolean depthMask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
    if (!depthMask)
        problems += "depth writes off; ";
    GLint texture = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    if (texture != 0)
        problems += "a texture left bound; ";
    return problems;
}

Frame drawFrame() {
    renderFrame(elapsedMillis());
    EXPECT_EQ(gl_test::stateProblems(), "");
    EXPECT_EQ(leftovers(), "");
    return {gl_test::readFrame()};
}

class KleinScenesTest : public SceneTest {
  protected:
    // The first scene turns the shared view at its construction.
    void SetUp() override { fromRectangle(); }
};

TEST_F(KleinScenesTest, EveryStateOfEverySceneDrawsCleanly) {
    makeCurrent(fromRectangle());
    for (double v : {0.0, 0.1, 0.25, 0.5, 0.6, 0.75, 0.9, 1.0}) {
        SCOPED_TRACE(v);
        fromRectangle().control->value = v;
        EXPECT_GT(drawFrame().middleCoverage(), 0.08);
    }
    makeCurrent(bottle());
    for (int style = 0; style < 3; ++style) {
        SCOPED_TRACE(style);
        bottle().control->selected = style;
        EXPECT_GT(drawFrame().middleCoverage(), 0.1);
    }
    makeCurrent(labelled());
    for (double angle :
         {0.0, 1.0, 3.0, -0.1, 2 * pi, 1.4e8, -1e8, 1e300, double(NAN), double(INFINITY)}) {
        SCOPED_TRACE(angle);
        labelled().control->setAngle(angle);
        EXPECT_GT(drawFrame().middleCoverage(), 0.1);
    }
    labelled().control->setAngle(0);
    makeCurrent(halves());
    for (double v : {0.0, 0.001, 0.25, 0.5, 0.75, 1.0}) {
        SCOPED_TRACE(v);
        halves().control->value = v;
        EXPECT_GT(drawFrame().middleCoverage(), 0.08);
    }
}

TEST_F(KleinScenesTest, TranslucentIconBlendsAndTheOthersAreOpaque) {
    makeCurrent(bottle());
    bottle().control->selected = 0;
    const Frame frame = drawFrame();
    const StyleSelector& row = *bottle().control;
    const gl_test::Rgb green = gl_test::rgb(0.1, 0.7, 0.3);
    EXPECT_TRUE(gl_test::near(frame.at(int(row.iconX(0)), 20), green));
    // Icon 1's bars: x from -7 to -5 is a bar, -4 a gap.
    EXPECT_TRUE(gl_test::near(frame.at(int(row.iconX(1)) - 6, 20), green));
    EXPECT_TRUE(gl_test::near(frame.at(int(row.iconX(1)) - 4, 20), background()));
    const gl_test::Rgb bg = background();
    const gl_test::Rgb half{(green[0] + bg[0]) / 2, (green[1] + bg[1]) / 2, (green[2] + bg[2]) / 2};
    EXPECT_TRUE(gl_test::near(frame.at(int(row.iconX(2)), 20), half, 3));
}

TEST_F(KleinScenesTest, StylesShowTheBottleWholeInBandsAndSeeThrough) {
    makeCurrent(bottle());
    double coverage[3];
    Frame frames[3];
    for (int style = 0; style < 3; ++style) {
        bottle().control->selected = style;
        frames[style] = drawFrame();
        coverage[style] = frames[style].middleCoverage();
    }
    // Bands leave gaps; the translucent bottle covers what the solid one does
    // but in other colours.
    EXPECT_LT(coverage[1], coverage[0] * 0.95);
    EXPECT_NEAR(coverage[2], coverage[0], 0.02);
    EXPECT_GT(differences(frames[2], frames[0]), 20000);
}

// Pixels in the label's red: the frame, lit.
int labelRedPixels(const Frame& frame, double* centreX = nullptr, double* centreY = nullptr) {
    int count = 0;
    double sx = 0, sy = 0;
    for (int y = 60; y < gl_test::height; ++y)
        for (int x = 0; x < gl_test::width; ++x) {
            const gl_test::Rgb p = frame.at(x, y);
            if (p[0] > 70 && p[0] > 3 * p[1] && p[0] > 3 * p[2]) {
                ++count;
                sx += x;
                sy += y;
            }
        }
    if (centreX && count > 0) {
        *centreX = sx / count;
        *centreY = sy / count;
    }
    return count;
}

TEST_F(KleinScenesTest, LabelColoursShowOnTheBottleAndMoveWithTheDial) {
    makeCurrent(labelled());
    labelled().control->setAngle(0);
    const Frame start = drawFrame();
    double x0 = 0, y0 = 0;
    EXPECT_GT(labelRedPixels(start, &x0, &y0), 1500);
    // The field's light cyan, and the oval's black, in the middle.
    int cyan = 0, black = 0;
    for (int y = 150; y < 450; ++y)
        for (int x = 200; x < 600; ++x) {
            const gl_test::Rgb p = start.at(x, y);
            cyan += p[1] > 150 && p[2] > 150 && p[0] < p[2] - 10 && p[0] > 100;
            black += p[0] < 25 && p[1] < 25 && p[2] < 25;
        }
    EXPECT_GT(cyan, 1000);
    EXPECT_GT(black, 500);

    // A quarter turn moves the label up the bottle towards the neck.
    labelled().control->setAngle(1);
    double x1 = 0, y1 = 0;
    EXPECT_GT(labelRedPixels(drawFrame(), &x1, &y1), 200);
    EXPECT_GT(std::hypot(x1 - x0, y1 - y0), 40);

    // Once around it is back on the same rows, mirrored: the same red
    // area, not the same picture.
    labelled().control->setAngle(2 * pi);
    const Frame around = drawFrame();
    double x2 = 0, y2 = 0;
    EXPECT_NEAR(labelRedPixels(around, &x2, &y2), labelRedPixels(start), 600);
    EXPECT_LT(std::hypot(x2 - x0, y2 - y0), 15);
    EXPECT_GT(differences(around, start), 2000);
    // Twice around it is the same picture again.
    labelled().control->setAngle(4 * pi);
    EXPECT_LT(differences(drawFrame(), start), 50);
    labelled().control->setAngle(0);
    // In English the words on the label change, its frame stays; back in
    // Italian it is the first picture again.
    useLanguage("en");
    const Frame english = drawFrame();
    useLanguage("it");
    EXPECT_GT(differences(english, start), 300);
    EXPECT_NEAR(labelRedPixels(english), labelRedPixels(start), 300);
    EXPECT_LT(differences(drawFrame(), start), 50);
}

TEST_F(KleinScenesTest, CutBottleIsWholeAgainAfterEveryFrame) {
    makeCurrent(halves());
    const KleinTube whole(CutBottle);
    Frame previous;
    for (double v : {0.0, 0.25, 0.6, 1.0, 0.6, 0.0}) {
        SCOPED_TRACE(v);
        halves().control->value = v;
        const Frame frame = drawFrame();
        EXPECT_EQ(halves().tube.halfFlattening, 0);
        ASSERT_EQ(halves().tube.vertices.size(), whole.vertices.size());
        for (std::size_t k = 0; k < whole.vertices.size(); ++k) {
            const Vec3 a = halves().tube.vertices[k], b = whole.vertices[k];
            ASSERT_TRUE(a.x == b.x && a.y == b.y && a.z == b.z) << k;
        }
        if (!previous.pixels.empty()) {
            EXPECT_GT(differences(frame, previous), 2000) << "the picture did not change";
        }
        previous = frame;
    }
    // Drawing the same state twice, from the kept halves, gives the same picture.
    halves().control->value = 0.6;
    const Frame first = drawFrame();
    EXPECT_EQ(differences(drawFrame(), first), 0);
}

TEST_F(KleinScenesTest, HighlightPassLeavesOutOnlyWhatAddsNothing) {
    // Every view of the translucent bottles is the same picture whether the
    // highlight pass draws every quad or only those that can shine.
    auto compare = [&](Scene& scene, DrawnKleinTube& tube) {
        makeCurrent(scene);
        for (int view = 0; view < 6; ++view) {
            SCOPED_TRACE(view);
            tube.cullHighlights = false;
            const Frame all = drawFrame();
            tube.cullHighlights = true;
            EXPECT_EQ(differences(drawFrame(), all), 0);
            sharedRotator().turn(47, 31);
        }
    };
    bottle().control->selected = Translucent;
    compare(bottle(), bottle().tube);
    for (double angle : {0.0, 3.0}) {
        labelled().control->setAngle(angle);
        compare(labelled(), labelled().tube);
    }
    labelled().control->setAngle(0);
    bottle().control->selected = Solid;
}

TEST_F(KleinScenesTest, TheFourScenesTurnTogether) {
    // At 0 the cut bottle is the whole solid bottle, drawn as the plain one is.
    bottle().control->selected = 0;
    halves().control->value = 0;
    makeCurrent(bottle());
    const Frame plain = drawFrame();
    makeCurrent(halves());
    EXPECT_LT(differences(drawFrame(), plain), 50);

    // A drag on the plain bottle's background turns the cut one too.
    makeCurrent(bottle());
    Widget* background = bottle().pickAt({700, 400}, elapsedMillis());
    ASSERT_EQ(background, &sharedRotator());
    EXPECT_EQ(halves().pickAt({700, 400}, elapsedMillis()), background);
    background->press({700, 400}, elapsedMillis());
    background->drag({730, 420}, elapsedMillis());
    background->release({730, 420}, elapsedMillis());
    const Frame turned = drawFrame();
    EXPECT_GT(differences(turned, plain), 2000);
    makeCurrent(halves());
    EXPECT_LT(differences(drawFrame(), turned), 50);
}

TEST(KleinLabelScene, WholeTurnOfTheDialTakesTheLabelOnceAround) {
    EXPECT_NEAR(labelMorph(0), 0.07, 1e-15);
    EXPECT_NEAR(labelMorph(2 * pi) - labelMorph(0), 0.5, 1e-15);
}

} // namespace
