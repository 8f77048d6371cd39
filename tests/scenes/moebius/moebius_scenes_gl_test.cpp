#include "app/events.h"
#include "app/scene_manager.h"
#include "geom/clock.h"
#include "geom/draw.h"
#include "scenes/moebius/cut_strip_scenes.h"
#include "scenes/moebius/moebius_scene.h"
#include "scenes/moebius/strip_map_scene.h"
#include "scenes/moebius/strip_selectors.h"
#include "scenes/moebius/wheel_model.h"
#include "scenes/moebius/wheels_scene.h"
#include "tests/support/exhibit_checks.h"
#include "tests/support/gl_selection.h"
#include "tests/support/gl_window.h"
#include "tests/support/scene_test.h"
#include "tests/support/test_clock.h"
#include "ui/dial.h"
#include "ui/option_row.h"
#include "ui/overlay_scale.h"
#include "ui/rotator.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
#include <random>
#include <vector>

namespace {

// One instance of each for the whole binary, turning together as in the
// exhibit: the manager keeps the first scene of a key.
Rotator& sharedRotator() {
    static Rotator rotator(0, 20);
    return rotator;
}
SquareToMoebiusScene& square() {
    static SquareToMoebiusScene scene(sharedRotator());
    return scene;
}
CutInTwoScene& cutInTwo() {
    static CutInTwoScene scene(sharedRotator());
    return scene;
}
SlidingStripScene& sliding() {
    static SlidingStripScene scene(sharedRotator());
    return scene;
}
CutInThreeScene& cutInThree() {
    static CutInThreeScene scene(sharedRotator());
    return scene;
}
StripMapScene& map() {
    static StripMapScene scene(sharedRotator());
    return scene;
}
WheelsScene& wheels() {
    static WheelsScene scene(sharedRotator());
    return scene;
}

using gl_test::background;
using gl_test::Frame;

// Draws one frame of the current scene as the display handler does, checks
// that it left GL as it found it, and reads it back.
Frame drawFrame() {
    renderFrame(elapsedMillis());
    EXPECT_EQ(gl_test::stateProblems(), "");
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_TRUE(depthWrites) << "the next scene would draw without depth";
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "the next scene would draw blended";
    return {gl_test::readFrame()};
}

int differences(const Frame& a, const Frame& b) {
    return gl_test::differences(a, b, 4);
}

class MoebiusScenesTest : public SceneTest {
  protected:
    void makeCurrent(Scene& scene) {
        SceneTest::makeCurrent(scene);
        // Every test starts from the same view.
        sharedRotator() = Rotator(0, 20);
    }
};

TEST_F(MoebiusScenesTest, BendingAndTwistingDrawCleanly) {
    SquareToMoebiusScene& scene = square();
    makeCurrent(scene);
    scene.twistDial->setAngle(pi);
    scene.bendSlider->value = 0;
    const double flat = drawFrame().middleCoverage();
    EXPECT_GT(flat, 0.02);
    for (double bend : {1e-9, 0.25, 0.5, 0.75, 1.0})
        for (double angle : {-7.0, 0.0, 3.3, 3.5, 2 * pi}) {
            SCOPED_TRACE(testing::Message() << "bend " << bend << " dial " << angle);
            scene.bendSlider->value = bend;
            scene.twistDial->setAngle(angle);
            const double coverage = drawFrame().middleCoverage();
            EXPECT_GT(coverage, 0.02);
            if (bend >= 0.5) {
                EXPECT_GT(coverage, 2 * flat) << "the band grows as it bends";
            }
        }
}

TEST_F(MoebiusScenesTest, CutsOpenAndTheMiddleThirdTakesItsStyle) {
    CutInTwoScene& two = cutInTwo();
    makeCurrent(two);
    two.liftSlider->value = 0;
    const Frame closed = drawFrame();
    for (double lift : {0.25, 0.5, 1.0}) {
        two.liftSlider->value = lift;
        EXPECT_GT(differences(closed, drawFrame()), 2000) << lift;
    }

    CutInThreeScene& three = cutInThree();
    makeCurrent(three);
    three.liftSlider->value = 0.8;
    auto yellowPixels = [](const Frame& f) {
        int count = 0;
        for (int y = 100; y < 500; ++y)
            for (int x = 100; x < 700; ++x) {
                const gl_test::Rgb c = f.at(x, y);
                count += c[0] > 100 && c[1] > 100 && c[2] < c[0] / 2;
            }
        return count;
    };
    double coverage[3];
    for (int style = 0; style < 3; ++style) {
        three.cutSelector->selected = style;
        const Frame f = drawFrame();
        coverage[style] = f.middleCoverage();
        if (style == 1)
            EXPECT_GT(yellowPixels(f), 1000);
        else
            EXPECT_EQ(yellowPixels(f), 0) << style;
    }
    EXPECT_LT(coverage[2], coverage[0]) << "the middle third is not hidden";
}

TEST_F(MoebiusScenesTest, SlidingBandsCycleOncePerTurnOfTheirDial) {
    SlidingStripScene& scene = sliding();
    makeCurrent(scene);
    scene.twistDial->setAngle(pi);
    scene.slideDial->setAngle(0);
    const Frame start = drawFrame();
    scene.slideDial->setAngle(pi / 2);
    const Frame eighth = drawFrame();
    EXPECT_GT(differences(start, eighth), 2000);
    // A whole turn of the dial brings the bands back.
    scene.slideDial->setAngle(2 * pi);
    EXPECT_LT(differences(start, drawFrame()), 50);
    scene.slideDial->setAngle(-pi / 2);
    const Frame back = drawFrame();
    scene.slideDial->setAngle(3.5 * pi);
    EXPECT_LT(differences(back, drawFrame()), 50) << "-π/2 draws as 0.875 of a cycle";
}

// Finds a pixel of the band, clear of the overlay, where a and b differ all
// around: inside what changed, far enough from its border that nothing else
// falls into the 5 by 5 pixels that selection looks at.
std::optional<Vec2> insideChange(const Frame& a, const Frame& b) {
    constexpr int margin = 6;
    for (int y = 120; y < 480; y += 3)
        for (int x = 150; x < 650; x += 3) {
            bool all = true;
            for (int dy = -margin; dy <= margin && all; ++dy)
                for (int dx = -margin; dx <= margin && all; ++dx)
                    all = !gl_test::near(a.at(x + dx, y + dy), b.at(x + dx, y + dy), 6);
            if (all)
                return Vec2{double(x), double(y)};
        }
    return std::nullopt;
}

// What a press at p finds on the map, as the scene's press asks.
int pickOnMap(const StripMapScene& scene, Vec2 p) {
    PickBox box = scene.pickBoxAt(p);
    return scene.strip.mapNameAt(box, scene.modelview());
}

TEST_F(MoebiusScenesTest, MapPickFindsTheRegionUnderAPixel) {
    StripMapScene& scene = map();
    makeCurrent(scene);
    std::fill(std::begin(scene.strip.regionState), std::end(scene.strip.regionState), 0);
    const Frame grey = drawFrame();
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        scene.strip.regionState[k - 1] = k;
        const Frame coloured = drawFrame();
        const std::optional<Vec2> p = insideChange(grey, coloured);
        ASSERT_TRUE(p) << "region " << k << " does not show";
        EXPECT_EQ(pickOnMap(scene, *p), k);
        // On a scaled overlay the same window pixel is at half the units.
        overlayScale.fix(2);
        EXPECT_EQ(pickOnMap(scene, *p * 0.5), k);
        overlayScale = OverlayScale();
        EXPECT_EQ(gl_test::stateProblems(), "");

        // The visitor's press there switches it back to grey.
        ASSERT_EQ(scene.pickAt(*p, elapsedMillis()), static_cast<Widget*>(&scene));
        scene.press(*p, elapsedMillis());
        scene.release(*p, elapsedMillis());
        EXPECT_FALSE(scene.forwardToRotator);
        EXPECT_EQ(scene.strip.regionState[k - 1], 0);
        EXPECT_LT(differences(grey, drawFrame()), 50);
    }

    // The background has no region: a press there turns the view, a drag
    // from a region does not.
    EXPECT_EQ(pickOnMap(scene, {700, 300}), 0);

    auto dragFrom = [&](Vec2 p) {
        const Rotator before = sharedRotator();
        scene.press(p, elapsedMillis());
        scene.drag({p.x + 40, p.y + 10}, elapsedMillis());
        scene.release({p.x + 40, p.y + 10}, elapsedMillis());
        return !std::equal(std::begin(before.matrix), std::end(before.matrix),
                           std::begin(sharedRotator().matrix));
    };
    EXPECT_TRUE(dragFrom({700, 300}));
    EXPECT_TRUE(scene.forwardToRotator);
    const Frame turned = drawFrame();
    scene.strip.regionState[1] = 2;
    const std::optional<Vec2> onTwo = insideChange(turned, drawFrame());
    scene.strip.regionState[1] = 0;
    ASSERT_TRUE(onTwo);
    EXPECT_FALSE(dragFrom(*onTwo));
    EXPECT_EQ(scene.strip.regionState[1], 2);
}

// The CPU pick against drawing in selection mode, over every 8th pixel of
// the window (a quarter of them at each of four turns of the view) and a
// narrow window with a scaled overlay. The two may part only on a tie: where
// the pick box holds the crease between a broad face and the band's edge,
// both are nearest at the same point, and GL's float arithmetic breaks the
// tie one way or the other within a few steps of its depth.
TEST_F(MoebiusScenesTest, MapPicksWhatSelectionModePicked) {
    StripMapScene& scene = map();
    makeCurrent(scene);
    int picks = 0, onBand = 0, ties = 0;
    auto compare = [&](int width, int height, int step, int dx, int dy) {
        glViewport(0, 0, width, height);
        scene.reshape(width, height);
        const double s = overlayScale.factor();
        for (int y = dy; y < height; y += step)
            for (int x = dx; x < width; x += step) {
                const Vec2 p{x / s, y / s};
                PickBox box = scene.pickBoxAt(p);
                const int cpu = scene.strip.mapNameAt(box, scene.modelview());
                const int gl = gl_selection::selectAt(scene, p);
                ++picks;
                onBand += gl > 0;
                if (cpu == gl)
                    continue;
                // How much nearer the CPU's winner is than what GL chose.
                std::int64_t chosen = INT64_MAX, best = INT64_MAX;
                for (const PickBox::Record& r : box.records()) {
                    best = std::min(best, std::int64_t(r.depth));
                    if (r.name == gl || (gl == 0 && (r.name == 0 || r.name == 0xffff)))
                        chosen = std::min(chosen, std::int64_t(r.depth));
                }
                ++ties;
                EXPECT_LE(chosen - best, 4 * 256)
                    << "at " << x << ", " << y << " of " << width << "x" << height << ": " << cpu
                    << " where selection found " << gl;
            }
    };
    const double turns[][4] = {
        {0, 1, 0, 0}, {35, 1, 0.3, 0}, {-70, 0.2, 1, 0.1}, {120, 0.5, -0.4, 1}};
    for (int t = 0; t < 4; ++t) {
        const Mat4 m = rotation(turns[t][0], turns[t][1], turns[t][2], turns[t][3]);
        std::copy(std::begin(m.m), std::end(m.m), sharedRotator().matrix);
        scene.update(elapsedMillis());
        compare(gl_test::width, gl_test::height, 16, 4 + 8 * (t % 2), 4 + 8 * (t / 2));
    }
    overlayScale.fix(0.75);
    compare(480, 600, 20, 2, 2);
    overlayScale = OverlayScale();
    gl_test::reshapeToWindow();
    std::printf("%d picks, %d on the band, %d ties broken apart\n", picks, onBand, ties);
    EXPECT_GT(onBand, picks / 20);
    EXPECT_LE(ties, onBand / 50);
    EXPECT_EQ(gl_test::stateProblems(), "");
}

TEST_F(MoebiusScenesTest, WheelsBandIsRecordedOnlyWhenItsStyleChanges) {
    WheelsScene& scene = wheels();
    makeCurrent(scene);
    scene.strip.clearWheels();
    scene.styleSelector->selected = 0;
    drawFrame();
    const int recorded = scene.strip.bandRecordings();
    const Frame whole = drawFrame();
    EXPECT_EQ(scene.strip.bandRecordings(), recorded);

    scene.styleSelector->selected = 1;
    const Frame pieces = drawFrame();
    EXPECT_EQ(scene.strip.bandRecordings(), recorded + 1);
    EXPECT_LT(pieces.middleCoverage(), whole.middleCoverage());
    drawFrame();
    EXPECT_EQ(scene.strip.bandRecordings(), recorded + 1);

    scene.styleSelector->selected = 2;
    const Frame translucent = drawFrame();
    EXPECT_EQ(scene.strip.bandRecordings(), recorded + 2);
    EXPECT_GT(differences(whole, translucent), 5000);

    scene.styleSelector->selected = 0;
    EXPECT_LT(differences(whole, drawFrame()), 50);
    EXPECT_EQ(scene.strip.bandRecordings(), recorded + 3);
}

TEST_F(MoebiusScenesTest, WheelsRollAndStopAtTheirCap) {
    WheelsScene& scene = wheels();
    makeCurrent(scene);
    scene.styleSelector->selected = 0;
    scene.strip.clearWheels();
    const Frame bare = drawFrame();
    scene.strip.addWheel(elapsedMillis());
    const Frame one = drawFrame();
    EXPECT_GT(differences(bare, one), 300) << "a new wheel at the seam";
    test_clock::advance(2000);
    EXPECT_GT(differences(one, drawFrame()), 300) << "the wheel has rolled on";

    // A week on, the wheels still draw and roll.
    test_clock::advance(7 * 24 * 3600 * 1000);
    const Frame weekOn = drawFrame();
    test_clock::advance(1500);
    EXPECT_GT(differences(weekOn, drawFrame()), 300);

    for (int i = 0; i < 2 * MoebiusStrip::maxWheels; ++i) {
        scene.strip.addWheel(elapsedMillis());
        test_clock::advance(97);
    }
    EXPECT_EQ(scene.strip.wheels.size(), std::size_t(MoebiusStrip::maxWheels));
    for (int style = 0; style < 3; ++style) {
        scene.styleSelector->selected = style;
        drawFrame();
    }
    scene.strip.clearWheels();
}

// The wheels are placed on the CPU; where they go must be what the chain of
// GL transformations of one wheel gives: onto the face, axle along the
// width, up by the radius, turned by the roll.
TEST(WheelPlacement, MatchesTheMatrixChainOfOneWheel) {
    MoebiusStrip strip;
    strip.bend = 1;
    for (double x : {0.0, 0.3, 1.7, 60481.25}) {
        SCOPED_TRACE(x);
        const StripFrame frame = strip.stripFrame(x);
        const double distance = x * strip.closedLength;
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        multiplyFrame(frame.centre, frame.across, frame.normal);
        glTranslated(0, strip.thickness / 2, 0);
        glRotated(90, 0, 1, 0);
        glTranslated(0, wheelRadius, 0);
        glRotated(MoebiusStrip::wheelRollDegrees(distance), 0, 0, 1);
        double m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        glPopMatrix();
        const WheelPlacement placement = wheelPlacement(frame, strip.thickness, distance);
        const Vec3 columns[4] = {placement.ex, placement.ey, placement.ez, placement.origin};
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(m[4 * c], columns[c].x, 1e-6) << c;
            EXPECT_NEAR(m[4 * c + 1], columns[c].y, 1e-6) << c;
            EXPECT_NEAR(m[4 * c + 2], columns[c].z, 1e-6) << c;
        }
    }
    EXPECT_EQ(gl_test::stateProblems(), "");
}

// Whatever a visitor does to the six scenes, every control stays finite and
// in range, the wheels within their cap, the regions grey or in their own
// colour, and every frame leaves GL as it found it.
TEST_F(MoebiusScenesTest, RandomEventsLeaveEverythingInRange) {
    Scene* scenes[] = {&square(), &wheels(), &cutInTwo(), &sliding(), &cutInThree(), &map()};
    test_clock::set(INT_MAX - 3000); // the stream crosses the clock's wrap
    SceneManager& manager = SceneManager::instance();
    manager.clearOrder();
    for (Scene* scene : scenes)
        manager.appendByName(scene->name);
    initialise();
    gl_test::reshapeToWindow();
    auto sane = [&] {
        for (Scene* scene : scenes)
            for (const auto& item : scene->panel->items()) {
                if (auto* slider = dynamic_cast<Slider*>(item.get())) {
                    ASSERT_TRUE(slider->value >= 0 && slider->value <= 1);
                }
                if (auto* dial = dynamic_cast<Dial*>(item.get())) {
                    ASSERT_TRUE(std::isfinite(dial->angleAt(elapsedMillis())));
                }
                if (auto* row = dynamic_cast<OptionRow*>(item.get())) {
                    ASSERT_TRUE(row->selected >= 0 && row->selected < row->iconCount);
                }
            }
        ASSERT_LE(wheels().strip.wheels.size(), std::size_t(MoebiusStrip::maxWheels));
        for (int k = 1; k <= 6; ++k)
            ASSERT_TRUE(map().strip.regionState[k - 1] == 0 || map().strip.regionState[k - 1] == k);
        for (float m : sharedRotator().matrix)
            ASSERT_TRUE(std::isfinite(m));
    };

    std::mt19937 random(20261208);
    auto chance = [&](int n) { return int(random() % unsigned(n)); };
    bool held = false;
    for (int event = 0; event < 20000; ++event) {
        // Mostly over the controls along the bottom edge and the model.
        const int x = chance(20) == 0 ? chance(4000) - 2000 : chance(820) - 10;
        const int y = chance(2) ? 600 - chance(50) : chance(620) - 10;
        switch (chance(10)) {
        case 0:
            onMouse(0, GLUT_DOWN, x, y);
            held = true;
            break;
        case 1:
            onMouse(0, GLUT_UP, x, y);
            held = false;
            break;
        case 2:
        case 3:
        case 4:
            held ? onMotion(x, y) : onPassiveMotion(x, y);
            break;
        case 5:
            onSpecialKey(chance(2) ? GLUT_KEY_LEFT : GLUT_KEY_RIGHT, x, y);
            break;
        case 6:
            if (chance(30) == 0) {
                const int sizes[][2] = {{0, 0}, {1, 1}, {800, 600}, {320, 200}};
                const auto& size = sizes[chance(4)];
                onReshape(size[0], size[1]);
            }
            break;
        case 7:
            test_clock::advance(chance(3) == 0 ? chance(5000) : chance(40));
            break;
        default:
            test_clock::advance(chance(20));
            break;
        }
        if (event % 50 == 0) {
            renderFrame(elapsedMillis());
            ASSERT_EQ(gl_test::stateProblems(), "") << "after event " << event;
            sane();
        }
    }
    onReshape(800, 600);
    renderFrame(elapsedMillis());
    EXPECT_EQ(gl_test::stateProblems(), "");
    sane();
    wheels().strip.clearWheels();
}

} // namespace
