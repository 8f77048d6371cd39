// The real program, left alone, stops drawing and sleeps; the next pointer
// motion draws again.

#include "tests/e2e/exhibit_fixture.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;

TEST_F(ExhibitTest, LeftAloneItStopsDrawingAndTheNextMotionDrawsAgain) {
    exhibit->moveTo(exhibit->windowWidth() + 100, exhibit->windowHeight() + 100);
    ASSERT_TRUE(frames->comesToRest()) << "the exhibit never stopped drawing";
    const long atRest = frames->changes();
    exhibit->moveTo(exhibit->windowWidth() / 2, exhibit->windowHeight() / 2);
    EXPECT_TRUE(frames->changesPast(atRest)) << "a motion drew nothing";
    EXPECT_TRUE(frames->comesToRest()) << "drawing went on after the motion";
}

} // namespace
} // namespace e2e
