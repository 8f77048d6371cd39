// The event layer driven through its GLUT handlers in a real window: the y
// flip, who receives the pointer, fling velocities, keys, scene switches and
// odd window sizes.

#include "app/events.h"
#include "app/idle_timer.h"
#include "app/scene_manager.h"
#include "app/visit_record.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_clock.h"
#include "tests/support/test_scene.h"
#include "ui/colour_editor.h"
#include "ui/scene_menu.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace {

// A panel item over a square region that records what it receives.
struct Probe : PanelItem, Widget {
    bool contains(Vec2 p) const override {
        return std::fabs(p.x - position.x) < 50 && std::fabs(p.y - position.y) < 50;
    }
    void draw(Millis) const override {}
    void enter(Millis) override { log.push_back("enter"); }
    void leave(Millis) override { log.push_back("leave"); }
    void press(Vec2, Millis) override { log.push_back("press"); }
    void drag(Vec2 p, Millis) override {
        log.push_back("drag");
        lastDrag = p;
    }
    void release(Vec2, Millis) override { log.push_back("release"); }
    void hover(Vec2, Millis) override { log.push_back("hover"); }
    void fling(Vec2, Vec2 v, Millis) override {
        log.push_back("fling");
        velocity = v;
    }
    std::vector<std::string> log;
    Vec2 velocity{-1, -1};
    Vec2 lastDrag;
};

TestScene sceneA("EventsA");
TestScene sceneB("EventsB");
TestScene sceneC("EventsC");

Probe* addProbe(TestScene& scene) {
    auto* probe = new Probe;
    probe->anchor = BottomLeft;
    probe->offset = {400, 300};
    scene.panel->add(probe);
    return probe;
}
Probe* probeA = addProbe(sceneA);

// Window coordinates (y down) of an overlay point (y up).
constexpr int windowY(int overlayY) {
    return gl_test::height - overlayY;
}

class Events : public testing::Test {
  protected:
    void SetUp() override {
        test_clock::set(10000);
        SceneManager& manager = SceneManager::instance();
        manager.clearOrder();
        manager.appendByName("EventsA");
        manager.appendByName("EventsB");
        manager.appendByName("EventsC");
        glViewport(0, 0, gl_test::width, gl_test::height);
        gl_test::reshapeToWindow();
        sceneA.setupGL();
        probeA->log.clear();
        probeA->velocity = {-1, -1};
    }
    void TearDown() override {
        renderFrame(elapsedMillis());
        EXPECT_EQ(gl_test::stateProblems(), "");
        test_clock::restore();
    }
    static void press(int x, int overlayY, int button = GLUT_LEFT_BUTTON) {
        onMouse(button, GLUT_DOWN, x, windowY(overlayY));
    }
    static void release(int x, int overlayY, int button = GLUT_LEFT_BUTTON) {
        onMouse(button, GLUT_UP, x, windowY(overlayY));
    }
    static void drag(int x, int overlayY) { onMotion(x, windowY(overlayY)); }
};

TEST_F(Events, PointerYIsFlippedToTheOverlay) {
    onPassiveMotion(10, 0);
    EXPECT_EQ(pointerPoint.y, gl_test::height);
    onPassiveMotion(10, gl_test::height);
    EXPECT_EQ(pointerPoint.y, 0);
    onMotion(33, 100);
    EXPECT_EQ(pointerPoint.x, 33);
    EXPECT_EQ(pointerPoint.y, 500);
}

TEST_F(Events, EnterLeaveHoverAndTheDragStaysWithThePressedElement) {
    onPassiveMotion(0, 0);
    onPassiveMotion(400, windowY(300));
    onPassiveMotion(401, windowY(300));
    EXPECT_EQ(probeA->log, (std::vector<std::string>{"enter", "hover", "hover"}));
    probeA->log.clear();
    press(401, 300);
    drag(700, 20); // far outside the probe
    EXPECT_EQ(probeA->lastDrag.x, 700);
    release(700, 20);
    EXPECT_EQ(probeA->log[0], "press");
    EXPECT_EQ(probeA->log[1], "drag");
    EXPECT_EQ(probeA->log[2], "release");
    onPassiveMotion(700, windowY(20)); // the re-pick finds the background
    EXPECT_EQ(probeA->log.back(), "leave");
    EXPECT_EQ(pointerTarget, static_cast<Widget*>(&sceneA.rotator));
}

TEST_F(Events, FlingVelocityOverTheLast100Milliseconds) {
    // 30 pixels to the right in 60 ms: about 500 px/s.
    press(400, 300);
    for (int i = 1; i <= 6; ++i) {
        test_clock::advance(10);
        drag(400 + 5 * i, 300);
    }
    release(430, 300);
    EXPECT_NEAR(probeA->velocity.x, 500, 1e-9);
    EXPECT_EQ(probeA->velocity.y, 0);

    // A click held still for 50 ms flings at (0, 0).
    press(400, 300);
    test_clock::advance(50);
    release(400, 300);
    EXPECT_EQ(probeA->velocity.x, 0);
    EXPECT_EQ(probeA->velocity.y, 0);

    // Upwards on the screen is positive y; the middle button acts alike.
    press(400, 300, GLUT_MIDDLE_BUTTON);
    test_clock::advance(20);
    onMotion(400, windowY(310));
    test_clock::advance(20);
    release(400, 310, GLUT_MIDDLE_BUTTON);
    EXPECT_NEAR(probeA->velocity.y, 250, 1e-9);

    // Resting 150 ms before the release: no fling.
    probeA->log.clear();
    press(400, 300, GLUT_RIGHT_BUTTON);
    test_clock::advance(10);
    drag(420, 300);
    test_clock::advance(150);
    release(420, 300, GLUT_RIGHT_BUTTON);
    EXPECT_EQ(probeA->log, (std::vector<std::string>{"press", "drag", "release"}));

    // Press and release in the same millisecond: no fling either.
    probeA->log.clear();
    press(400, 300);
    release(400, 300);
    EXPECT_EQ(probeA->log.back(), "release");

    // A release with no press in this window reads only stale samples.
    test_clock::advance(500);
    probeA->log.clear();
    release(400, 300);
    EXPECT_EQ(probeA->log, (std::vector<std::string>{"release"}));
}

TEST_F(Events, ALongDragKeepsFewSamplesAndTheSameVelocity) {
    press(400, 300);
    for (int i = 0; i < 100000; ++i) {
        test_clock::advance(1 + i % 3);
        drag(400 + (i % 200), 300);
    }
    EXPECT_LT(pointerSampleCount(), 200);
    release(400 + 99999 % 200, 300);
    // The last 100 ms: steps of 1, 2 and 3 ms; the velocity stays finite and plausible.
    EXPECT_TRUE(std::isfinite(probeA->velocity.x));
}

TEST_F(Events, ArrowKeysStepWithoutWrapping) {
    SceneManager& manager = SceneManager::instance();
    onSpecialKey(GLUT_KEY_LEFT, 0, 0);
    onSpecialKey(GLUT_KEY_PAGE_UP, 0, 0);
    EXPECT_EQ(manager.currentIndex, 0);
    onSpecialKey(GLUT_KEY_RIGHT, 0, 0);
    EXPECT_EQ(manager.currentIndex, 1);
    onSpecialKey(GLUT_KEY_PAGE_DOWN, 0, 0);
    EXPECT_EQ(manager.currentIndex, 2);
    onSpecialKey(GLUT_KEY_RIGHT, 0, 0);
    onSpecialKey(GLUT_KEY_PAGE_DOWN, 0, 0);
    EXPECT_EQ(manager.currentIndex, 2);
    onSpecialKey(GLUT_KEY_UP, 0, 0);
    onSpecialKey(GLUT_KEY_DOWN, 0, 0);
    onSpecialKey(GLUT_KEY_HOME, 0, 0);
    EXPECT_EQ(manager.currentIndex, 2);
    onSpecialKey(GLUT_KEY_PAGE_UP, 0, 0);
    onSpecialKey(GLUT_KEY_LEFT, 0, 0);
    EXPECT_EQ(manager.currentIndex, 0);
}

TEST_F(Events, SelectSetsUpTheNewSceneAndHidesItsColourEditor) {
    SceneManager& manager = SceneManager::instance();
    glViewport(0, 0, 640, 480);
    const int reshapes = sceneB.reshapes, setups = sceneB.setups;
    const int switchesA = sceneA.switches, switchesB = sceneB.switches;
    sceneB.panel->colourEditor->hidden = false;
    manager.select(1);
    EXPECT_EQ(sceneA.switches, switchesA + 1);
    EXPECT_EQ(sceneB.switches, switchesB + 1);
    EXPECT_EQ(sceneB.reshapes, reshapes + 1);
    EXPECT_EQ(sceneB.setups, setups + 1);
    EXPECT_EQ(sceneB.lastReshapeWidth, 640);
    EXPECT_EQ(sceneB.lastReshapeHeight, 480);
    EXPECT_EQ(sceneB.panel->items()[3]->position.x, 640 - 60); // laid out for 640 x 480
    EXPECT_TRUE(sceneB.panel->colourEditor->hidden);

    onKeyboard('S', 0, 0);
    EXPECT_FALSE(sceneB.panel->colourEditor->hidden);
    manager.select(1); // already current: nothing, the editor stays
    EXPECT_FALSE(sceneB.panel->colourEditor->hidden);
    onKeyboard('s', 0, 0);
    EXPECT_TRUE(sceneB.panel->colourEditor->hidden);
    onKeyboard('x', 0, 0);
    EXPECT_TRUE(sceneB.panel->colourEditor->hidden);
    glViewport(0, 0, gl_test::width, gl_test::height);
}

TEST_F(Events, QuickDragOnTheBackgroundLeavesTheModelSpinning) {
    press(100, 500);
    ASSERT_EQ(pointerTarget, static_cast<Widget*>(&sceneA.rotator));
    for (int i = 1; i <= 4; ++i) {
        test_clock::advance(10);
        drag(100 + 10 * i, 500);
    }
    release(140, 500);
    EXPECT_DOUBLE_EQ(sceneA.rotator.spinRate().x, 1.0);
    renderFrame(elapsedMillis());
    const std::string before = gl_test::readFrame();
    test_clock::advance(40);
    renderFrame(elapsedMillis());
    renderFrame(elapsedMillis());
    EXPECT_NE(gl_test::readFrame(), before);
    press(140, 500);
    release(140, 500);
    EXPECT_EQ(sceneA.rotator.spinRate().x, 0);
}

// A finger's tap is motion, press and release with no frame between: what
// the press does follows from where it lands and the state at that moment.
TEST_F(Events, TapsOnTheMenuActWhereTheyLandWithNoFrameBetween) {
    auto& menu = dynamic_cast<SceneMenu&>(*sceneA.panel->items()[2]); // at (20, 20)
    auto tap = [](int x, int overlayY) {
        onPassiveMotion(x, windowY(overlayY));
        press(x, overlayY);
        release(x, overlayY);
    };
    tap(20, 20);
    EXPECT_TRUE(menu.isAnimating(elapsedMillis())) << "the tap folded the menu";
    test_clock::advance(100);
    EXPECT_EQ(menu.opennessAt(elapsedMillis()), 1);
    // Three scenes: the third one's row from 52 to 78 above the menu.
    tap(40, 20 + 65);
    EXPECT_EQ(SceneManager::instance().currentIndex, 2);

    // With a mouse, a press on the square just after hovering began to
    // unfold the menu leaves it unfolding.
    SceneManager::instance().select(0);
    onPassiveMotion(400, windowY(300));
    test_clock::advance(500);
    onPassiveMotion(20, windowY(20));
    test_clock::advance(30);
    press(20, 20);
    release(20, 20);
    test_clock::advance(70);
    EXPECT_EQ(menu.opennessAt(elapsedMillis()), 1);
    onPassiveMotion(400, windowY(300));
    test_clock::advance(100);
    EXPECT_EQ(menu.opennessAt(elapsedMillis()), 0) << "leaving folds it";
}

// An exhibit nobody touches for a month: the clock passes 2^31 and 2^32 ms
// (where a 32-bit count wraps) with no event and no frame between, and
// whatever had come to rest stays where it rested.
TEST_F(Events, AMonthAtRestBetweenTwoEventsReplaysNothing) {
    constexpr Millis month = 30LL * 24 * 3600 * 1000;
    test_clock::set(Millis(INT_MAX) - 1000);
    auto& menu = dynamic_cast<SceneMenu&>(*sceneA.panel->items()[2]);
    onPassiveMotion(20, windowY(20)); // hovering unfolds the menu
    test_clock::advance(150);
    renderFrame(elapsedMillis());
    const Millis rested = elapsedMillis();
    ASSERT_EQ(menu.opennessAt(rested), 1);
    IdleTimer idle(120000, rested);

    test_clock::advance(month);
    const Millis now = elapsedMillis();
    EXPECT_EQ(now - rested, month) << "the clock went back";
    renderFrame(now);
    EXPECT_EQ(menu.opennessAt(now), 1);
    EXPECT_FALSE(sceneA.isAnimating(now)) << "a month on, the menu unfolds again";
    EXPECT_EQ(idle.millisUntilDue(now), 0);
    // The next visitor's visit is counted from the clock as it reads now.
    VisitRecord visit("EventsA");
    visit.interaction(now, 0);
    idle.input(now);
    EXPECT_EQ(idle.millisUntilDue(now + 1000), 119000);
    EXPECT_EQ(visit.end(now + 5000)->millis, 5000);
}

TEST_F(Events, OddSizesAndStrayInputDoNothingWorse) {
    for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {4000, 3000}, {800, 600}}) {
        onReshape(w, h);
        renderFrame(elapsedMillis());
        EXPECT_EQ(gl_test::stateProblems(), "") << w << " x " << h;
        press(-50, -70);
        drag(5000, -3000);
        release(9000, 9000);
        onPassiveMotion(-1, 100000);
        renderFrame(elapsedMillis());
        EXPECT_EQ(gl_test::stateProblems(), "") << w << " x " << h;
    }
    // With no scene at all, every handler is a no-op.
    SceneManager::instance().clearOrder();
    onReshape(800, 600);
    onSpecialKey(GLUT_KEY_RIGHT, 0, 0);
    onKeyboard('s', 0, 0);
    press(10, 10);
    release(10, 10);
    onPassiveMotion(5, 5);
    initialise(); // builds the default list, which knows none of these keys
    onDisplay();
    EXPECT_EQ(gl_test::stateProblems(), "");
}

} // namespace
