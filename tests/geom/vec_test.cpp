#include "geom/vec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

void expectNear(const Vec3& a, const Vec3& b, double tolerance = 1e-12) {
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

TEST(Vec3, ArithmeticIdentities) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> any(-10, 10);
    for (int i = 0; i < 200; ++i) {
        const Vec3 a{any(random), any(random), any(random)};
        const Vec3 b{any(random), any(random), any(random)};
        const double s = any(random);
        expectNear(a * s, s * a, 0);
        expectNear((a + b) - b, a, 1e-12);
        const Vec3 c = cross(a, b);
        EXPECT_NEAR(dot(c, a), 0, 1e-9);
        EXPECT_NEAR(dot(c, b), 0, 1e-9);
        EXPECT_NEAR(length(normalised(a)), 1, 1e-12);
    }
    expectNear(cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1}, 0);
    expectNear(normalised({3, 0, 4}), {0.6, 0, 0.8});
}

TEST(Vec3, DataIsThreeContiguousDoubles) {
    const Vec3 v{1, 2, 3};
    EXPECT_EQ(v.data()[1], 2);
    EXPECT_EQ(v.data()[2], 3);
    static_assert(sizeof(Vec3) == 3 * sizeof(double), "glVertex3dv reads three doubles");
}

TEST(RotateInPlane, TurnsWithinThePlaneAndKeepsTheAxis) {
    const Vec3 u{1, 0, 0}, w{0, 1, 0};
    const double c = std::cos(pi / 2), s = std::sin(pi / 2);
    expectNear(rotateInPlane(u, u, w, c, s), {0, 1, 0});
    expectNear(rotateInPlane({0, 0, 5}, u, w, c, s), {0, 0, 5});
    // Any vector keeps its length, and its component along u x w.
    const double a = 0.7;
    const Vec3 v{0.3, -1.2, 2.5};
    const Vec3 r = rotateInPlane(v, u, w, std::cos(a), std::sin(a));
    EXPECT_NEAR(length(r), length(v), 1e-12);
    EXPECT_NEAR(r.z, v.z, 1e-12);
    EXPECT_NEAR(std::atan2(r.y, r.x) - std::atan2(v.y, v.x), a, 1e-12);
}

TEST(Mat4, DefaultsToIdentity) {
    const Mat4 m;
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(m.m[i], i % 5 == 0 ? 1.0 : 0.0) << i;
}

} // namespace
