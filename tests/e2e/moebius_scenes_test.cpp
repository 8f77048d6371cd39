// The six Moebius strip scenes as a visitor meets them in the exhibit of
// every scene: the slider bends and cuts the band, the dials twist it and
// slide it, the icons and the wheel buttons change what is shown, and a press
// on the map colours the region under the pointer.

#include "tests/e2e/exhibit_fixture.h"

#include <X11/keysym.h>

#include <cstdlib>
#include <optional>

namespace e2e {
namespace {

using namespace std::chrono_literals;

// The sea green of the icons of the cut styles.
constexpr Rgb iconGreen{51, 230, 179};

constexpr Box middle{150, 100, 500, 400};
constexpr auto timeout = 5s;

// Which Moebius scene the controls along the bottom edge tell, as the
// number of steps after "Moebius" in the exhibit's order (Moebius, Moebius2
// and so on); the bend and the cut in two look alike there and both answer
// 0. None for any other scene.
std::optional<int> moebiusScene(const Picture& p) {
    auto is = [&](int x, int y, Rgb colour) { return near(p.atOverlay(x, y), colour, 6); };
    auto empty = [&](int x, int y) { return near(p.atOverlay(x, y), background, 2); };
    const bool slider = is(150, 20, controlColour) && empty(150, 60);
    // The ring above or below the dial's centre: the dot is never at both.
    auto dial = [&](int x) { return is(x, 35, dialRing) || is(x, 5, dialRing); };
    const bool twistDial = dial(250);
    if (slider && twistDial && empty(200, 35) && empty(200, 5)) {
        if (is(330, 23, iconGreen))
            return 4;
        if (empty(330, 23) && empty(310, 23))
            return 0;
        return std::nullopt;
    }
    if (!slider && twistDial && dial(200))
        return 3;
    if (is(95, 15, controlColour) && is(134, 20, controlColour) && empty(250, 35))
        return 1;
    if (empty(150, 20) && empty(250, 35) && empty(200, 35) && empty(95, 15) && empty(330, 23))
        return 5;
    return std::nullopt;
}

class MoebiusScenesTest : public AllScenesTest {
  protected:
    bool waitForScene(int scene) {
        return waitFor([&] { return moebiusScene(exhibit->capture()) == scene; }, timeout);
    }

    // From the first scene of the exhibit, Right until the first Moebius
    // scene, then on to the one wanted, each step seen on the screen.
    void goTo(int scene) {
        bool found = false;
        for (int step = 0; step < 16 && !found; ++step) {
            found = waitFor([&] { return moebiusScene(exhibit->capture()) == 0; }, 1500ms);
            if (!found)
                exhibit->tapKey(XK_Right);
        }
        ASSERT_TRUE(found) << "no Moebius scene in the exhibit";
        for (int next = 1; next <= scene; ++next) {
            exhibit->tapKey(XK_Right);
            // The cut in two looks like the bend from its controls. The
            // wheels before it never rest, so rest shows they have gone.
            if (next == 2) {
                ASSERT_TRUE(frames->comesToRest()) << "step " << next;
                ASSERT_TRUE(waitForScene(0)) << "step " << next;
            } else {
                ASSERT_TRUE(waitForScene(next)) << "step " << next;
            }
        }
    }

    // Two pictures taken a little apart that agree; empty when the model
    // would not keep still.
    Picture stillPicture() {
        return waitForStillPicture(middle, timeout, pixelTolerance, stillPixels);
    }

    // More than least pixels differ from before, soon.
    bool changesFrom(const Picture& before, int least = changedPixels) {
        return waitFor(
            [&] {
                return countDifferences(before, exhibit->capture(), middle, pixelTolerance) > least;
            },
            timeout);
    }

    bool keepsMoving(int least = changedPixels / 3) {
        return ExhibitTest::keepsMoving(middle, least);
    }

    void click(int x, int y) {
        exhibit->moveToOverlay(x + 1, y);
        exhibit->moveToOverlay(x, y);
        std::this_thread::sleep_for(50ms);
        exhibit->pressButton();
        std::this_thread::sleep_for(30ms);
        exhibit->releaseButton();
    }

    // Drags the slider at (150, 20) from its left end to its right end.
    void dragSlider() {
        exhibit->moveToOverlay(151, 26);
        exhibit->moveToOverlay(150, 26);
        std::this_thread::sleep_for(50ms);
        exhibit->pressButton();
        exhibit->glideToOverlay(280, 26, 10, 20ms);
        exhibit->releaseButton();
    }

    // Turns the dial centred at (x, 20) from its dot at angle π through a
    // half turn, down and round to the right; quick lets it go spinning.
    void turnDial(int x, bool quick) {
        exhibit->moveToOverlay(x - 14, 20);
        exhibit->moveToOverlay(x - 15, 20);
        std::this_thread::sleep_for(50ms);
        exhibit->pressButton();
        const auto pause = quick ? 10ms : 40ms;
        exhibit->glideToOverlay(x - 11, 9, 3, pause);
        exhibit->glideToOverlay(x, 5, 3, pause);
        exhibit->glideToOverlay(x + 11, 9, 3, pause);
        exhibit->glideToOverlay(x + 15, 20, 3, pause);
        exhibit->releaseButton();
    }
};

TEST_F(MoebiusScenesTest, BendCutAndTwistTheBand) {
    ASSERT_NO_FATAL_FAILURE(goTo(0));
    Picture square = stillPicture();
    ASSERT_FALSE(square.empty());
    dragSlider();
    EXPECT_TRUE(changesFrom(square)) << "the slider did not bend the square";

    Picture ring = stillPicture();
    turnDial(250, false);
    EXPECT_TRUE(changesFrom(ring)) << "the dial did not twist the ring";
    EXPECT_TRUE(flingUntilMoving([&] { turnDial(250, true); }, middle))
        << "the flung dial does not keep twisting";

    // The cut in two, two scenes on.
    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(waitForScene(1));
    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(frames->comesToRest()) << "the wheels did not go";
    ASSERT_TRUE(waitForScene(0));
    Picture whole = stillPicture();
    ASSERT_FALSE(whole.empty());
    dragSlider();
    EXPECT_TRUE(changesFrom(whole)) << "the slider did not open the cut";

    // The cut in three: the middle third in yellow, then hidden.
    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(waitForScene(3));
    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(waitForScene(4));
    Picture three = stillPicture();
    auto yellow = [&](const Picture& p) {
        int count = 0;
        for (int y = middle.y; y < middle.y + middle.height; y += 2)
            for (int x = middle.x; x < middle.x + middle.width; x += 2) {
                const Rgb c = p.at(x, y);
                count += c.r > 100 && c.g > 100 && c.b < c.r / 2;
            }
        return count;
    };
    EXPECT_EQ(yellow(three), 0);
    click(330, 20);
    EXPECT_TRUE(waitFor([&] { return yellow(exhibit->capture()) > 200; }, timeout))
        << "the middle third is not yellow";
    Picture highlighted = stillPicture();
    click(350, 20);
    EXPECT_TRUE(changesFrom(highlighted)) << "the middle third is not hidden";
    EXPECT_EQ(yellow(stillPicture()), 0);
}

TEST_F(MoebiusScenesTest, WheelButtonsBandStylesAndTheSlidingBands) {
    ASSERT_NO_FATAL_FAILURE(goTo(1));
    click(140, 20); // clear the wheels
    Picture bare = stillPicture();
    ASSERT_FALSE(bare.empty()) << "the band does not keep still without wheels";

    click(210, 20); // in pieces
    EXPECT_TRUE(changesFrom(bare)) << "the band is not cut into pieces";
    Picture pieces = stillPicture();
    ASSERT_FALSE(pieces.empty());
    click(230, 20); // translucent
    EXPECT_TRUE(changesFrom(pieces)) << "the band is not translucent";
    Picture translucent = stillPicture();
    ASSERT_FALSE(translucent.empty());

    click(100, 20); // a wheel
    // A wheel is small: a few hundred pixels.
    EXPECT_TRUE(changesFrom(translucent, 150)) << "no wheel came";
    EXPECT_TRUE(keepsMoving(150)) << "the wheel does not roll";
    click(120, 20); // and away again
    EXPECT_FALSE(stillPicture().empty()) << "the wheel is still there";

    // The sliding bands, two scenes on.
    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(waitForScene(0));
    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(waitForScene(3));
    Picture sliding = stillPicture();
    ASSERT_FALSE(sliding.empty());
    turnDial(200, false);
    EXPECT_TRUE(changesFrom(sliding)) << "the dial did not slide the bands";
    EXPECT_TRUE(flingUntilMoving([&] { turnDial(200, true); }, middle))
        << "the flung dial does not keep the bands sliding";
}

// A pixel of the map in light grey with grey all around it, far enough from
// any line or edge that a press there can only be on its region; window
// coordinates.
std::optional<std::pair<int, int>> greyRegionPixel(const Picture& p) {
    auto grey = [&](int x, int y) {
        const Rgb c = p.at(x, y);
        return c.r > 110 && std::abs(c.r - c.g) < 8 && std::abs(c.g - c.b) < 8;
    };
    constexpr int margin = 8;
    for (int y = middle.y; y < middle.y + middle.height; y += 4)
        for (int x = middle.x; x < middle.x + middle.width; x += 4) {
            bool all = true;
            for (int dy = -margin; dy <= margin && all; dy += 2)
                for (int dx = -margin; dx <= margin && all; dx += 2)
                    all = grey(x + dx, y + dy);
            if (all)
                return std::pair{x, y};
        }
    return std::nullopt;
}

TEST_F(MoebiusScenesTest, PressingTheMapColoursTheRegionUnderThePointer) {
    ASSERT_NO_FATAL_FAILURE(goTo(5));
    Picture map = stillPicture();
    ASSERT_FALSE(map.empty());
    const auto spot = greyRegionPixel(map);
    ASSERT_TRUE(spot) << "no grey region in sight";
    const auto [x, y] = *spot;
    auto coloured = [&](const Picture& p) {
        const Rgb c = p.at(x, y);
        return std::abs(c.r - c.g) > 30 || std::abs(c.g - c.b) > 30 || std::abs(c.r - c.b) > 30;
    };
    auto press = [&] {
        exhibit->moveTo(x + 1, y);
        exhibit->moveTo(x, y);
        std::this_thread::sleep_for(50ms);
        exhibit->pressButton();
        std::this_thread::sleep_for(30ms);
        exhibit->releaseButton();
    };

    press();
    ASSERT_TRUE(waitFor([&] { return coloured(exhibit->capture()); }, timeout))
        << "the region did not take its colour";
    Picture colouredMap = stillPicture();
    ASSERT_FALSE(colouredMap.empty()) << "a press on a region turned the view";

    // Away and back: the colour stays.
    exhibit->tapKey(XK_Left);
    ASSERT_TRUE(waitForScene(4));
    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(waitForScene(5));
    Picture back = stillPicture();
    EXPECT_TRUE(coloured(back));
    EXPECT_LE(countDifferences(colouredMap, back, middle, pixelTolerance), stillPixels);

    // A second press makes it grey again.
    press();
    EXPECT_TRUE(waitFor([&] { return !coloured(exhibit->capture()); }, timeout));
    Picture grey = stillPicture();
    EXPECT_LE(countDifferences(map, grey, middle, pixelTolerance), stillPixels);

    // A drag on the background still turns the strip.
    exhibit->moveTo(700, 120);
    std::this_thread::sleep_for(50ms);
    exhibit->pressButton();
    exhibit->glideTo(700, 220, 10, 30ms);
    // Held until the program has handled the drag and drawn nothing for
    // longer than a spin looks back, so that the release flings nothing.
    ASSERT_TRUE(frames->comesToRest());
    exhibit->releaseButton();
    EXPECT_TRUE(changesFrom(grey)) << "the drag did not turn the strip";
}

TEST_F(MoebiusScenesTest, AQuickDragSpinsTheBandButLeavesTheMapStill) {
    // The press stops any spin; once the picture shows it still, the press
    // has been handled (on the map it first looks for a region under the
    // pointer), and the program sees the flick's motion over time rather
    // than in one late batch with the release.
    auto flick = [&] {
        exhibit->moveTo(660, 150);
        exhibit->pressButton();
        stillPicture();
        exhibit->glideTo(740, 150, 8, 15ms);
        exhibit->releaseButton();
    };
    // The cut in three shares its view with the map: the flick spins it.
    ASSERT_NO_FATAL_FAILURE(goTo(4));
    ASSERT_TRUE(flingUntilMoving(flick, middle)) << "a quick drag does not spin the band";

    // On the map the spin goes on until a press; the same flick stops it
    // and leaves the map still.
    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(waitForScene(5));
    flick();
    const Picture map = stillPicture();
    ASSERT_FALSE(map.empty()) << "the map spins after a quick drag";
    EXPECT_FALSE(keepsMoving(changedPixels / 3)) << "the map spins after a quick drag";

    // The shared view came to rest on the map and stays at rest.
    exhibit->tapKey(XK_Left);
    ASSERT_TRUE(waitForScene(4));
    EXPECT_FALSE(stillPicture().empty()) << "the band spins again after the map";
}

} // namespace
} // namespace e2e
