// The exhibit on a large screen: the window covers a bare 1920 by 1080 X
// screen (no window manager), its overlay drawn 1.8 times as large and
// answering the pointer there; GLUT's -geometry sizes the window; and a
// kiosk without the colour editor.

#include "tests/e2e/exhibit_fixture.h"

#include <X11/keysym.h>

namespace e2e {
namespace {

using namespace std::chrono_literals;

// The longest run of pixels of colour along the overlay row y.
int longestRun(const Picture& picture, int y, Rgb colour) {
    int longest = 0;
    int run = 0;
    for (int x = 0; x < picture.width(); ++x) {
        run = near(picture.atOverlay(x, y), colour, 4) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

class FullscreenTest : public ExhibitTest {
  protected:
    std::vector<std::string> programArguments() const override { return {"--fullscreen"}; }
    std::string screen() const override { return "1920x1080x24"; }
};

TEST_F(FullscreenTest, CoversTheScreenWithTheSliderScaledAndAnsweringAWholeDrag) {
    EXPECT_EQ(exhibit->windowWidth(), 1920);
    EXPECT_EQ(exhibit->windowHeight(), 1080);
    // The cross-cap's slider: a track 99 pixels long unscaled, from 150 to
    // 249 at height 20, its knob above the left end; at 1.8 pixels a unit.
    const int trackY = 36;
    Picture before;
    ASSERT_TRUE(waitFor(
        [&] {
            before = exhibit->capture();
            return longestRun(before, trackY, controlColour) > 150;
        },
        5s));
    EXPECT_NEAR(longestRun(before, trackY, controlColour), 99 * 1.8, 3);
    const int left = 270;
    const int right = 448;
    const int knobY = 47;
    EXPECT_FALSE(near(before.atOverlay(left, knobY), background, 4)) << "knob at the left end";
    EXPECT_TRUE(near(before.atOverlay(right, knobY), background, 4));

    // Half the track in one-pixel steps, then the rest: the knob follows
    // the pointer all the way, never moving a column per pixel.
    const int middle = (left + right) / 2;
    auto knobAt = [&](int x) {
        return waitFor(
            [&] {
                const Picture now = exhibit->capture();
                return !near(now.atOverlay(x, knobY), background, 4) &&
                       near(now.atOverlay(x - 20, knobY), background, 4) &&
                       near(now.atOverlay(x + 20, knobY), background, 4);
            },
            5s);
    };
    exhibit->moveToOverlay(left, knobY);
    exhibit->pressButton();
    exhibit->glideToOverlay(middle, knobY, middle - left, 2ms);
    EXPECT_TRUE(knobAt(middle)) << "the knob did not follow to the middle";
    exhibit->glideToOverlay(right, knobY, 10, 10ms);
    exhibit->releaseButton();
    exhibit->moveToOverlay(960, 900);
    EXPECT_TRUE(knobAt(right)) << "the knob did not follow the drag to the right end";
}

// A finger on a touch screen: every tap arrives as the pointer jumping to
// the point, press and release at once, with no hover before.
TEST_F(FullscreenTest, TapsOpenTheMenuAndReachTheSceneOfACaption) {
    // Overlay units are 1.8 pixels here. The menu's square at (20, 20); with
    // two scenes its open list shows gold left of the captions at height 70
    // and holds the second scene's row from 52 to 78 above it. The cross-cap without
    // crossings draws its slider track at height 30, the cross-cap at 20.
    auto pixels = [](double units) { return int(units * 1.8); };
    auto shows = [&](double x, double y, Rgb colour) {
        return near(exhibit->capture().atOverlay(pixels(x), pixels(y)), colour, 10);
    };
    ASSERT_TRUE(waitFor([&] { return shows(200, 20, controlColour); }, 5s));
    ASSERT_TRUE(shows(17, 70, background));

    exhibit->tapOverlay(pixels(20), pixels(20));
    ASSERT_TRUE(waitFor([&] { return shows(17, 70, menuGold); }, 5s))
        << "a tap on the square leaves the menu folded";
    exhibit->tapOverlay(pixels(60), pixels(20 + 65));
    EXPECT_TRUE(waitFor([&] { return shows(200, 30, controlColour); }, 5s))
        << "a tap on the second caption does not reach its scene";
}

// One slow frame between a tap's arrival and its press lets the hover open
// the menu wholly before the press is handled; the menu stays open.
TEST_F(FullscreenTest, ATapWhosePressComesLateLeavesTheMenuOpen) {
    auto pixels = [](double units) { return int(units * 1.8); };
    auto shows = [&](double x, double y, Rgb colour) {
        return near(exhibit->capture().atOverlay(pixels(x), pixels(y)), colour, 10);
    };
    ASSERT_TRUE(waitFor([&] { return shows(200, 20, controlColour); }, 5s));
    exhibit->moveToOverlay(pixels(20), pixels(20));
    std::this_thread::sleep_for(150ms); // the tap's own timing, not a wait
    exhibit->pressButton();
    exhibit->releaseButton();
    ASSERT_TRUE(waitFor([&] { return shows(17, 70, menuGold); }, 5s)) << "never opened";
    EXPECT_TRUE(answered([&] { exhibit->moveToOverlay(pixels(21), pixels(20)); }));
    EXPECT_TRUE(shows(17, 70, menuGold)) << "the late press folded the menu";
}

class NoColourEditorTest : public ExhibitTest {
  protected:
    std::vector<std::string> programArguments() const override { return {"--no-colour-editor"}; }
};

// The hidden editor's red row lies at (30..129, 520..535), where a drag would
// otherwise turn the background red; S would show it.
TEST_F(NoColourEditorTest, SDoesNothingAndADragAtTheTopLeftTurnsTheModel) {
    const Box whole{0, 0, 800, 600};
    const Picture before = waitForStillPicture(whole);
    exhibit->tapKey(XK_s);
    exhibit->moveToOverlay(40, 525);
    exhibit->pressButton();
    exhibit->glideToOverlay(140, 525, 10, 10ms);
    exhibit->releaseButton();
    EXPECT_TRUE(waitFor(
        [&] { return countDifferences(before, exhibit->capture(), whole, 12) > changedPixels; },
        10s))
        << "the model did not turn";
    EXPECT_TRUE(near(exhibit->capture().atOverlay(5, 595), background, 4));
}

class GeometryTest : public ExhibitTest {
  protected:
    std::vector<std::string> programArguments() const override {
        return {"-geometry", "640x480+10+10"};
    }
};

TEST_F(GeometryTest, GlutsGeometryWinsAndTheOverlayStaysInPixels) {
    EXPECT_EQ(exhibit->windowWidth(), 640);
    EXPECT_EQ(exhibit->windowHeight(), 480);
    EXPECT_TRUE(
        waitFor([&] { return longestRun(exhibit->capture(), 20, controlColour) == 99; }, 5s));
}

} // namespace
} // namespace e2e
