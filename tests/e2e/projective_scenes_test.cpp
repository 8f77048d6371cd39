// The two projective plane scenes as a visitor meets them: the window opens
// on the cross-cap, keys, arrows and the menu step between the two, and the
// slider, a fling and the colour editor change what is shown.

#include "tests/e2e/exhibit_fixture.h"

#include <X11/keysym.h>

namespace e2e {
namespace {

using namespace std::chrono_literals;

// Where the model is drawn, in window coordinates.
constexpr Box middle{200, 150, 400, 300};
constexpr auto timeout = 5s;

// Which scene is shown, told by its controls: the cross-cap's slider track
// runs at height 20, that of the cross-cap without crossings at height 30.
// 0 when the picture shows neither.
int shownScene(const Picture& picture) {
    bool low = near(picture.atOverlay(200, 20), controlColour, 4);
    bool high = near(picture.atOverlay(200, 30), controlColour, 4);
    if (low == high) {
        return 0;
    }
    return low ? 1 : 2;
}

class ProjectiveScenesTest : public ExhibitTest {
  protected:
    bool waitForScene(int scene) {
        return waitFor([&] { return shownScene(exhibit->capture()) == scene; }, timeout);
    }

    // The scene shown in the frame that answers the input; 0 when none came.
    int sceneAnswering(const std::function<void()>& input) {
        return answered(input) ? shownScene(exhibit->capture()) : 0;
    }

    Picture waitForStillPicture() { return ExhibitTest::waitForStillPicture(middle, timeout); }
};

TEST_F(ProjectiveScenesTest, OpensOnTheCrossCapWithTheModelInTheMiddle) {
    ASSERT_TRUE(waitForScene(1));
    Picture picture = exhibit->capture();

    // Corners and edges away from the overlay.
    for (auto [x, y] : {std::pair{4, 4}, {795, 4}, {4, 300}, {795, 300}, {400, 4}, {600, 595}}) {
        EXPECT_TRUE(near(picture.at(x, y), background, 2)) << "at (" << x << ", " << y << ")";
    }
    int area = middle.width * middle.height;
    EXPECT_GT(picture.countUnlike(middle, background, pixelTolerance), area / 20)
        << "too little of the model shows";

    // At the first scene only the arrow to the next one is drawn.
    EXPECT_TRUE(near(picture.atOverlay(41, 20), background, 2));
    EXPECT_FALSE(near(picture.atOverlay(59, 20), background, 2));
}

TEST_F(ProjectiveScenesTest, KeysStepThroughTheScenesWithoutWrappingAround) {
    ASSERT_TRUE(waitForScene(1));
    Picture crossCap = exhibit->capture();

    EXPECT_EQ(sceneAnswering([&] {
                  for (KeySym key : {XK_Left, XK_Page_Up, XK_Up, XK_Down})
                      exhibit->tapKey(key);
              }),
              1)
        << "left of the first scene, or up or down";

    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(waitForScene(2)) << "Right";
    Picture uncrossed = exhibit->capture();
    EXPECT_GT(countDifferences(crossCap, uncrossed, middle, pixelTolerance), changedPixels)
        << "the model did not change with the scene";
    EXPECT_TRUE(near(uncrossed.atOverlay(41, 20), controlColour, 4));
    EXPECT_TRUE(near(uncrossed.atOverlay(59, 20), background, 2));

    EXPECT_EQ(sceneAnswering([&] {
                  for (KeySym key : {XK_Right, XK_Page_Down, XK_Up, XK_Down})
                      exhibit->tapKey(key);
              }),
              2)
        << "right of the last scene, or up or down";

    exhibit->tapKey(XK_Left);
    ASSERT_TRUE(waitForScene(1)) << "Left";
    // The scene comes back as it was left.
    EXPECT_LE(countDifferences(crossCap, exhibit->capture(), middle, pixelTolerance), stillPixels);

    exhibit->tapKey(XK_Page_Down);
    EXPECT_TRUE(waitForScene(2)) << "Page Down";
    exhibit->tapKey(XK_Page_Up);
    EXPECT_TRUE(waitForScene(1)) << "Page Up";
}

TEST_F(ProjectiveScenesTest, OverlayArrowsStepThroughTheScenesWithoutWrappingAround) {
    ASSERT_TRUE(waitForScene(1));

    EXPECT_EQ(sceneAnswering([&] { exhibit->clickOverlay(40, 20); }), 1)
        << "the hidden arrow to the previous scene";

    exhibit->clickOverlay(60, 20);
    ASSERT_TRUE(waitForScene(2)) << "the arrow to the next scene";
    EXPECT_EQ(sceneAnswering([&] { exhibit->clickOverlay(60, 20); }), 2)
        << "the hidden arrow to the next scene";

    exhibit->clickOverlay(40, 20);
    EXPECT_TRUE(waitForScene(1)) << "the arrow to the previous scene";
}

TEST_F(ProjectiveScenesTest, SceneMenuUnfoldsOnHoverAndSwitchesOnAPress) {
    ASSERT_TRUE(waitForScene(1));
    // With two scenes the open list covers 47 to 109 pixels above the menu at
    // (20, 20): the first scene's row from 78 to 104, the second's from 52 to
    // 78. Its golden margin left of the captions runs from x = 15 to 20.
    auto unfolded = [&] {
        Picture picture = exhibit->capture();
        return near(picture.atOverlay(17, 70), menuGold, 10) &&
               near(picture.atOverlay(17, 126), menuGold, 10);
    };
    auto folded = [&] {
        Picture picture = exhibit->capture();
        return near(picture.atOverlay(17, 70), background, 2) &&
               near(picture.atOverlay(17, 126), background, 2);
    };
    // The row under the pointer lights up once the menu has been drawn with
    // the pointer there; a press picks the row that is lit.
    auto rowLit = [&](int y) {
        return waitFor(
            [&] { return near(exhibit->capture().atOverlay(25, y), menuRowHovered, 12); }, timeout);
    };
    // Coming over the menu from elsewhere unfolds it.
    auto hoverMenu = [&] {
        exhibit->moveToOverlay(400, 300);
        std::this_thread::sleep_for(50ms);
        exhibit->moveToOverlay(21, 21);
        exhibit->moveToOverlay(20, 20);
        return waitFor(unfolded, timeout);
    };
    auto pressRow = [&](int y) {
        // Within the open list the pointer may travel to any of its rows.
        exhibit->glideToOverlay(40, y, 5, 20ms);
        bool lit = rowLit(y);
        exhibit->pressButton();
        exhibit->releaseButton();
        return lit;
    };
    ASSERT_TRUE(folded());

    ASSERT_TRUE(hoverMenu()) << "hovering the menu";
    Picture open = exhibit->capture();
    EXPECT_TRUE(near(open.atOverlay(17, 60), background, 2)) << "the list starts too low";
    EXPECT_TRUE(near(open.atOverlay(17, 136), background, 2)) << "the list ends too high";

    // The current scene's row: no change, but the list folds.
    ASSERT_TRUE(pressRow(111)) << "the first scene's row is not lit";
    EXPECT_TRUE(waitFor(folded, timeout)) << "the menu stays open after a press";
    // The press has been handled: a switch would have shown with the fold.
    ASSERT_TRUE(frames->comesToRest());
    EXPECT_EQ(shownScene(exhibit->capture()), 1);

    ASSERT_TRUE(hoverMenu()) << "hovering the menu again";
    ASSERT_TRUE(pressRow(85)) << "the second scene's row is not lit";
    ASSERT_TRUE(waitForScene(2)) << "pressing the second scene's row";

    ASSERT_TRUE(hoverMenu()) << "hovering the second scene's menu";
    ASSERT_TRUE(pressRow(111)) << "the first scene's row is not lit";
    EXPECT_TRUE(waitForScene(1)) << "pressing the first scene's row";
}

TEST_F(ProjectiveScenesTest, DraggingTheSliderMorphsTheModel) {
    ASSERT_TRUE(waitForScene(1));
    Picture band = waitForStillPicture();
    ASSERT_FALSE(band.empty()) << "the model does not keep still at start";

    // The knob sits above the track's left end, at column 150.
    exhibit->moveToOverlay(151, 26);
    exhibit->moveToOverlay(150, 26);
    std::this_thread::sleep_for(50ms);
    exhibit->pressButton();
    exhibit->glideToOverlay(280, 26, 10, 20ms);
    exhibit->releaseButton();

    EXPECT_TRUE(waitFor(
        [&] {
            return countDifferences(band, exhibit->capture(), middle, pixelTolerance) >
                   changedPixels;
        },
        timeout))
        << "the model did not change";
    Picture crossCap = waitForStillPicture();
    // The knob has come to the track's right end, at column 249.
    EXPECT_FALSE(near(crossCap.atOverlay(249, 26), background, 2));
    EXPECT_TRUE(near(crossCap.atOverlay(150, 26), background, 2));
}

TEST_F(ProjectiveScenesTest, QuickDragLeavesTheModelSpinningUntilTheNextPress) {
    ASSERT_TRUE(waitForScene(1));
    exhibit->moveTo(340, 300);
    std::this_thread::sleep_for(100ms);

    // A flick of 80 pixels in about 120 ms, released at once. Spread over a
    // few frames even when frames are slow, so that the program sees the
    // pointer move over time.
    auto flick = [&] {
        exhibit->moveTo(340, 300);
        exhibit->pressButton();
        exhibit->glideTo(420, 300, 8, 15ms);
        exhibit->releaseButton();
    };
    EXPECT_TRUE(flingUntilMoving(flick, middle, changedPixels)) << "a quick drag left no spin";

    // The next press stops it at once, and a release without motion leaves
    // it still.
    exhibit->pressButton();
    Picture held = waitForStillPicture();
    EXPECT_FALSE(held.empty()) << "still spinning while the button is held";
    ASSERT_TRUE(answered([&] { exhibit->releaseButton(); }))
        << "no frame answered the release, or it set the model spinning";
    Picture released = waitForStillPicture();
    ASSERT_FALSE(released.empty()) << "spinning again after the release";
    EXPECT_LE(countDifferences(held, released, middle, pixelTolerance), stillPixels);
}

TEST_F(ProjectiveScenesTest, ColourEditorTurnsTheBackgroundRed) {
    ASSERT_TRUE(waitForScene(1));
    // The editor's red bar runs from x = 30 to 129, 78 to 82 pixels below the
    // top; it ramps from black to red.
    auto editorShown = [&] {
        Rgb bar = exhibit->capture().atOverlay(120, 520);
        return bar.r > 180 && bar.g < 30 && bar.b < 30;
    };
    ASSERT_TRUE(near(exhibit->capture().atOverlay(120, 520), background, 2))
        << "the editor shows before S";

    exhibit->tapKey(XK_s);
    ASSERT_TRUE(waitFor(editorShown, timeout)) << "S";

    // Red 9 puts the red row's marker at column 33, above the bar.
    exhibit->moveToOverlay(34, 526);
    exhibit->moveToOverlay(33, 526);
    std::this_thread::sleep_for(50ms);
    exhibit->pressButton();
    exhibit->glideToOverlay(300, 526, 10, 20ms);
    exhibit->releaseButton();

    auto backgroundIsRed = [&] {
        Rgb corner = exhibit->capture().at(795, 4);
        return near(corner, Rgb{255, 48, 75}, 2);
    };
    EXPECT_TRUE(waitFor(backgroundIsRed, timeout)) << "dragging the red marker to the right";

    // Every scene shares the colour; a scene that becomes current hides its
    // editor.
    exhibit->tapKey(XK_Right);
    ASSERT_TRUE(waitForScene(2));
    EXPECT_TRUE(backgroundIsRed());
    exhibit->tapKey(XK_Left);
    ASSERT_TRUE(waitForScene(1));
    EXPECT_FALSE(editorShown()) << "the editor still shows after a return to its scene";
}

} // namespace
} // namespace e2e
