#include "tests/support/test_clock.h"
#include "ui/rotator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

Vec3 column(const Rotator& r, int c) {
    return {r.matrix[4 * c], r.matrix[4 * c + 1], r.matrix[4 * c + 2]};
}

// The largest entry of M^T M - I over the rotation part.
double orthonormalityError(const Rotator& r) {
    double worst = 0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            worst = std::max(worst, std::fabs(dot(column(r, i), column(r, j)) - (i == j ? 1 : 0)));
    return worst;
}

class RotatorTest : public testing::Test {
  protected:
    void SetUp() override { test_clock::set(1000); }
    void TearDown() override { test_clock::restore(); }
};

TEST_F(RotatorTest, InitialAnglesTurnAboutYThenX) {
    const Rotator r(0, 20);
    const double a = 20 * pi / 180;
    EXPECT_NEAR(r.matrix[0], 1, 1e-6);
    EXPECT_NEAR(r.matrix[1], 0, 1e-6);
    EXPECT_NEAR(r.matrix[2], 0, 1e-6);
    EXPECT_NEAR(r.matrix[4], 0, 1e-6);
    EXPECT_NEAR(r.matrix[5], std::cos(a), 1e-6);
    EXPECT_NEAR(r.matrix[6], std::sin(a), 1e-6);
    // Yaw first, then pitch: the pitch is applied on the left.
    const Rotator both(90, 90);
    // x goes to -z under the yaw, and -z to y under the pitch.
    EXPECT_NEAR(both.matrix[0], 0, 1e-6);
    EXPECT_NEAR(both.matrix[1], 1, 1e-6);
    EXPECT_NEAR(both.matrix[2], 0, 1e-6);
}

TEST_F(RotatorTest, RotateAboutAnyAxisIsRightHanded) {
    Rotator r;
    r.rotateAboutAxis({0, 0, 2}, 90); // unnormalised axis
    EXPECT_NEAR(r.matrix[0], 0, 1e-6);
    EXPECT_NEAR(r.matrix[1], 1, 1e-6);
    Rotator skew;
    skew.rotateAboutAxis({1, 1, 1}, 120); // cycles the axes
    EXPECT_NEAR(skew.matrix[1], 1, 1e-6);
    EXPECT_NEAR(skew.matrix[6], 1, 1e-6);
    EXPECT_NEAR(skew.matrix[8], 1, 1e-6);
    EXPECT_EQ(skew.matrix[15], 1.0f);
}

TEST_F(RotatorTest, DragTurnsOneDegreePerPixel) {
    Rotator r;
    r.press({100, 100}, elapsedMillis());
    test_clock::advance(10);
    r.drag({190, 100}, elapsedMillis());
    // 90 degrees about the vertical axis: x goes to -z.
    EXPECT_NEAR(r.matrix[0], 0, 1e-6);
    EXPECT_NEAR(r.matrix[2], -1, 1e-6);
    // Upwards (positive overlay y) tips the model's top away from the viewer.
    Rotator up;
    up.press({0, 0}, elapsedMillis());
    up.drag({0, 90}, elapsedMillis());
    EXPECT_NEAR(up.matrix[5], 0, 1e-6);
    EXPECT_NEAR(up.matrix[6], -1, 1e-6);
}

TEST_F(RotatorTest, SpinComesFromTheLast200Milliseconds) {
    Rotator quick;
    quick.press({0, 0}, elapsedMillis());
    for (int i = 1; i <= 10; ++i) {
        test_clock::advance(10);
        quick.drag({4.0 * i, 0}, elapsedMillis());
    }
    quick.release({40, 0}, elapsedMillis());
    EXPECT_DOUBLE_EQ(quick.spinRate().x, 0.4); // 40 px in 100 ms
    EXPECT_DOUBLE_EQ(quick.spinRate().y, 0);

    Rotator rested;
    rested.press({0, 0}, elapsedMillis());
    test_clock::advance(10);
    rested.drag({50, 20}, elapsedMillis());
    test_clock::advance(200);
    rested.release({50, 20}, elapsedMillis());
    EXPECT_EQ(rested.spinRate().x, 0);
    EXPECT_EQ(rested.spinRate().y, 0);

    Rotator clicked;
    clicked.press({5, 5}, elapsedMillis());
    clicked.release({5, 5}, elapsedMillis());
    EXPECT_EQ(clicked.spinRate().x, 0);

    Rotator released; // a release with no press in its life
    released.release({5, 5}, elapsedMillis());
    EXPECT_EQ(released.spinRate().x, 0);
}

TEST_F(RotatorTest, SpinLastsUntilTheNextPress) {
    Rotator r;
    r.spin({0.4, 0}, 1000);
    test_clock::advance(225); // 90 degrees about the vertical axis: x goes to -z
    const auto turned = r.orientationAt(1225);
    EXPECT_NEAR(turned[0], 0, 1e-6);
    EXPECT_NEAR(turned[2], -1, 1e-6);
    EXPECT_TRUE(r.isAnimating(1225));
    r.press({0, 0}, elapsedMillis());
    EXPECT_EQ(r.spinRate().x, 0);
    EXPECT_FALSE(r.isAnimating(1225));
    EXPECT_TRUE(std::equal(turned.begin(), turned.end(), r.orientationAt(5000).begin()))
        << "the press stops it where it stands";
}

TEST_F(RotatorTest, ADayOfSpinStaysARotation) {
    // 400 degrees per second at 60 frames per second for 24 hours.
    Rotator r(0, 110);
    const double perFrame = 400.0 / 60.0;
    for (long frame = 0; frame < 24L * 3600 * 60; ++frame)
        r.turn(perFrame, perFrame * 0.37);
    EXPECT_LT(orthonormalityError(r), 1e-5);
    EXPECT_EQ(r.matrix[3], 0.0f);
    EXPECT_EQ(r.matrix[12], 0.0f);
    EXPECT_EQ(r.matrix[15], 1.0f);
    EXPECT_GT(dot(cross(column(r, 0), column(r, 1)), column(r, 2)), 0.99999);
}

TEST_F(RotatorTest, ClockWrapDoesNotUpsetTheSpinRate) {
    test_clock::set(INT_MAX - 30);
    Rotator r;
    r.press({0, 0}, elapsedMillis());
    for (int i = 1; i <= 6; ++i) {
        test_clock::advance(10);
        r.drag({5.0 * i, 2.0 * i}, elapsedMillis());
    }
    r.release({30, 12}, elapsedMillis());
    EXPECT_DOUBLE_EQ(r.spinRate().x, 0.5);
    EXPECT_DOUBLE_EQ(r.spinRate().y, 0.2);
}

} // namespace
