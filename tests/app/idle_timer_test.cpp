#include "app/idle_timer.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Readings past 2^31 and 2^32 ms (24.8 and 49.7 days) count like any other.
constexpr Millis month = 30LL * 24 * 3600 * 1000;

TEST(IdleTimer, FallsDueOnceAfterTheTimeoutMonthsIntoTheRun) {
    for (Millis start : {Millis(0), Millis(INT_MAX) - 1000, Millis(UINT_MAX) - 5, 3 * month}) {
        IdleTimer timer(2000, start);
        const Millis late = start + 1999;
        EXPECT_FALSE(timer.due(late)) << start;
        EXPECT_EQ(timer.millisUntilDue(late), 1) << start;
        timer.input(late);
        const Millis deadline = late + 2000;
        EXPECT_FALSE(timer.due(deadline - 1)) << start;
        EXPECT_TRUE(timer.due(deadline)) << start;
        timer.resetDone();
        EXPECT_FALSE(timer.due(deadline + 5000)) << "due again without input";
        EXPECT_EQ(timer.millisUntilDue(deadline + 5000), -1);
    }
}

TEST(IdleTimer, AHeldButtonStopsTheCountUntilItsRelease) {
    const Millis wrap = Millis(INT_MAX) + 1; // where a 32-bit count would wrap
    IdleTimer timer(1000, wrap - 500);
    timer.buttonDown(0, wrap - 400);
    timer.buttonDown(2, wrap - 300);
    timer.buttonUp(0, wrap);
    EXPECT_FALSE(timer.due(wrap + 5000)) << "reset while a button is down";
    // Held for 5.4 s of the longest hold's ten minutes.
    EXPECT_EQ(timer.millisUntilDue(wrap + 5000), IdleTimer::defaultMaxHoldMillis - 5400);
    timer.buttonUp(2, wrap + 6000);
    EXPECT_FALSE(timer.due(wrap + 6999));
    EXPECT_TRUE(timer.due(wrap + 7000));
    // A release never seen pressed is input and holds nothing.
    timer.buttonUp(7, wrap + 7000);
    EXPECT_TRUE(timer.due(wrap + 8000));
}

TEST(IdleTimer, APressHeldLongerThanTheLongestHoldNoLongerHoldsOffTheReset) {
    const Millis wrap = Millis(INT_MAX) + 1;
    IdleTimer timer(1000, wrap - 501, 3000);
    timer.buttonDown(0, wrap - 501);
    timer.buttonDown(1, wrap - 1);
    EXPECT_EQ(timer.millisUntilDue(wrap + 1000), 1499) << "the second press restarts nothing";
    EXPECT_FALSE(timer.due(wrap + 2498));
    EXPECT_TRUE(timer.due(wrap + 2499)) << "held 3 s, idle since the second press";
    timer.input(wrap + 2600);
    EXPECT_EQ(timer.millisUntilDue(wrap + 2600), 1000) << "motion of a held press counts";
}

} // namespace
