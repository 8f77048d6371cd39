#include "geom/pick_box.h"

#include <gtest/gtest.h>

namespace {

// Squares of half-size 1 facing the viewer at depth z, x shifted, counter-
// clockwise as seen; a pick at window point (x, y) of 800 by 600.
struct Squares {
    Mat4 projection = perspective(45, 800.0 / 600, 1, 20);
    int pick(Vec2 at, bool nearFirst, PickBox::Culled culled = PickBox::Culled::None) const {
        PickBox box(at, 800, 600, projection);
        box.setModelview(translation(0, 0, 0));
        auto square = [&](double shift, double z) {
            box.quad({shift - 1, -1, z}, {shift + 1, -1, z}, {shift - 1, 1, z}, {shift + 1, 1, z},
                     culled);
        };
        box.name(1);
        square(0, nearFirst ? -6 : -8);
        box.name(2);
        square(0, nearFirst ? -8 : -6);
        box.name(PickBox::unnamedName);
        square(1.5, -5);
        return box.nearest();
    }
};

TEST(PickBox, NearestNamedRecordWinsAndUnnamedOrBackgroundFindNothing) {
    const Squares squares;
    EXPECT_EQ(squares.pick({400, 300}, true), 1);
    EXPECT_EQ(squares.pick({400, 300}, false), 2);
    EXPECT_EQ(squares.pick({5, 5}, true), 0) << "empty background";
    EXPECT_EQ(squares.pick({500, 300}, true), 0) << "unnamed geometry in front of a named one";
    EXPECT_EQ(squares.pick({700, 300}, true), 0) << "only unnamed geometry";
    // The squares face the viewer: culling their fronts leaves nothing.
    EXPECT_EQ(squares.pick({400, 300}, true, PickBox::Culled::Back), 1);
    EXPECT_EQ(squares.pick({400, 300}, true, PickBox::Culled::Front), 0);
}

} // namespace
