// The Klein bottle scenes as a visitor meets them in an exhibit that lists
// every scene: the keys and the menu step to each of them and on to the next
// family, the slider and the dial change the picture, and the four bottles
// keep one orientation between them.

#include "tests/e2e/exhibit_fixture.h"

#include <X11/keysym.h>

#include <cstdio>

namespace e2e {
namespace {

using namespace std::chrono_literals;

constexpr Rgb styleGreen{26, 179, 77}; // the solid and striped style icons

constexpr Box middle{200, 100, 400, 400};
constexpr auto timeout = 5s;

// Which Klein scene shows, told by its controls along the bottom: 1, 3, 4
// and 5 for "KleinBottle1" to "KleinBottle5", 0 for none of these.
int shownScene(const Picture& p) {
    auto is = [&](int x, int y, Rgb c) { return near(p.atOverlay(x, y), c, 4); };
    if (is(100, 35, dialRing))
        return 4;
    if (is(180, 20, styleGreen) && is(194, 20, styleGreen))
        return 3;
    const bool low = is(120, 20, controlColour), high = is(230, 20, controlColour);
    if (low && !high)
        return 5;
    if (high && !low)
        return is(300, 20, background) && is(380, 20, background) ? 1 : 0;
    return 0;
}

// How many scenes the exhibit lists: every registered one.
int registeredSceneCount() {
    int lines = 0;
    const std::string command = std::string("env -u DISPLAY '") + LEMBOVARI_PROGRAM + "' --list";
    if (FILE* pipe = popen(command.c_str(), "r")) {
        for (int c = fgetc(pipe); c != EOF; c = fgetc(pipe))
            lines += c == '\n';
        pclose(pipe);
    }
    return lines;
}

class KleinScenesTest : public AllScenesTest {
  protected:
    bool waitForScene(int scene) {
        return waitFor([&] { return shownScene(exhibit->capture()) == scene; }, timeout);
    }

    // Two pictures a little apart that agree: the model at rest.
    Picture waitForStillPicture() {
        return ExhibitTest::waitForStillPicture(middle, timeout, pixelTolerance, stillPixels);
    }

    bool waitForChangeFrom(const Picture& before) {
        return waitFor(
            [&] {
                return countDifferences(before, exhibit->capture(), middle, pixelTolerance) >
                       changedPixels;
            },
            timeout);
    }

    // A drag with the button held from (x0, y0) to (x1, y1) in overlay
    // coordinates, held still before the release so that nothing spins: the
    // release waits until the program has drawn the drag's end and then
    // drawn nothing for longer than a spin looks back.
    void dragOverlay(int x0, int y0, int x1, int y1) {
        exhibit->moveToOverlay(x0 + 1, y0);
        exhibit->moveToOverlay(x0, y0);
        std::this_thread::sleep_for(50ms);
        const Picture before = exhibit->capture();
        exhibit->pressButton();
        exhibit->glideToOverlay(x1, y1, 12, 25ms);
        waitForChangeFrom(before);
        waitForStillPicture();
        frames->comesToRest();
        exhibit->releaseButton();
    }

    // Opens the scene menu and presses the row of the scene at index.
    bool pressMenuRow(int index, int sceneCount) {
        exhibit->moveToOverlay(400, 300);
        std::this_thread::sleep_for(50ms);
        exhibit->moveToOverlay(21, 21);
        exhibit->moveToOverlay(20, 20);
        // Open, the rows stand 26 pixels high from 52 above the menu, the
        // first scene's at the top.
        const int y = 20 + (sceneCount + 1 - index) * 26 + 13;
        std::this_thread::sleep_for(300ms);
        exhibit->glideToOverlay(40, y, 8, 20ms);
        const bool lit = waitFor(
            [&] { return near(exhibit->capture().atOverlay(25, y), menuRowHovered, 12); }, timeout);
        exhibit->pressButton();
        exhibit->releaseButton();
        return lit;
    }
};

TEST_F(KleinScenesTest, KeysAndTheMenuReachEveryKleinSceneAndTheNextFamily) {
    ASSERT_TRUE(waitForScene(1)) << "the exhibit opens on the rectangle";
    Picture previous = exhibit->capture();
    for (int scene : {3, 4, 5}) {
        exhibit->tapKey(XK_Right);
        ASSERT_TRUE(waitForScene(scene)) << "Right to KleinBottle" << scene;
        Picture shown = exhibit->capture();
        EXPECT_GT(countDifferences(previous, shown, middle, pixelTolerance), changedPixels)
            << "the model did not change with the scene";
        previous = shown;
    }
    // On to the next family and back.
    exhibit->tapKey(XK_Page_Down);
    ASSERT_TRUE(waitFor(
        [&] {
            return countDifferences(previous, exhibit->capture(), middle, pixelTolerance) >
                   changedPixels;
        },
        timeout))
        << "Page Down after the Klein bottles";
    exhibit->tapKey(XK_Left);
    ASSERT_TRUE(waitForScene(5)) << "Left back to the cut bottle";

    const int count = registeredSceneCount();
    ASSERT_GE(count, 6);
    ASSERT_TRUE(pressMenuRow(0, count)) << "the first row is not lit";
    ASSERT_TRUE(waitForScene(1)) << "the menu's first row";
    ASSERT_TRUE(pressMenuRow(2, count)) << "the third row is not lit";
    ASSERT_TRUE(waitForScene(4)) << "the menu's third row";
}

TEST_F(KleinScenesTest, SliderRollsTheRectangleAndTheDialMovesTheLabel) {
    ASSERT_TRUE(waitForScene(1));
    const Picture rectangle = waitForStillPicture();
    ASSERT_FALSE(rectangle.empty());
    // The knob sits above the track's left end, at column 150.
    dragOverlay(150, 26, 280, 26);
    EXPECT_TRUE(waitForChangeFrom(rectangle)) << "the slider did not change the model";
    const Picture bottle = waitForStillPicture();
    EXPECT_FALSE(near(bottle.atOverlay(249, 26), background, 2)) << "the knob is not at the end";

    exhibit->tapKey(XK_Right);
    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(waitForScene(4));
    const Picture label = waitForStillPicture();
    ASSERT_FALSE(label.empty());
    // The dial's dot starts on the right of its ring; a quarter turn
    // counter-clockwise brings the label towards the neck.
    dragOverlay(115, 20, 100, 36);
    EXPECT_TRUE(waitForChangeFrom(label)) << "the dial did not move the label";
}

TEST_F(KleinScenesTest, TheFourBottlesKeepOneOrientation) {
    ASSERT_TRUE(waitForScene(1));
    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(waitForScene(3));
    const Picture solid = waitForStillPicture();
    ASSERT_FALSE(solid.empty());

    // The cut bottle before its cut is the same solid bottle.
    exhibit->tapKey(XK_Right);
    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(waitForScene(5));
    const Picture uncut = waitForStillPicture();
    EXPECT_LE(countDifferences(solid, uncut, middle, pixelTolerance), stillPixels);

    // Turned here, it is turned there too.
    dragOverlay(650, 300, 720, 380);
    EXPECT_TRUE(waitForChangeFrom(uncut)) << "the drag did not turn the bottle";
    const Picture turned = waitForStillPicture();
    ASSERT_FALSE(turned.empty()) << "the bottle keeps spinning";
    exhibit->tapKey(XK_Left);
    exhibit->tapKey(XK_Left);
    ASSERT_TRUE(waitForScene(3));
    const Picture back = waitForStillPicture();
    EXPECT_LE(countDifferences(turned, back, middle, pixelTolerance), stillPixels);
    EXPECT_GT(countDifferences(solid, back, middle, pixelTolerance), changedPixels);
}

} // namespace
} // namespace e2e
