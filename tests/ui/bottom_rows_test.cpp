#include "ui/bottom_rows.h"

#include <gtest/gtest.h>

namespace {

struct Span {
    double left, right, bottom, top;
};

Span placedSpan(const BandControl& c, Vec2 shift) {
    return {c.at.x + shift.x - c.reach.left, c.at.x + shift.x + c.reach.right,
            c.at.y + shift.y - c.reach.down, c.at.y + shift.y + c.reach.up};
}

// The menu and arrows, two sliders stacked one over the other, a dial, and
// two icon rows: wider than a portrait tablet's band.
const std::vector<BandControl> band = {
    {{20, 20}, {}},
    {{40, 20}, {}},
    {{60, 20}, {}},
    {{150, 60}, {60, 59, 10, 30}},
    {{150, 20}, {60, 59, 10, 30}},
    {{250, 20}, {20, 20, 20, 20}},
    {{330, 20}, {33, 33, 20, 20}},
    {{420, 30}, {44, 44, 20, 20}},
};

TEST(BottomRows, WideEnoughNothingMovesNarrowTheyWrapWithoutOverlapOrLeaving) {
    for (const Vec2& shift : wrapIntoRows(band, 500)) {
        EXPECT_EQ(shift.x, 0);
        EXPECT_EQ(shift.y, 0);
    }
    for (double limit : {334.0, 230.0, 140.0}) {
        const std::vector<Vec2> shifts = wrapIntoRows(band, limit);
        for (size_t i = 0; i < band.size(); ++i) {
            const Span a = placedSpan(band[i], shifts[i]);
            EXPECT_GE(a.left, 0) << limit << " control " << i;
            EXPECT_LE(a.right, limit) << limit << " control " << i;
            for (size_t j = 0; j < i; ++j) {
                const Span b = placedSpan(band[j], shifts[j]);
                const bool apart = a.right <= b.left || b.right <= a.left || a.top <= b.bottom ||
                                   b.top <= a.bottom;
                EXPECT_TRUE(apart) << limit << ": controls " << j << " and " << i;
            }
        }
        EXPECT_EQ(shifts[3].y, shifts[4].y) << "the stacked sliders parted";
        EXPECT_EQ(shifts[0].y, 0) << "the menu left the bottom edge";
    }
}

} // namespace
