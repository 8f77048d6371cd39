#include "geom/draw.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

void expectColour(double t, const Vec3& expected, double brightness = 1) {
    const Vec3 c = hueRamp(t, brightness);
    EXPECT_NEAR(c.x, expected.x, 1e-12) << "t = " << t;
    EXPECT_NEAR(c.y, expected.y, 1e-12) << "t = " << t;
    EXPECT_NEAR(c.z, expected.z, 1e-12) << "t = " << t;
}

TEST(HueRamp, RunsRedGreenBlueTwicePerUnit) {
    expectColour(0, {1, 0, 0});
    expectColour(0.125, {0.25, 0.75, 0});
    expectColour(0.25, {0, 0.5, 0.5});
    expectColour(0.5, {1, 0, 0});
    expectColour(-0.25, {0, 0.5, 0.5});
    expectColour(0.25, {0, 0.25, 0.25}, 0.5);
    for (double t = -3; t < 3; t += 0.0137) {
        const Vec3 a = hueRamp(t, 1), b = hueRamp(t + 0.5, 1);
        EXPECT_NEAR(a.x, b.x, 1e-9);
        EXPECT_NEAR(a.y, b.y, 1e-9);
        EXPECT_NEAR(a.z, b.z, 1e-9);
        EXPECT_NEAR(a.x + a.y + a.z, 1, 1e-9) << "the ramp blends two primaries";
    }
}

TEST(HueRamp, IsRedAtTheEdgesOfAWholeTurnAndForANonFiniteT) {
    // Just below 0 and just below 1 the fraction rounds to a whole turn.
    for (double t : {-5e-17, -1e-300, std::nextafter(1.0, 0.0), std::nextafter(-2.0, 0.0)})
        expectColour(t, {1, 0, 0});
    for (double t : {std::nan(""), HUGE_VAL, -HUGE_VAL})
        expectColour(t, {1, 0, 0});
}

TEST(ConeAngles, PointTheCylinderAlongTheSegment) {
    const ConeAngles up = coneAngles({0, 0, 0}, {0, 0, 2});
    EXPECT_EQ(up.azimuth, 0);
    EXPECT_EQ(up.polar, 0);
    EXPECT_EQ(up.length, 2);
    const ConeAngles down = coneAngles({0, 0, 0}, {0, 0, -2});
    EXPECT_DOUBLE_EQ(down.polar, 180);
    const ConeAngles side = coneAngles({1, 1, 1}, {1, 4, 1});
    EXPECT_DOUBLE_EQ(side.azimuth, 90);
    EXPECT_DOUBLE_EQ(side.polar, 90);
    EXPECT_LT(coneAngles({1, 2, 3}, {1, 2, 3.000001}).length, 0.00001);
}

TEST(DecimalText, DigitsWithoutLeadingZeros) {
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(7), "7");
    EXPECT_EQ(decimalText(48), "48");
    EXPECT_EQ(decimalText(255), "255");
    EXPECT_EQ(decimalText(-48), "48");
    EXPECT_EQ(decimalText(INT_MIN), "2147483648");
}

TEST(StrokeText, EmptyTextHasNoWidth) {
    EXPECT_EQ(strokeTextWidth(nullptr, ""), 0);
}

} // namespace
