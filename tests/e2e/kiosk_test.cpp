// The exhibit on a large screen: the window covers a bare 1920 by 1080 X
// screen (no window manager), its overlay drawn 1.8 times as large and
// answering the pointer there; and GLUT's -geometry sizes the window.

#include "tests/e2e/exhibit_fixture.h"

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
