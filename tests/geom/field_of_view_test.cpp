// The field of view of narrow windows.

#include "geom/field_of_view.h"
#include "geom/vec.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

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
