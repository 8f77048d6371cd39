// The real program draws only while something moves: left alone it stops
// drawing and sleeps, the next pointer motion draws again, and the wheels,
// which roll by themselves, keep it drawing until the last one is taken away.

#include "tests/e2e/exhibit_fixture.h"
#include "tests/e2e/frame_watch.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;

// Frames that follow each other come far closer together than this.
constexpr auto quiet = 1s;
constexpr auto timeout = 15s;

TEST_F(ExhibitTest, LeftAloneItStopsDrawingAndTheNextMotionDrawsAgain) {
    FrameWatch frames(*exhibit);
    ASSERT_TRUE(frames.watching()) << "the X server reports no damage";
    // Off the window: the pointer starts in its middle.
    exhibit->moveTo(exhibit->windowWidth() + 100, exhibit->windowHeight() + 100);
    ASSERT_TRUE(frames.waitForQuiet(quiet, timeout)) << "the exhibit never stopped drawing";

    const long atRest = frames.changes();
    exhibit->moveTo(exhibit->windowWidth() / 2, exhibit->windowHeight() / 2);
    EXPECT_TRUE(waitFor([&] { return frames.changes() > atRest; }, timeout))
        << "a pointer motion drew nothing";
    EXPECT_TRUE(frames.waitForQuiet(quiet, timeout)) << "drawing went on after the motion";
}

class WheelsTest : public ExhibitTest {
  protected:
    std::vector<std::string> programArguments() const override { return {"--scenes", "Moebius2"}; }
};

TEST_F(WheelsTest, TheWheelsKeepItDrawingUntilTheLastIsTakenAway) {
    FrameWatch frames(*exhibit);
    ASSERT_TRUE(frames.watching()) << "the X server reports no damage";
    exhibit->moveTo(exhibit->windowWidth() + 100, exhibit->windowHeight() + 100);
    const long start = frames.changes();
    EXPECT_TRUE(waitFor([&] { return frames.changes() >= start + 30; }, timeout))
        << "the rolling wheels stopped the frames";

    exhibit->clickOverlay(140, 20); // takes every wheel away
    exhibit->moveTo(exhibit->windowWidth() + 100, exhibit->windowHeight() + 100);
    EXPECT_TRUE(frames.waitForQuiet(quiet, timeout)) << "drawing went on without wheels";
}

} // namespace
} // namespace e2e
