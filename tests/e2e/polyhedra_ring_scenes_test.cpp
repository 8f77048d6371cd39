// The ring and the three duality scenes as a visitor meets them in the
// exhibit of every scene, where they are the last four: stepped to with the
// keys, changed with their sliders and the ring's dial, and left with Escape.

#include "tests/e2e/exhibit_fixture.h"

#include <X11/keysym.h>

#include <cmath>

namespace e2e {
namespace {

using namespace std::chrono_literals;

constexpr double pi = 3.14159265358979323846;
constexpr Box middle{150, 100, 500, 400};
constexpr auto timeout = 5s;

// The duality scenes have one slider, its track from x = 200 to 299 at
// height 20; the ring two, from x = 100 to 199 at heights 20 and 60.
bool showsPolyhedron(const Picture& p) {
    return near(p.atOverlay(280, 20), controlColour, 4) &&
           !near(p.atOverlay(150, 60), controlColour, 4);
}
bool showsRing(const Picture& p) {
    return near(p.atOverlay(150, 60), controlColour, 4) &&
           near(p.atOverlay(150, 20), controlColour, 4);
}

// Pixels of the middle in the red of a cut.
int redPixels(const Picture& p) {
    int red = 0;
    for (int y = middle.y; y < middle.y + middle.height; ++y)
        for (int x = middle.x; x < middle.x + middle.width; ++x) {
            const Rgb c = p.at(x, y);
            red += c.r > 150 && c.g < c.r / 2 && c.b < c.r / 2;
        }
    return red;
}

class PolyhedraRingScenesTest : public AllScenesTest {
  protected:
    // More Right presses than there are scenes: the list does not wrap round.
    void stepToLastScene() {
        for (int i = 0; i < 24; ++i)
            exhibit->tapKey(XK_Right);
    }

    // Waits until the picture differs from before by many pixels.
    bool changesFrom(const Picture& before) {
        return waitFor(
            [&] {
                return countDifferences(before, exhibit->capture(), middle, pixelTolerance) >
                       changedPixels;
            },
            timeout);
    }

    // Drags a slider's knob from column x0 to x1; the knob sits just above
    // the track at height y.
    void dragKnob(int x0, int x1, int y) {
        exhibit->moveToOverlay(x0 + 1, y + 6);
        exhibit->moveToOverlay(x0, y + 6);
        std::this_thread::sleep_for(50ms);
        exhibit->pressButton();
        exhibit->glideToOverlay(x1, y + 6, 10, 20ms);
        exhibit->releaseButton();
    }

    void expectEscapeEndsWithStatusZero() {
        exhibit->tapKey(XK_Escape);
        std::optional<int> status = exhibit->waitForExit(5s);
        ASSERT_TRUE(status) << "still running 5 s after Escape";
        EXPECT_EQ(*status, 0);
    }
};

TEST_F(PolyhedraRingScenesTest, EachSolidMorphsIntoItsDualUnderItsSlider) {
    stepToLastScene();
    ASSERT_TRUE(waitFor([&] { return showsPolyhedron(exhibit->capture()); }, timeout))
        << "the last scene has no duality slider";
    // The first duality scene already shows that slider; at rest the
    // program has handled every Right.
    ASSERT_TRUE(frames->comesToRest());
    Picture previousScene;
    for (const char* scene : {"icododeca", "cubeocta", "tetratetra"}) {
        SCOPED_TRACE(scene);
        if (!previousScene.empty()) {
            exhibit->tapKey(XK_Left);
            ASSERT_TRUE(changesFrom(previousScene)) << "Left did not change the solid";
        }
        Picture dual = waitForStillPicture(middle, timeout);
        ASSERT_TRUE(showsPolyhedron(dual));
        // The knob starts at the track's left end, at the dual.
        EXPECT_FALSE(near(dual.atOverlay(200, 26), background, 2));
        dragKnob(200, 320, 20);
        EXPECT_TRUE(changesFrom(dual)) << "the slider did not morph the model";
        previousScene = waitForStillPicture(middle, timeout);
        EXPECT_FALSE(near(previousScene.atOverlay(299, 26), background, 2))
            << "the knob is not at the track's right end";
    }
    expectEscapeEndsWithStatusZero();
}

TEST_F(PolyhedraRingScenesTest, RingIsCutByItsSlidersAndTurnedByItsDial) {
    stepToLastScene();
    ASSERT_TRUE(waitFor([&] { return showsPolyhedron(exhibit->capture()); }, timeout));
    for (int i = 0; i < 3; ++i)
        exhibit->tapKey(XK_Left);
    ASSERT_TRUE(waitFor([&] { return showsRing(exhibit->capture()); }, timeout))
        << "three scenes before the last is not the ring";
    Picture whole = waitForStillPicture(middle, timeout);
    EXPECT_EQ(redPixels(whole), 0) << "red shows on the uncut ring";

    dragKnob(100, 150, 60);
    ASSERT_TRUE(changesFrom(whole)) << "the band slider did not cut the band";
    Picture cutBand = waitForStillPicture(middle, timeout);
    EXPECT_GT(redPixels(cutBand), 50) << "the cut band's ends are not red";

    dragKnob(100, 150, 20);
    ASSERT_TRUE(changesFrom(cutBand)) << "the edge slider did not cut the tube";
    Picture cutTube = waitForStillPicture(middle, timeout);

    // A quarter turn of the dial's dot, from the right of its centre at
    // (250, 20) to above it, slowly enough to leave no spin.
    exhibit->moveToOverlay(265, 20);
    std::this_thread::sleep_for(50ms);
    exhibit->pressButton();
    for (int k = 1; k <= 8; ++k) {
        const double a = k * pi / 16;
        exhibit->moveToOverlay(250 + int(15 * std::cos(a)), 20 + int(15 * std::sin(a)));
        std::this_thread::sleep_for(20ms);
    }
    // Held until the program has handled the turn and drawn nothing for
    // longer than a spin looks back.
    ASSERT_TRUE(frames->comesToRest());
    exhibit->releaseButton();
    EXPECT_TRUE(changesFrom(cutTube)) << "the dial did not turn the band";

    expectEscapeEndsWithStatusZero();
}

} // namespace
} // namespace e2e
