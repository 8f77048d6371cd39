// The exhibit left alone: with --idle-reset it comes back to the very picture
// it opened with, whatever the last visitor did; with --attract the model then
// turns until the next input stops it where it is.

#include "tests/e2e/exhibit_fixture.h"

#include <X11/keysym.h>

namespace e2e {
namespace {

using namespace std::chrono_literals;

constexpr Box whole{0, 0, 800, 600};
// A spot of plain background, where the pointer rests while pictures are read.
constexpr int restX = 700, restY = 150;

class IdleResetTest : public ExhibitTest {
  protected:
    std::vector<std::string> programArguments() const override { return {"--idle-reset", "2"}; }

    bool waitForPicture(const Picture& expected, std::chrono::milliseconds timeout) {
        return waitFor(
            [&] { return countDifferences(exhibit->capture(), expected, whole, 0) == 0; }, timeout);
    }
};

TEST_F(IdleResetTest, ComesBackToTheStartPictureAfterASpinASceneChangeAndADrag) {
    const Picture start = waitForStillPicture(whole, 5s, 0, 0);
    ASSERT_FALSE(start.empty());

    // A fling leaves the cross-cap spinning.
    exhibit->moveToOverlay(350, 300);
    exhibit->pressButton();
    exhibit->glideToOverlay(450, 300, 10, 10ms);
    exhibit->releaseButton();
    const Picture flung = exhibit->capture();
    ASSERT_TRUE(
        waitFor([&] { return countDifferences(flung, exhibit->capture(), whole, 0) > 0; }, 5s))
        << "the model does not spin";

    exhibit->tapKey(XK_Right);
    const Picture second = waitForStillPicture(whole, 5s, 0, 0);
    ASSERT_GT(countDifferences(start, second, whole, pixelTolerance), changedPixels);
    // The second scene's slider, at (200, 30), dragged most of its length.
    exhibit->moveToOverlay(150, 32);
    exhibit->pressButton();
    exhibit->glideToOverlay(230, 32, 8, 10ms);
    exhibit->releaseButton();
    exhibit->moveTo(restX, restY);
    EXPECT_GT(countDifferences(second, waitForStillPicture(whole, 5s, 0, 0), whole, 0), 0);

    EXPECT_TRUE(waitForPicture(start, 10s)) << "not back at the start picture";
    exhibit->tapKey(XK_Right);
    EXPECT_TRUE(waitForPicture(second, 5s)) << "the second scene kept its slider";
}

class AttractTest : public IdleResetTest {
  protected:
    std::vector<std::string> programArguments() const override {
        return {"--idle-reset", "3", "--attract"};
    }
};

TEST_F(AttractTest, TheModelTurnsAfterTheResetAndStopsWhereItIsAtTheNextInput) {
    exhibit->moveTo(restX, restY);
    const Picture start = waitForStillPicture(whole, 5s, 0, 0);
    ASSERT_TRUE(waitFor(
        [&] { return countDifferences(start, exhibit->capture(), whole, 0) > changedPixels; }, 15s))
        << "the model does not turn";
    exhibit->moveTo(restX + 20, restY);
    const Picture stopped = waitForStillPicture(whole, 2s, 0, 0);
    ASSERT_FALSE(stopped.empty()) << "still turning after the input";
    EXPECT_GT(countDifferences(start, stopped, whole, 0), changedPixels);
}

} // namespace
} // namespace e2e
