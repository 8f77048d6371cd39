// The exhibit on a touch screen: a finger's tap drifts a few pixels while it
// rests, and with --touch that stays a tap; without it, as with a mouse, the
// drift is a quick drag that sets the model spinning.

#include "tests/e2e/exhibit_fixture.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;

// The model in the middle of the 800 by 600 window, clear of every control.
const Box model{200, 150, 400, 350};

void driftingTap(ExhibitProcess& exhibit) {
    exhibit.moveToOverlay(400, 300);
    exhibit.pressButton();
    exhibit.glideToOverlay(404, 300, 4, 5ms);
    exhibit.releaseButton();
}

class TouchTest : public ExhibitTest {
  protected:
    std::vector<std::string> programArguments() const override { return {"--touch"}; }
};

TEST_F(TouchTest, ATapThatDriftsLeavesTheModelStillAndADragStillTurnsIt) {
    const Picture before = waitForStillPicture(model);
    ASSERT_FALSE(before.empty());
    ASSERT_TRUE(answered([&] { driftingTap(*exhibit); }));
    EXPECT_LE(countDifferences(before, exhibit->capture(), model, pixelTolerance), stillPixels)
        << "the tap turned the model";
    EXPECT_TRUE(flingUntilMoving(
        [&] {
            exhibit->moveToOverlay(300, 300);
            exhibit->pressButton();
            exhibit->glideToOverlay(400, 300, 10, 5ms);
            exhibit->releaseButton();
        },
        model))
        << "a flick past the slop does not spin the model";
}

TEST_F(ExhibitTest, WithoutTouchATapThatDriftsSpinsTheModel) {
    ASSERT_FALSE(waitForStillPicture(model).empty());
    EXPECT_TRUE(flingUntilMoving([&] { driftingTap(*exhibit); }, model));
}

} // namespace
} // namespace e2e
