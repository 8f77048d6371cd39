// The value logic of the slider, the dial, the colour editor, the menu's
// fold and the logo's opening, without a display.

#include "tests/support/test_clock.h"
#include "ui/colour_editor.h"
#include "ui/credits_logo.h"
#include "ui/dial.h"
#include "ui/scene_menu.h"
#include "ui/slider.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>

namespace {

Slider sliderAt(double x, double y) {
    Slider s;
    s.position = {x, y};
    return s;
}

TEST(Slider, TrackGeometryAndMappings) {
    const Slider s = sliderAt(200, 20); // left 150, right 249
    EXPECT_EQ(s.left(), 150);
    EXPECT_EQ(s.right(), 249);
    EXPECT_EQ(s.columnOf(0), 150);
    EXPECT_EQ(s.columnOf(1), 249);
    EXPECT_DOUBLE_EQ(s.valueAt(249), 1);
    EXPECT_TRUE(s.contains({140, 10}));
    EXPECT_TRUE(s.contains({259, 50}));
    EXPECT_FALSE(s.contains({139.9, 20}));
    EXPECT_FALSE(s.contains({200, 50.1}));
}

TEST(Slider, PressJumpsOnlyAwayFromTheKnob) {
    Slider s = sliderAt(200, 20);
    s.press({249, 20}, elapsedMillis());
    EXPECT_EQ(s.value, 1.0);
    EXPECT_TRUE(s.pressed);
    s.release({249, 20}, elapsedMillis());
    EXPECT_FALSE(s.pressed);

    s.value = 0;
    s.press({254, 20}, elapsedMillis()); // beyond the end, inside the hit region
    EXPECT_EQ(s.value, 1.0);
    s.press({145, 20}, elapsedMillis());
    EXPECT_EQ(s.value, 0.0);

    s.value = 0;
    s.press({160, 20}, elapsedMillis()); // 10 px from the knob at 150
    EXPECT_EQ(s.value, 0.0);
    s.press({161, 20}, elapsedMillis());
    EXPECT_DOUBLE_EQ(s.value, 11.0 / 99);
}

TEST(Slider, DragIsRelativeAndClamped) {
    Slider s = sliderAt(200, 20);
    s.press({150, 20}, elapsedMillis());
    s.drag({180, 20}, elapsedMillis());
    EXPECT_DOUBLE_EQ(s.value, 30.0 / 99);
    s.drag({900, 20}, elapsedMillis()); // far beyond the end
    EXPECT_EQ(s.value, 1.0);
    s.drag({890, 20}, elapsedMillis()); // moving back moves it at once
    EXPECT_DOUBLE_EQ(s.value, 89.0 / 99);
    s.drag({-5000, 700}, elapsedMillis());
    EXPECT_EQ(s.value, 0.0);
    // On a scaled overlay a pointer pixel is a fraction of a column.
    s.press({150, 20}, elapsedMillis());
    for (double x = 150; x <= 249.5; x += 1 / 1.8)
        s.drag({x, 20}, elapsedMillis());
    EXPECT_EQ(s.value, 1.0);
}

TEST(Slider, ASingleValueRangeStaysAtItsMinimum) {
    Slider s = sliderAt(200, 20);
    s.minimum = s.maximum = 0.25;
    s.value = 0.25;
    s.press({240, 20}, elapsedMillis());
    s.drag({260, 20}, elapsedMillis());
    EXPECT_EQ(s.value, 0.25);
    EXPECT_EQ(s.columnOf(s.value), 150);
}

TEST(Dial, DragTurnsBySweptSine) {
    Dial d;
    d.position = {480, 30};
    d.press({500, 30}, elapsedMillis());
    d.drag({480, 50}, elapsedMillis()); // a quarter turn counter-clockwise: sine 1
    EXPECT_DOUBLE_EQ(d.angleAt(elapsedMillis()), 1);
    d.drag({480, 10}, elapsedMillis()); // straight through the centre: no turn
    EXPECT_DOUBLE_EQ(d.angleAt(elapsedMillis()), 1);
    d.drag({480, 30}, elapsedMillis()); // onto the centre
    d.drag({490, 30}, elapsedMillis());
    EXPECT_DOUBLE_EQ(d.angleAt(elapsedMillis()), 1);
    EXPECT_TRUE(d.dragging);
    d.release({490, 30}, elapsedMillis());
    EXPECT_FALSE(d.dragging);
}

TEST(Dial, FlingSpinsUntilTheNextPress) {
    test_clock::set(5000);
    Dial d;
    d.position = {0, 0};
    d.fling({20, 0}, {0.05, 0.05}, elapsedMillis()); // slower than 0.1 px/s
    EXPECT_EQ(d.angularVelocity(), 0);
    d.fling({20, 0}, {0, 200}, elapsedMillis()); // tangential, 200 px/s at radius 20
    EXPECT_NEAR(d.angularVelocity(), 10, 1e-3);
    EXPECT_TRUE(d.isAnimating(5000));
    // Its angle follows from the fling's moment, however often it is read.
    EXPECT_NEAR(d.angleAt(6000), 10, 2e-3);
    EXPECT_NEAR(d.angleAt(5500), 5, 1e-3);
    test_clock::advance(1000);
    d.press({20, 0}, elapsedMillis());
    EXPECT_FALSE(d.isAnimating(6000));
    EXPECT_NEAR(d.angleAt(6500), 10, 2e-3);
    test_clock::restore();
}

TEST(Dial, FlingOnTheCentreLeavesItAtRest) {
    test_clock::set(0);
    Dial d;
    d.position = {480, 30};
    d.fling({480, 30}, {300, 400}, elapsedMillis());
    EXPECT_EQ(d.angularVelocity(), 0);
    EXPECT_EQ(d.angleAt(100), 0);
    test_clock::restore();
}

TEST(Dial, SpinSurvivesTheClockWrap) {
    test_clock::set(INT_MAX - 100);
    Dial d;
    d.fling({10, 0}, {0, 100}, elapsedMillis()); // 10 rad/s
    test_clock::advance(200);
    EXPECT_NEAR(d.angleAt(elapsedMillis()), 2, 1e-3);
    test_clock::restore();
}

ColourEditor editorAt(int* rgb) {
    ColourEditor e(rgb);
    e.position = {80, 520};
    return e;
}

TEST(ColourEditor, MarkersAndGrabbedDrag) {
    int rgb[3] = {9, 48, 75};
    ColourEditor e = editorAt(rgb);
    EXPECT_EQ(e.left(), 30);
    EXPECT_EQ(e.right(), 129);
    EXPECT_EQ(e.columnOf(9), 33);
    EXPECT_EQ(e.columnOf(48), 48);
    EXPECT_EQ(e.columnOf(75), 59);
    e.press({33, 521}, elapsedMillis());
    EXPECT_EQ(e.row, 0);
    EXPECT_EQ(rgb[0], 9) << "a press alone changes nothing";
    e.drag({53, 521}, elapsedMillis());
    EXPECT_EQ(rgb[0], 59);
    e.drag({-10000, 521}, elapsedMillis());
    EXPECT_EQ(rgb[0], 0);
    e.drag({1e12, 521}, elapsedMillis());
    EXPECT_EQ(rgb[0], 255);
    EXPECT_EQ(rgb[1], 48);
    e.release({0, 0}, elapsedMillis());
    EXPECT_FALSE(e.pressed);
}

TEST(ColourEditor, RowsByHeight) {
    int rgb[3] = {0, 0, 0};
    const ColourEditor e = editorAt(rgb);
    EXPECT_EQ(e.rowAt({0, 510}), 0);
    EXPECT_EQ(e.rowAt({0, 534}), 0);
    EXPECT_EQ(e.rowAt({0, 535}), 1);
    EXPECT_EQ(e.rowAt({0, 549}), 1);
    EXPECT_EQ(e.rowAt({0, 560}), 2);
    EXPECT_TRUE(e.contains({20, 510}));
    EXPECT_TRUE(e.contains({139, 560}));
    EXPECT_FALSE(e.contains({140, 560}));
    EXPECT_FALSE(e.contains({80, 560.5}));
}

TEST(ColourEditor, RandomDragsStayInRange) {
    int rgb[3] = {9, 48, 75};
    ColourEditor e = editorAt(rgb);
    std::mt19937 random(3);
    std::uniform_real_distribution<double> x(-3000, 3000), y(505, 565);
    for (int i = 0; i < 10000; ++i) {
        if (i % 7 == 0)
            e.press({x(random), y(random)}, elapsedMillis());
        e.drag({x(random), y(random)}, elapsedMillis());
        for (int c : rgb) {
            ASSERT_GE(c, 0);
            ASSERT_LE(c, 255);
        }
    }
}

TEST(SceneMenu, FoldsIn100MillisecondsFromTheEventThatTurnsIt) {
    test_clock::set(1000);
    SceneMenu m;
    m.position = {20, 20};
    EXPECT_EQ(m.opennessAt(1000), 0);
    m.enter(elapsedMillis());
    EXPECT_DOUBLE_EQ(m.opennessAt(1050), 0.5);
    EXPECT_TRUE(m.isAnimating(1050));
    EXPECT_EQ(m.opennessAt(1200), 1);
    EXPECT_FALSE(m.isAnimating(1100)) << "at rest from the moment it is wholly open";
    test_clock::set(1200);
    m.leave(elapsedMillis());
    EXPECT_NEAR(m.opennessAt(1230), 0.7, 1e-12);
    test_clock::set(1230);
    m.enter(elapsedMillis()); // reversal mid-fold continues from here
    EXPECT_NEAR(m.opennessAt(1240), 0.8, 1e-12);
    test_clock::restore();
}

TEST(SceneMenu, RowsAndPickingStrip) {
    test_clock::set(0);
    SceneMenu m;
    m.position = {20, 20};
    // Four scenes: row 0 on top from 130 to 156, the last from 52 to 78.
    EXPECT_EQ(SceneMenu::rowOf(0, 4, 1).lo, 130);
    EXPECT_EQ(SceneMenu::rowOf(0, 4, 1).hi, 156);
    EXPECT_EQ(SceneMenu::rowOf(3, 4, 1).lo, 52);
    EXPECT_EQ(SceneMenu::rowOf(3, 4, 1).hi, 78);
    EXPECT_EQ(SceneMenu::rowOf(3, 4, 0.5).hi - SceneMenu::rowOf(3, 4, 0.5).lo, 13);

    EXPECT_EQ(m.pick({29, 20}, elapsedMillis()), &m);
    EXPECT_EQ(m.pick({20, 30}, elapsedMillis()), nullptr);
    m.enter(elapsedMillis());
    test_clock::set(20);
    m.menuWidth = 150;
    EXPECT_EQ(m.pick({169, 500}, elapsedMillis()), &m)
        << "the open list claims the strip at any height";
    EXPECT_EQ(m.pick({170, 20}, elapsedMillis()), nullptr);
    EXPECT_EQ(m.pointer.x, 170);
    test_clock::restore();
}

TEST(CreditsLogo, OpensSlowlyClosesQuickly) {
    test_clock::set(0);
    CreditsLogo logo;
    EXPECT_NEAR(CreditsLogo::armAngle(0) - 0.415, 0.736, 1e-9);
    EXPECT_NEAR(CreditsLogo::armAngle(1) - 0.415, pi - 0.83, 1e-9);
    logo.enter(elapsedMillis());
    EXPECT_DOUBLE_EQ(logo.opennessAt(250), 0.5);
    EXPECT_EQ(logo.opennessAt(600), 1);
    EXPECT_TRUE(logo.isAnimating(499));
    EXPECT_FALSE(logo.isAnimating(500));
    test_clock::set(600);
    logo.leave(elapsedMillis());
    EXPECT_LT(logo.opennessAt(601), 1) << "the text goes on the first frame of closing";
    EXPECT_EQ(logo.opennessAt(800), 0);
    EXPECT_FALSE(logo.contains({30, 0}));
    EXPECT_TRUE(logo.contains({29.9, 0}));
    test_clock::restore();
}

} // namespace
