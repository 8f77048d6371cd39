#include "app/idle_timer.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(IdleTimer, FallsDueOnceAfterTheTimeoutAcrossTheClocksWrap) {
    for (int start : {0, INT_MAX - 1000, INT_MIN, -5}) {
        IdleTimer timer(2000, start);
        const int late = int(unsigned(start) + 1999u);
        EXPECT_FALSE(timer.due(late)) << start;
        EXPECT_EQ(timer.millisUntilDue(late), 1) << start;
        timer.input(late);
        const int deadline = int(unsigned(late) + 2000u);
        EXPECT_FALSE(timer.due(deadline - 1)) << start;
        EXPECT_TRUE(timer.due(deadline)) << start;
        timer.resetDone();
        EXPECT_FALSE(timer.due(deadline + 5000)) << "due again without input";
        EXPECT_EQ(timer.millisUntilDue(deadline + 5000), -1);
    }
}

TEST(IdleTimer, AHeldButtonStopsTheCountUntilItsRelease) {
    IdleTimer timer(1000, INT_MAX - 500);
    timer.buttonDown(0, INT_MAX - 400);
    timer.buttonDown(2, INT_MAX - 300);
    timer.buttonUp(0, INT_MAX);
    EXPECT_FALSE(timer.due(INT_MIN + 5000)) << "reset while a button is down";
    // Held for 5.401 s of the longest hold's ten minutes.
    EXPECT_EQ(timer.millisUntilDue(INT_MIN + 5000), IdleTimer::defaultMaxHoldMillis - 5401);
    timer.buttonUp(2, INT_MIN + 6000);
    EXPECT_FALSE(timer.due(INT_MIN + 6999));
    EXPECT_TRUE(timer.due(INT_MIN + 7000));
    // A release never seen pressed is input and holds nothing.
    timer.buttonUp(7, INT_MIN + 7000);
    EXPECT_TRUE(timer.due(INT_MIN + 8000));
}

TEST(IdleTimer, APressHeldLongerThanTheLongestHoldNoLongerHoldsOffTheReset) {
    IdleTimer timer(1000, INT_MAX - 500, 3000);
    timer.buttonDown(0, INT_MAX - 500);
    timer.buttonDown(1, INT_MAX);
    EXPECT_EQ(timer.millisUntilDue(INT_MIN + 1000), 1499) << "the second press restarts nothing";
    EXPECT_FALSE(timer.due(INT_MIN + 2498));
    EXPECT_TRUE(timer.due(INT_MIN + 2499)) << "held 3 s, idle since the second press";
    timer.input(INT_MIN + 2600);
    EXPECT_EQ(timer.millisUntilDue(INT_MIN + 2600), 1000) << "motion of a held press counts";
}

} // namespace
