// The whole exhibit, every registered scene listed (--scenes all), as a
// visitor walks through it: Right steps from the first scene to the last and
// stops there, every scene looks unlike its neighbours, the menu lists every
// caption and reaches each scene, and Escape still ends the program cleanly.

#include "tests/e2e/exhibit_fixture.h"

#include <X11/keysym.h>

#include <cstdio>

namespace e2e {
namespace {

using namespace std::chrono_literals;

// Everything right of the menu: neighbouring scenes may show alike models at
// rest (a flat square, say) but never with alike controls as well.
constexpr Box shown{100, 0, 700, 600};
constexpr auto timeout = 8s;

// How many scenes are registered, as --list tells.
int registeredSceneCount() {
    const std::string command = std::string("'") + LEMBOVARI_PROGRAM + "' --list";
    int lines = 0;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        for (int c; (c = fgetc(pipe)) != EOF;)
            lines += c == '\n';
        pclose(pipe);
    }
    return lines;
}

class WholeExhibitTest : public AllScenesTest {
  protected:
    // The picture once the model rests; for a scene that never rests (the
    // wheels roll on by themselves) whatever it shows after a second.
    Picture stillPicture() {
        Picture still = waitForStillPicture(shown, 1s);
        return still.empty() ? exhibit->capture() : still;
    }
};

TEST_F(WholeExhibitTest, RightStepsThroughEverySceneAndTheMenuReachesEachOne) {
    const int count = registeredSceneCount();
    ASSERT_EQ(count, 16) << "every scene of the exhibit is registered";

    std::vector<Picture> scenes{stillPicture()};
    ASSERT_FALSE(scenes[0].empty());
    EXPECT_TRUE(near(scenes[0].atOverlay(41, 20), background, 2)) << "no arrow back at the start";
    for (int i = 1; i < count; ++i) {
        exhibit->tapKey(XK_Right);
        const Picture& before = scenes.back();
        ASSERT_TRUE(waitFor(
            [&] {
                return countDifferences(before, exhibit->capture(), shown, pixelTolerance) >
                       changedPixels;
            },
            timeout))
            << "Right from scene " << i - 1 << " showed nothing new";
        scenes.push_back(stillPicture());
        ASSERT_FALSE(scenes.back().empty()) << "scene " << i << " shows nothing";
        EXPECT_FALSE(near(scenes.back().atOverlay(41, 20), background, 2))
            << "no arrow back at scene " << i;
    }
    const Picture& last = scenes.back();
    EXPECT_TRUE(near(last.atOverlay(59, 20), background, 2)) << "an arrow on past the last scene";
    ASSERT_TRUE(answered([&] { exhibit->tapKey(XK_Right); })) << "no frame answered Right";
    EXPECT_LE(countDifferences(last, exhibit->capture(), shown, pixelTolerance), 20)
        << "Right at the last scene changed the picture";

    // The menu, unfolded over the last scene, holds a row for every scene:
    // scene i's row is 26 pixels high, (count + 1 - i) rows above the menu.
    auto rowCentre = [&](int i) { return 20 + (count + 1 - i) * 26 + 13; };
    auto unfolded = [&] {
        Picture picture = exhibit->capture();
        return near(picture.atOverlay(17, rowCentre(0)), menuGold, 10) &&
               near(picture.atOverlay(17, rowCentre(count - 1)), menuGold, 10);
    };
    for (int i = 0; i < count; ++i) {
        exhibit->moveToOverlay(400, 300);
        std::this_thread::sleep_for(50ms);
        exhibit->moveToOverlay(21, 21);
        exhibit->moveToOverlay(20, 20);
        ASSERT_TRUE(waitFor(unfolded, timeout)) << "the menu does not unfold into every row";
        exhibit->glideToOverlay(40, rowCentre(i), 8, 20ms);
        // The menu goes to the row it last drew lit, so the press waits for it.
        ASSERT_TRUE(waitFor(
            [&] {
                const Picture picture = exhibit->capture();
                for (int x : {17, 21, 25})
                    if (near(picture.atOverlay(x, rowCentre(i)), menuRowHovered, 12))
                        return true;
                return false;
            },
            timeout))
            << "the menu's row " << i << " does not light up under the pointer";
        exhibit->pressButton();
        exhibit->releaseButton();
        exhibit->moveToOverlay(700, 300);
        // The scene pressed shows: its picture, far closer to it than to
        // either neighbour's.
        EXPECT_TRUE(waitFor(
            [&] {
                Picture now = exhibit->capture();
                const int here = countDifferences(scenes[i], now, shown, pixelTolerance);
                for (int j : {i - 1, i + 1})
                    if (j >= 0 && j < count &&
                        countDifferences(scenes[j], now, shown, pixelTolerance) <= 2 * here)
                        return false;
                return true;
            },
            timeout))
            << "the menu's row " << i << " did not reach its scene";
    }

    exhibit->tapKey(XK_Escape);
    const std::optional<int> status = exhibit->waitForExit(5s);
    ASSERT_TRUE(status) << "still running after Escape";
    EXPECT_EQ(*status, 0);
}

} // namespace
} // namespace e2e
