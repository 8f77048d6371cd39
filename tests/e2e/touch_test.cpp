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

// A portrait tablet's X screen, 768 by 1024 pixels at 100 dpi, where the
// overlay is raised until the 20-unit menu square is 9 mm across.
class TouchTabletTest : public ExhibitTest {
  protected:
    std::vector<std::string> programArguments() const override {
        return {"--touch", "--fullscreen", "--scenes", "all"};
    }
    std::string screen() const override { return "768x1024x24"; }
};

TEST_F(TouchTabletTest, AFingerOffTheMenuSquaresCentreOpensTheMenu) {
    const double scale = 768.0 / 195 * 9 / 20;
    auto pixels = [&](double units) { return int(units * scale); };
    auto shows = [&](double x, double y, Rgb colour) {
        return near(exhibit->capture().atOverlay(pixels(x), pixels(y)), colour, 10);
    };
    ASSERT_TRUE(waitFor(
        [&] {
            return shows(20, 27, Rgb{255, 255, 255});
        },
        5s))
        << "no square outline 7 units above the menu's centre";
    exhibit->tapOverlay(pixels(20) + 10, pixels(20) - 10);
    EXPECT_TRUE(waitFor([&] { return shows(17, 70, menuGold); }, 5s));
}

} // namespace
} // namespace e2e
