#include "app/events.h"
#include "app/scene_manager.h"
#include "geom/draw.h"
#include "scenes/projective/cross_cap_scene.h"
#include "scenes/projective/mode_selectors.h"
#include "scenes/projective/uncrossed_cross_cap_scene.h"
#include "tests/support/gl_window.h"
#include "tests/support/scene_test.h"
#include "tests/support/test_clock.h"
#include "ui/dial.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <gtest/gtest.h>

namespace {

// One instance of each for the whole binary: the manager keeps the first
// scene of a key.
CrossCapScene& crossCap() {
    static CrossCapScene scene;
    return scene;
}
UncrossedCrossCapScene& uncrossedCrossCap() {
    static UncrossedCrossCapScene scene;
    return scene;
}

using gl_test::background;

// The share of pixels unlike the background: in the middle half of the
// window each way (clear of the overlay), and in the whole window.
struct Coverage {
    double middle = 0;
    double whole = 0;
};

// Draws one frame of the current scene and measures it.
Coverage drawFrame() {
    renderFrame(elapsedMillis());
    EXPECT_EQ(gl_test::stateProblems(), "");
    const std::string frame = gl_test::readFrame();
    int middle = 0;
    int whole = 0;
    for (int y = 0; y < gl_test::height; ++y)
        for (int x = 0; x < gl_test::width; ++x) {
            const unsigned char* p = (const unsigned char*)&frame[(y * gl_test::width + x) * 3];
            if (gl_test::near({p[0], p[1], p[2]}, background(), 3))
                continue;
            ++whole;
            middle += x >= 200 && x < 600 && y >= 150 && y < 450;
        }
    return {middle / (400.0 * 300), whole / (800.0 * 600)};
}

class ProjectiveScenesTest : public SceneTest {
  protected:
    void show(double morph, int surfaceMode, int boundaryMode, double dialAngle = 0) {
        CrossCapScene& scene = crossCap();
        scene.morphSlider->value = morph;
        scene.surfaceSelector->selected = surfaceMode;
        scene.boundarySelector->selected = boundaryMode;
        scene.dial->setAngle(dialAngle);
    }
};

TEST_F(ProjectiveScenesTest, CrossCapDrawsCleanlyInEveryState) {
    makeCurrent(crossCap());
    for (double morph : {0.0, 0.5, 1.0})
        for (int surfaceMode = 0; surfaceMode < 3; ++surfaceMode)
            for (int boundaryMode = 0; boundaryMode < 4; ++boundaryMode)
                for (double angle : {0.0, 1.0, pi / 2, -pi / 2, 2 * pi}) {
                    if (boundaryMode != 3 && angle != 0.0)
                        continue;
                    SCOPED_TRACE(testing::Message() << "t " << morph << " modes " << surfaceMode
                                                    << boundaryMode << " dial " << angle);
                    show(morph, surfaceMode, boundaryMode, angle);
                    const Coverage coverage = drawFrame();
                    if (surfaceMode == 0 && boundaryMode == 0) {
                        EXPECT_EQ(coverage.middle, 0.0);
                    } else {
                        EXPECT_GT(coverage.middle, surfaceMode == 1 ? 0.10 : 0.02);
                        EXPECT_LT(coverage.whole, 0.5);
                    }
                }
    // The slider opens the thin band into the cap.
    show(0, 1, 1);
    const double band = drawFrame().middle;
    show(1, 1, 1);
    EXPECT_GT(drawFrame().middle, 2 * band);
}

TEST_F(ProjectiveScenesTest, DialShowsInTheSameFrameAsTheGenerator) {
    makeCurrent(crossCap());
    for (int boundaryMode : {2, 3, 0, 3, 1}) {
        show(0.5, 1, boundaryMode);
        drawFrame();
        // A point of the dial's ring, above its centre.
        const gl_test::Rgb expected =
            boundaryMode == 3 ? gl_test::rgb(0.3, 0.4, 0.8) : background();
        EXPECT_TRUE(gl_test::near(gl_test::pixel(480, 45), expected)) << boundaryMode;
    }
}

TEST_F(ProjectiveScenesTest, ModeIconsSitInTheirRows) {
    makeCurrent(crossCap());
    show(0, 1, 3);
    drawFrame();
    EXPECT_TRUE(gl_test::near(gl_test::pixel(300, 20), gl_test::rgb(0.1, 0.7, 0.3)));
    EXPECT_TRUE(gl_test::near(gl_test::pixel(377, 20), gl_test::rgb(0.5, 0.4, 0.2)));
    // The bar across the last icon takes the ring's last colour.
    const Vec3 last = hueRamp(38.0 / 39, 1);
    EXPECT_TRUE(gl_test::near(gl_test::pixel(410, 20), gl_test::rgb(last.x, last.y, last.z), 3));
}

TEST_F(ProjectiveScenesTest, UncrossedBandGrowsAroundItsEdgeTube) {
    UncrossedCrossCapScene& scene = uncrossedCrossCap();
    makeCurrent(scene);
    double previous = 0;
    for (double growth : {0.0, 0.5, 1.0}) {
        SCOPED_TRACE(growth);
        scene.growthSlider->value = growth;
        double coverage[3];
        for (int mode = 0; mode < 3; ++mode) {
            scene.surfaceSelector->selected = mode;
            coverage[mode] = drawFrame().middle;
        }
        // The tube is always there; the stripes add to it, the whole band more.
        EXPECT_GT(coverage[0], 0.01);
        EXPECT_GT(coverage[2], coverage[0]);
        EXPECT_GT(coverage[1], coverage[2]);
        EXPECT_GT(coverage[1], previous);
        EXPECT_LT(drawFrame().whole, 0.5);
        previous = coverage[1];
    }
}

} // namespace
