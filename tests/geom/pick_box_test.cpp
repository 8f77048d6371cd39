#include "geom/pick_box.h"

#include <gtest/gtest.h>

// Named squares facing the viewer, one behind the other, and an unnamed one
// in front of both to the right: the nearest named record wins, and unnamed
// geometry, the background or a culled front find nothing.
TEST(PickBox, NearestNamedRecordWins) {
    auto pick = [](Vec2 at, double z1, double z2, PickBox::Culled culled) {
        PickBox box(at, 800, 600, perspective(45, 800.0 / 600, 1, 20));
        auto square = [&](double shift, double z) {
            box.quad({shift - 1, -1, z}, {shift + 1, -1, z}, {shift - 1, 1, z}, {shift + 1, 1, z},
                     culled);
        };
        box.name(1);
        square(0, z1);
        box.name(2);
        square(0, z2);
        box.name(PickBox::unnamedName);
        square(1.5, -5);
        return box.nearest();
    };
    const auto none = PickBox::Culled::None;
    EXPECT_EQ(pick({400, 300}, -6, -8, none), 1);
    EXPECT_EQ(pick({400, 300}, -8, -6, none), 2);
    EXPECT_EQ(pick({5, 5}, -6, -8, none), 0);
    EXPECT_EQ(pick({500, 300}, -6, -8, none), 0);
    EXPECT_EQ(pick({400, 300}, -6, -8, PickBox::Culled::Back), 1);
    EXPECT_EQ(pick({400, 300}, -6, -8, PickBox::Culled::Front), 0);
}
