// Every overlay control drawn in a known state, read back from the window:
// the specified colours at the specified pixels.

#include "app/events.h"
#include "app/scene_manager.h"
#include "geom/draw.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_clock.h"
#include "tests/support/test_scene.h"
#include "ui/captions.h"
#include "ui/colour_editor.h"
#include "ui/credits_logo.h"
#include "ui/nav_button.h"
#include "ui/overlay_scale.h"
#include "ui/scene_menu.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

using gl_test::pixel;
using gl_test::Rgb;
using gl_test::rgb;

TestScene controls("Controls", true);
TestScene second("Second");
TestScene third("Third");
TestScene fourth("Fourth");

const Rgb background{9, 48, 75};
const Rgb idle = rgb(0.1, 0.8, 0.8);

class Overlay : public testing::Test {
  protected:
    void SetUp() override {
        test_clock::set(50000);
        SceneManager& manager = SceneManager::instance();
        manager.clearOrder();
        for (const char* key : {"Controls", "Second", "Third", "Fourth"})
            manager.appendByName(key);
        for (TestScene* s : {&controls, &second, &third, &fourth})
            s->drawQuad = false;
        gl_test::reshapeToWindow();
        controls.setupGL();
    }
    void TearDown() override { test_clock::restore(); }

    // Draws a frame and checks it left GL as it found it.
    static void frame() {
        renderFrame(elapsedMillis());
        ASSERT_EQ(gl_test::stateProblems(), "");
    }
    template <typename T> static T* item(Scene& scene, int index) {
        return dynamic_cast<T*>(scene.panel->items()[std::size_t(index)].get());
    }
    // How many pixels of the rectangle satisfy the predicate.
    static int count(int x0, int y0, int x1, int y1,
                     const std::function<bool(const Rgb&)>& wanted) {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                n += wanted(pixel(x, y));
        return n;
    }
};

#define EXPECT_COLOUR(actual, expected)                                                            \
    do {                                                                                           \
        const Rgb a_ = (actual), e_ = (expected);                                                  \
        EXPECT_TRUE(gl_test::near(a_, e_))                                                         \
            << "got (" << a_[0] << ", " << a_[1] << ", " << a_[2] << ") wanted (" << e_[0] << ", " \
            << e_[1] << ", " << e_[2] << ")";                                                      \
    } while (0)

TEST_F(Overlay, SliderTrackAndKnobInEachState) {
    Slider& s = *controls.slider; // track from 150 to 249 at y 20
    s.value = 0;
    s.pressed = s.hovered = false;
    frame();
    EXPECT_COLOUR(pixel(200, 20), idle);
    EXPECT_COLOUR(pixel(147, 20), idle); // end stop
    EXPECT_COLOUR(pixel(148, 20), background);
    EXPECT_COLOUR(pixel(150, 27), idle); // knob at the left end
    EXPECT_COLOUR(pixel(200, 27), background);
    s.value = 0.5;
    s.hovered = true;
    frame();
    EXPECT_COLOUR(pixel(199, 27), rgb(0.8, 0.85, 0.85));
    EXPECT_COLOUR(pixel(150, 27), background);
    s.pressed = true;
    frame();
    EXPECT_COLOUR(pixel(199, 27), rgb(0.2, 0.1, 0.8));
    s.pressed = s.hovered = false;
}

TEST_F(Overlay, DialRingAndDot) {
    Dial& d = *controls.dial; // at (480, 30)
    d.setAngle(0);
    frame();
    EXPECT_COLOUR(pixel(480, 15), rgb(0.3, 0.4, 0.8));
    EXPECT_COLOUR(pixel(495, 30), rgb(0.7, 0.4, 0.8));
    EXPECT_COLOUR(pixel(480, 30), background); // the ring's hole
    d.setAngle(pi / 2);
    d.hovered = true;
    frame();
    EXPECT_COLOUR(pixel(480, 45), rgb(0.9, 0.7, 0.85));
    EXPECT_COLOUR(pixel(495, 30), rgb(0.3, 0.4, 0.8));
    d.dragging = true;
    frame();
    EXPECT_COLOUR(pixel(480, 45), rgb(0.8, 0.6, 0.75));
    d.dragging = d.hovered = false;
}

TEST_F(Overlay, ArrowsVanishAtTheEndsOfTheList) {
    SceneManager& manager = SceneManager::instance();
    frame(); // first scene: only the arrow to the next one
    EXPECT_COLOUR(pixel(42, 20), background);
    EXPECT_COLOUR(pixel(57, 20), idle);
    manager.select(3);
    for (TestScene* s : {&fourth})
        s->drawQuad = false;
    frame();
    EXPECT_COLOUR(pixel(42, 20), idle);
    EXPECT_COLOUR(pixel(57, 20), background);
    // Pressing where the missing arrow would be does nothing.
    auto* next = item<NavButton>(fourth, 1);
    next->press({60, 20}, elapsedMillis());
    next->release({60, 20}, elapsedMillis());
    EXPECT_EQ(manager.currentIndex, 3);
    manager.select(1);
    item<NavButton>(second, 1)->hovered = true;
    frame();
    EXPECT_COLOUR(pixel(42, 20), idle);
    EXPECT_COLOUR(pixel(57, 20), rgb(0.5, 1, 1));
    item<NavButton>(second, 1)->hovered = false;
}

TEST_F(Overlay, OptionRowMarkers) {
    TestRow& row = *controls.row; // icons at 280, 300, 320, y 20
    row.selected = 1;
    row.hoveredIndex = 2;
    frame();
    const Rgb marker = rgb(0.3, 0.5, 0.55);
    EXPECT_COLOUR(pixel(300, 7), marker);     // filled under the selected icon
    EXPECT_COLOUR(pixel(320, 7), background); // the hover marker is an outline
    EXPECT_GT(count(311, 2, 329, 11, [&](const Rgb& c) { return gl_test::near(c, marker, 6); }),
              10);
    EXPECT_COLOUR(pixel(320, 20), rgb(0.1, 0.7, 0.3)); // the icon itself
    row.hoveredIndex = 1;                              // over the selected icon: no outline
    frame();
    EXPECT_EQ(count(311, 2, 329, 11, [&](const Rgb& c) { return gl_test::near(c, marker, 6); }), 0);
    row.hoveredIndex = -1;
}

TEST_F(Overlay, UnfoldedMenuWithFourScenes) {
    auto* menu = item<SceneMenu>(controls, 2); // at (20, 20)
    menu->showOpen();
    menu->pointer = {30, 20 + 140}; // over the first scene's row (130 to 156)
    frame();
    const auto golden = [](const Rgb& c) { return c[0] > 150 && c[1] > 130 && c[2] < 60; };
    EXPECT_TRUE(golden(pixel(17, 20 + 48)));
    EXPECT_TRUE(golden(pixel(17, 20 + 160)));
    EXPECT_FALSE(golden(pixel(17, 20 + 46)));
    EXPECT_FALSE(golden(pixel(17, 20 + 162)));
    EXPECT_EQ(menu->rowAt(menu->pointer, elapsedMillis()), 0);
    EXPECT_GT(menu->menuWidth, 30);
    // The current scene's row (the first) is framed, the hovered row tinted
    // green, and the captions are white text.
    EXPECT_FALSE(golden(pixel(20 + 2, 20 + 143)));
    EXPECT_GT(
        count(30, 20 + 137, 60, 20 + 153, [](const Rgb& c) { return c[0] > 240 && c[2] > 240; }),
        5);
    menu->reset();
    frame();
    // The closed square's outline, one pixel wide either side of x = 13.
    EXPECT_GT(count(12, 15, 14, 25, [](const Rgb& c) { return c[0] > 240 && c[2] > 240; }), 5);
    EXPECT_FALSE(golden(pixel(17, 20 + 100)));
}

TEST_F(Overlay, ColourEditorBarsMarkersAndDigits) {
    controls.panel->colourEditor->hidden = false;
    frame();
    // Red row bar from y 518 to 522, x 30 to 129.
    EXPECT_TRUE(gl_test::near(pixel(31, 520), {0, 0, 0}, 6));
    EXPECT_TRUE(gl_test::near(pixel(128, 520), {255, 0, 0}, 6));
    EXPECT_TRUE(gl_test::near(pixel(128, 535), {0, 255, 0}, 6));
    EXPECT_TRUE(gl_test::near(pixel(128, 550), {0, 0, 255}, 6));
    EXPECT_COLOUR(pixel(33, 527), idle); // red 9 at column 33
    EXPECT_COLOUR(pixel(48, 542), idle); // green 48 at 48
    EXPECT_COLOUR(pixel(59, 557), idle); // blue 75 at 59
    const auto white = [](const Rgb& c) { return c[0] > 200 && c[1] > 200 && c[2] > 200; };
    EXPECT_GT(count(135, 518, 160, 530, white), 3);
    // A light background turns the digits black.
    const int saved[3] = {backgroundColour[0], backgroundColour[1], backgroundColour[2]};
    backgroundColour[0] = backgroundColour[1] = backgroundColour[2] = 200;
    frame();
    EXPECT_EQ(count(135, 518, 160, 530, white), 0);
    EXPECT_GT(count(135, 518, 160, 530, [](const Rgb& c) { return c[0] < 60; }), 3);
    std::copy(saved, saved + 3, backgroundColour);
    controls.panel->colourEditor->hidden = true;
    frame();
    EXPECT_COLOUR(pixel(128, 520), background);
}

TEST_F(Overlay, CreditsLogoClosedAndOpen) {
    auto* logo = item<CreditsLogo>(controls, 3); // at (740, 30)
    logo->reset();
    frame();
    const Rgb pink{237, 65, 92};
    EXPECT_COLOUR(pixel(740 - 19, 30 + 1), pink); // the ring, left side
    const auto white = [](const Rgb& c) { return c[0] > 200 && c[1] > 200 && c[2] > 200; };
    EXPECT_EQ(count(400, 50, 690, 95, white), 0);
    logo->enter(elapsedMillis());
    test_clock::advance(499);
    frame();
    EXPECT_EQ(count(400, 50, 690, 95, white), 0) << "no text before the emblem is wholly open";
    test_clock::advance(1);
    frame();
    EXPECT_GT(count(400, 50, 690, 95, white), 50);
    // Open, the V's blades spread wide: teal far to the left and right.
    const Rgb teal{0, 142, 169};
    EXPECT_GT(count(680, 30, 700, 60, [&](const Rgb& c) { return gl_test::near(c, teal, 4); }), 3);
    logo->leave(elapsedMillis());
    test_clock::advance(1);
    frame();
    EXPECT_EQ(count(400, 50, 690, 95, white), 0) << "the text goes on the first frame of closing";
}

} // namespace

TEST_F(Overlay, ScaledPanelDrawsEverythingTwiceAsLargeAndTakesThePointerThere) {
    overlayScale.fix(2);
    gl_test::reshapeToWindow();   // the overlay is now 400 by 300 units
    Slider& s = *controls.slider; // track from 150 to 249 at y 20, in units
    s.value = 0;
    s.pressed = s.hovered = false;
    frame();
    EXPECT_COLOUR(pixel(400, 37), idle); // a track 8 pixels thick
    EXPECT_COLOUR(pixel(400, 43), idle);
    EXPECT_COLOUR(pixel(400, 47), background);
    EXPECT_COLOUR(pixel(295, 40), idle); // end stop
    EXPECT_COLOUR(pixel(288, 40), background);
    EXPECT_COLOUR(pixel(300, 54), idle); // knob at the left end
    // The logo's ring, 36 to 42 pixels round (340, 30) units, and the closed
    // menu's square outline drawn two pixels wide at 14 pixels from (40, 40).
    EXPECT_COLOUR(pixel(680 - 39, 60), rgb(237 / 255.0, 65 / 255.0, 92 / 255.0));
    const auto white = [](const Rgb& c) { return c[0] > 240 && c[2] > 240; };
    EXPECT_GT(count(24, 30, 28, 50, white), 30);
    EXPECT_EQ(count(29, 30, 34, 50, white), 0);

    // A drag from the knob to the track's right end, in window pixels.
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 300, gl_test::height - 40);
    onMotion(498, gl_test::height - 40);
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 498, gl_test::height - 40);
    EXPECT_EQ(s.value, 1.0);
    frame();
    EXPECT_COLOUR(pixel(300, 54), background);
    overlayScale = OverlayScale();
    gl_test::reshapeToWindow();
    s.value = 0;
}

// The menu is as wide as its widest caption, and the credits line runs left
// from the logo: no language may make either wider than in Italian.
TEST(Captions, EveryLanguageFitsTheItalianMenuAndCredits) {
    const double menu =
        strokeTextWidth(GLUT_STROKE_ROMAN, "Dal rettangolo alla bottiglia di Klein");
    const double credits = strokeTextWidth(GLUT_STROKE_ROMAN, creditsLine());
    for (const std::string& code : languageCodes()) {
        SCOPED_TRACE(code);
        const auto captions = captionsOf(code);
        EXPECT_TRUE(captions.size() == 16 || (code == "it" && captions.empty()));
        for (const std::string& caption : captions)
            EXPECT_LE(strokeTextWidth(GLUT_STROKE_ROMAN, caption), menu) << caption;
        ASSERT_TRUE(useLanguage(code));
        EXPECT_LE(strokeTextWidth(GLUT_STROKE_ROMAN, creditsLine()), credits);
    }
    useLanguage("it");
}
