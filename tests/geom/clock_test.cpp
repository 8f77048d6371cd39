// The clock's unwrapped readings and held moments, the ramps that keep the
// time of everything that moves, and the field of view of narrow windows.

#include "geom/clock.h"
#include "geom/field_of_view.h"
#include "geom/ramp.h"
#include "geom/vec.h"
#include "tests/support/test_clock.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

TEST(Clock, CountsOnAcrossTheWrapAndHoldsStillForAMoment) {
    test_clock::set(INT_MAX - 10);
    const Millis before = clockMillis();
    test_clock::advance(20); // the 32-bit reading wraps
    EXPECT_EQ(clockMillis() - before, 20);
    {
        const ClockMoment moment;
        const Millis held = clockMillis();
        test_clock::advance(5);
        {
            const ClockMoment inner;
            EXPECT_EQ(clockMillis(), held) << "a moment inside a moment keeps the outer one";
        }
        EXPECT_EQ(clockMillis(), held);
    }
    EXPECT_EQ(clockMillis() - before, 25);
    test_clock::restore();
}

TEST(Ramp, RunsFromItsStampToItsBoundAndAnswersWhetherItMoves) {
    Ramp fold(0, 0, 1);
    EXPECT_FALSE(fold.moves(0));
    fold.steer(0.01, 1000);
    EXPECT_DOUBLE_EQ(fold.at(1050), 0.5);
    EXPECT_EQ(fold.at(900), 0) << "a reading before the stamp counts as the stamp";
    EXPECT_TRUE(fold.moves(1099));
    EXPECT_FALSE(fold.moves(1100));
    EXPECT_EQ(fold.at(1000 + 86400000LL * 60), 1) << "two months on";
    fold.steer(-0.01, 1030); // turned back where it stands
    EXPECT_NEAR(fold.at(1040), 0.2, 1e-12);

    Ramp spin;
    spin.steer(0.5, 0);
    const Millis weeks = 30LL * 86400 * 1000;
    EXPECT_DOUBLE_EQ(spin.at(weeks), 0.5 * double(weeks)) << "unbounded, past 2^31 ms";
    EXPECT_TRUE(spin.moves(weeks));
    spin.set(3);
    EXPECT_EQ(spin.at(weeks * 2), 3);
}

TEST(FieldOfView, WidensOnlyForWindowsNarrowerThanFourToThree) {
    for (double aspect : {4.0 / 3.0, 16.0 / 9.0, 3.0})
        EXPECT_EQ(verticalFieldOfView(aspect), 45);
    // Narrower, the view keeps the horizontal extent of 4:3.
    auto across = [](double aspect) {
        return aspect * std::tan(verticalFieldOfView(aspect) * pi / 360);
    };
    for (double aspect : {1.0, 1080.0 / 1920.0, 0.1})
        EXPECT_NEAR(across(aspect), across(4.0 / 3.0), 1e-12);
    for (double odd : {0.0, -1.0, double(NAN), double(INFINITY)})
        EXPECT_EQ(verticalFieldOfView(odd), verticalFieldOfView(1.0));
}

} // namespace
