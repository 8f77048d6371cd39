// The ramps that keep the time of everything that moves.

#include "geom/ramp.h"

#include <gtest/gtest.h>

namespace {

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

} // namespace
