#include "app/events.h"
#include "app/scene_manager.h"
#include "scenes/ring/ring_scene.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_clock.h"
#include "ui/dial.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <gtest/gtest.h>

namespace {

RingScene& ringScene() {
    static RingScene scene;
    return scene;
}

struct Picture {
    int model = 0; // pixels of the middle unlike the background
    int red = 0;   // of those, the cut's red
};

class RingSceneTest : public testing::Test {
  protected:
    void SetUp() override {
        test_clock::set(1000);
        RingScene& scene = ringScene();
        SceneManager& manager = SceneManager::instance();
        manager.clearOrder();
        manager.appendByName("ring");
        ASSERT_EQ(manager.current(), &scene);
        gl_test::reshapeToWindow();
        scene.setupGL();
    }
    void TearDown() override {
        show(0, 0, 0);
        test_clock::restore();
    }

    void show(double bandCut, double edgeCut, double phase) {
        ringScene().bandSlider->value = bandCut;
        ringScene().edgeSlider->value = edgeCut;
        ringScene().phaseDial->setAngle(phase);
    }

    // The middle of the window, clear of the overlay.
    // Drawn twice: first as the controls have just moved, then from the
    // display list made for controls at rest; both must agree.
    Picture drawFrame() {
        renderFrame(elapsedMillis());
        EXPECT_EQ(gl_test::stateProblems(), "");
        const std::string moved = gl_test::readFrame();
        renderFrame(elapsedMillis());
        EXPECT_EQ(gl_test::stateProblems(), "");
        const std::string frame = gl_test::readFrame();
        EXPECT_TRUE(frame == moved) << "the resting band differs from the moving one";
        const gl_test::Rgb background{backgroundColour[0], backgroundColour[1],
                                      backgroundColour[2]};
        Picture picture;
        for (int y = 100; y < 500; ++y)
            for (int x = 150; x < 650; ++x) {
                const unsigned char* p = (const unsigned char*)&frame[(y * gl_test::width + x) * 3];
                if (gl_test::near({p[0], p[1], p[2]}, background, 3))
                    continue;
                ++picture.model;
                picture.red += p[0] > 150 && p[1] < p[0] / 2 && p[2] < p[0] / 2;
            }
        return picture;
    }
};

TEST_F(RingSceneTest, CutsShowRedOnlyWhileTheyCutSomething) {
    EXPECT_EQ(ringScene().caption(), "Moebius intrecciato");
    const Picture whole = drawFrame();
    EXPECT_GT(whole.model, 500 * 400 / 5);
    EXPECT_EQ(whole.red, 0);
    for (double bandCut : {0.0, 0.3, 0.995, 1.0})
        for (double edgeCut : {0.0, 0.5, 0.99, 1.0}) {
            SCOPED_TRACE(testing::Message() << "band " << bandCut << " edge " << edgeCut);
            show(bandCut, edgeCut, 0.8);
            const Picture cut = drawFrame();
            const bool cutSomething = (bandCut > 0 && bandCut < 1) || (edgeCut > 0 && edgeCut < 1);
            EXPECT_EQ(cut.red > 20, cutSomething);
            if (bandCut > 0 || edgeCut > 0) {
                EXPECT_LT(cut.model, whole.model);
            }
        }
    // Everything cut away: nothing of the model is left.
    show(1, 1, 0);
    EXPECT_EQ(drawFrame().model, 0);
}

TEST_F(RingSceneTest, PhaseTurnsTheBandAndAFullTurnRestoresIt) {
    show(0.2, 0, 0);
    const std::string start = (drawFrame(), gl_test::readFrame());
    show(0.2, 0, pi / 3);
    const std::string turned = (drawFrame(), gl_test::readFrame());
    show(0.2, 0, 2 * pi);
    const std::string again = (drawFrame(), gl_test::readFrame());
    const int changed = pixels::countDifferent(start, turned, 0);
    const int differing = pixels::countDifferent(start, again, 8);
    EXPECT_GT(changed, 10000);
    EXPECT_LT(differing, 30);
    // A dial that has spun for a long time still draws a finite band.
    show(0, 0, 1e9);
    EXPECT_GT(drawFrame().model, 500 * 400 / 5);
}

} // namespace
