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
    s.press({249, 20});
    EXPECT_EQ(s.value, 1.0);
    EXPECT_TRUE(s.pressed);
    s.release({249, 20});
    EXPECT_FALSE(s.pressed);

    s.value = 0;
    s.press({254, 20}); // beyond the end, inside the hit region
    EXPECT_EQ(s.value, 1.0);
    s.press({145, 20});
    EXPECT_EQ(s.value, 0.0);

    s.value = 0;
    s.press({160, 20}); // 10 px from the knob at 150
    EXPECT_EQ(s.value, 0.0);
    s.press({161, 20});
    EXPECT_DOUBLE_EQ(s.value, 11.0 / 99);
}

TEST(Slider, DragIsRelativeAndClamped) {
    Slider s = sliderAt(200, 20);
    s.press({150, 20});
    s.drag({180, 20});
    EXPECT_DOUBLE_EQ(s.value, 30.0 / 99);
    s.drag({900, 20}); // far beyond the end
    EXPECT_EQ(s.value, 1.0);
    s.drag({890, 20}); // moving back moves it at once
    EXPECT_DOUBLE_EQ(s.value, 89.0 / 99);
    s.drag({-5000, 700});
    EXPECT_EQ(s.value, 0.0);
    // On a scaled overlay a pointer pixel is a fraction of a column.
    s.press({150, 20});
    for (double x = 150; x <= 249.5; x += 1 / 1.8)
        s.drag({x, 20});
    EXPECT_EQ(s.value, 1.0);
}

TEST(Slider, ASingleValueRangeStaysAtItsMinimum) {
    Slider s = sliderAt(200, 20);
    s.minimum = s.maximum = 0.25;
    s.value = 0.25;
    s.press({240, 20});
    s.drag({260, 20});
    EXPECT_EQ(s.value, 0.25);
    EXPECT_EQ(s.columnOf(s.value), 150);
}

TEST(Dial, DragTurnsBySweptSine) {
    Dial d;
    d.position = {480, 30};
    d.press({500, 30});
    d.drag({480, 50}); // a quarter turn counter-clockwise: sine 1
    EXPECT_DOUBLE_EQ(d.angle, 1);
    d.drag({480, 10}); // straight through the centre: no turn
    EXPECT_DOUBLE_EQ(d.angle, 1);
    d.drag({480, 30}); // onto the centre
    d.drag({490, 30});
    EXPECT_DOUBLE_EQ(d.angle, 1);
    EXPECT_TRUE(d.dragging);
    d.release({490, 30});
    EXPECT_FALSE(d.dragging);
}

TEST(Dial, FlingSpinsUntilTheNextPress) {
    test_clock::set(5000);
    Dial d;
    d.position = {0, 0};
    d.fling({20, 0}, {0.05, 0.05}); // slower than 0.1 px/s
    EXPECT_EQ(d.angularVelocity, 0);
    d.fling({20, 0}, {0, 200}); // tangential, 200 px/s at radius 20
    EXPECT_NEAR(d.angularVelocity, 10, 1e-3);
    test_clock::advance(500);
    d.advanceSpin();
    EXPECT_NEAR(d.angle, 5, 1e-3);
    test_clock::advance(500);
    d.advanceSpin();
    EXPECT_NEAR(d.angle, 10, 2e-3);
    d.press({20, 0});
    test_clock::advance(500);
    d.advanceSpin();
    EXPECT_NEAR(d.angle, 10, 2e-3);
    test_clock::restore();
}

TEST(Dial, FlingOnTheCentreLeavesItAtRest) {
    test_clock::set(0);
    Dial d;
    d.position = {480, 30};
    d.fling({480, 30}, {300, 400});
    EXPECT_EQ(d.angularVelocity, 0);
    test_clock::advance(100);
    d.advanceSpin();
    EXPECT_TRUE(std::isfinite(d.angle));
    EXPECT_EQ(d.angle, 0);
    test_clock::restore();
}

TEST(Dial, SpinSurvivesTheClockWrap) {
    test_clock::set(INT_MAX - 100);
    Dial d;
    d.fling({10, 0}, {0, 100}); // 10 rad/s
    test_clock::advance(200);
    d.advanceSpin();
    EXPECT_NEAR(d.angle, 2, 1e-3);
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
    e.press({33, 521});
    EXPECT_EQ(e.row, 0);
    EXPECT_EQ(rgb[0], 9) << "a press alone changes nothing";
    e.drag({53, 521});
    EXPECT_EQ(rgb[0], 59);
    e.drag({-10000, 521});
    EXPECT_EQ(rgb[0], 0);
    e.drag({1e12, 521});
    EXPECT_EQ(rgb[0], 255);
    EXPECT_EQ(rgb[1], 48);
    e.release({0, 0});
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
            e.press({x(random), y(random)});
        e.drag({x(random), y(random)});
        for (int c : rgb) {
            ASSERT_GE(c, 0);
            ASSERT_LE(c, 255);
        }
    }
}

TEST(SceneMenu, FoldsIn100Milliseconds) {
    SceneMenu m;
    m.position = {20, 20};
    m.advanceFold(1000); // first draw
    EXPECT_EQ(m.openness, 0);
    m.enter();
    m.advanceFold(1050);
    EXPECT_DOUBLE_EQ(m.openness, 0.5);
    m.advanceFold(1200);
    EXPECT_EQ(m.openness, 1);
    m.leave();
    m.advanceFold(1230);
    EXPECT_NEAR(m.openness, 0.7, 1e-12);
    m.enter(); // reversal mid-fold continues from here
    m.advanceFold(1240);
    EXPECT_NEAR(m.openness, 0.8, 1e-12);
}

TEST(SceneMenu, RowsAndPickingStrip) {
    SceneMenu m;
    m.position = {20, 20};
    m.openness = 1;
    // Four scenes: row 0 on top from 130 to 156, the last from 52 to 78.
    EXPECT_EQ(m.rowOf(0, 4).lo, 130);
    EXPECT_EQ(m.rowOf(0, 4).hi, 156);
    EXPECT_EQ(m.rowOf(3, 4).lo, 52);
    EXPECT_EQ(m.rowOf(3, 4).hi, 78);
    m.openness = 0.5;
    EXPECT_EQ(m.rowOf(3, 4).hi - m.rowOf(3, 4).lo, 13);

    m.openness = 0;
    EXPECT_EQ(m.pick({29, 20}), &m);
    EXPECT_EQ(m.pick({20, 30}), nullptr);
    m.openness = 0.2;
    m.menuWidth = 150;
    EXPECT_EQ(m.pick({169, 500}), &m) << "the open list claims the strip at any height";
    EXPECT_EQ(m.pick({170, 20}), nullptr);
    EXPECT_EQ(m.pointer.x, 170);
}

TEST(CreditsLogo, OpensSlowlyClosesQuickly) {
    CreditsLogo logo;
    EXPECT_NEAR(logo.armAngle() - 0.415, 0.736, 1e-9);
    logo.advance(0);
    logo.enter();
    logo.advance(250);
    EXPECT_DOUBLE_EQ(logo.openness, 0.5);
    EXPECT_FALSE(logo.showsText());
    logo.advance(600);
    EXPECT_EQ(logo.openness, 1);
    EXPECT_TRUE(logo.showsText());
    EXPECT_NEAR(logo.armAngle() - 0.415, pi - 0.83, 1e-9);
    logo.leave();
    logo.advance(601);
    EXPECT_FALSE(logo.showsText()) << "the text goes on the first frame of closing";
    logo.advance(800);
    EXPECT_EQ(logo.openness, 0);
    EXPECT_FALSE(logo.contains({30, 0}));
    EXPECT_TRUE(logo.contains({29.9, 0}));
}

TEST(CreditsLogo, FirstDrawnAfterTheClockWrapsStaysWithinItsFold) {
    // A scene first shown after 24.8 days: its logo still holds time 0.
    for (bool hovered : {false, true}) {
        CreditsLogo logo;
        if (hovered)
            logo.enter();
        logo.advance(INT_MIN + 5000);
        EXPECT_GE(logo.openness, 0);
        EXPECT_LE(logo.openness, 1);
        logo.advance(INT_MIN + 5250);
        EXPECT_DOUBLE_EQ(logo.openness, hovered ? 0.5 : 0.0);
    }
}

} // namespace
