#include "scenes/moebius/moebius_strip.h"
#include "scenes/moebius/strip_faces.h"
#include "tests/support/test_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

constexpr double tolerance = 1e-9;

void expectNear(const Vec3& a, const Vec3& b, double within = tolerance) {
    EXPECT_NEAR(a.x, b.x, within);
    EXPECT_NEAR(a.y, b.y, within);
    EXPECT_NEAR(a.z, b.z, within);
}

bool finite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

MoebiusStrip stripAt(double bend, double twist = pi) {
    MoebiusStrip strip;
    strip.bend = bend;
    strip.twist = twist;
    return strip;
}

TEST(MoebiusStrip, ClosedBandMeetsItselfTurnedByTheTwist) {
    for (double twist = -3 * pi; twist <= 3 * pi; twist += pi / 8) {
        SCOPED_TRACE(twist);
        const MoebiusStrip strip = stripAt(1, twist);
        const StripFrame start = strip.stripFrame(0);
        const StripFrame end = strip.stripFrame(1);
        expectNear(start.centre, end.centre);
        // The cross-section has turned by the twist about the centre-line.
        EXPECT_NEAR(dot(start.across, end.across), std::cos(twist), tolerance);
        EXPECT_NEAR(dot(start.normal, end.normal), std::cos(twist), tolerance);
    }
    // The Moebius strip: a circle of radius 15 / 2π, closed with a half turn.
    const double rho = 15 / (2 * pi);
    const MoebiusStrip moebius = stripAt(1, pi);
    expectNear(moebius.stripFrame(0).centre, {rho, 0, 0});
    expectNear(moebius.stripFrame(0.5).centre, {-rho, 0, 0});
    expectNear(moebius.stripFrame(0).across, {-1, 0, 0});
    expectNear(moebius.stripFrame(1).across, {1, 0, 0});
    // At 0 and 2π a cylinder, untwisted or with a full turn.
    for (double twist : {0.0, 2 * pi}) {
        const MoebiusStrip cylinder = stripAt(1, twist);
        expectNear(cylinder.stripFrame(0).across, cylinder.stripFrame(1).across);
        expectNear(cylinder.stripFrame(0).normal, cylinder.stripFrame(1).normal);
    }
}

// Bending neither stretches the band nor lets its frame go askew.
TEST(MoebiusStrip, EveryStageIsAnUnstretchedBandWithAnOrthonormalFrame) {
    for (double bend : {0.0, 1e-12, 0.001, 0.25, 0.5, 0.75, 1.0}) {
        SCOPED_TRACE(bend);
        const MoebiusStrip strip = stripAt(bend, 2.5);
        const double centreLength = (1 - bend) * 1.0 + bend * 15.0;
        constexpr int steps = 2000;
        double arc = 0;
        for (int i = 0; i < steps; ++i) {
            const double x = double(i) / steps;
            const StripFrame f = strip.stripFrame(x);
            const Vec3 next = strip.stripFrame(x + 1.0 / steps).centre;
            arc += length(next - f.centre);
            EXPECT_NEAR(length(f.across), 1, tolerance);
            EXPECT_NEAR(length(f.normal), 1, tolerance);
            EXPECT_NEAR(dot(f.across, f.normal), 0, tolerance);
            // Across and normal both stand square to the centre-line.
            const Vec3 before = strip.stripFrame(x - 1.0 / steps).centre;
            const Vec3 tangent = normalised(next - before);
            EXPECT_NEAR(dot(tangent, f.across), 0, 1e-5);
            EXPECT_NEAR(dot(tangent, f.normal), 0, 1e-5);
        }
        EXPECT_NEAR(arc, centreLength, 1e-4 * centreLength);
    }
    // Straight, it is the flat unit square in the plane x = 0.
    const MoebiusStrip flat = stripAt(0);
    expectNear(flat.stripFrame(0).centre, {0, -0.5, 0});
    expectNear(flat.stripFrame(1).centre, {0, 0.5, 0});
    expectNear(flat.stripFrame(0.3).across, {0, 0, 1});
}

TEST(MoebiusStrip, BendsTooSmallToSeeStayFiniteAndFlat) {
    const MoebiusStrip straight = stripAt(0);
    for (double bend : {1e-300, 1e-310, std::numeric_limits<double>::denorm_min()}) {
        SCOPED_TRACE(bend);
        const MoebiusStrip strip = stripAt(bend);
        for (double x : {0.0, 0.25, 0.5, 1.0}) {
            const StripFrame f = strip.stripFrame(x);
            const StripFrame s = straight.stripFrame(x);
            ASSERT_TRUE(finite(f.centre) && finite(f.across) && finite(f.normal));
            expectNear(f.centre, s.centre);
            expectNear(f.across, s.across);
            expectNear(f.normal, s.normal);
        }
    }
}

TEST(MoebiusStrip, TwistSnapsToWholeHalfTurnsWithinATenth) {
    MoebiusStrip strip;
    for (int k = -3; k <= 3; ++k) {
        SCOPED_TRACE(k);
        for (double near : {-0.099, -0.001, 0.0, 0.001, 0.099}) {
            strip.setTwistFromAngle((k + near) * pi);
            EXPECT_EQ(strip.twist, k * pi) << near;
        }
        for (double off : {-0.101, 0.101, 0.5}) {
            strip.setTwistFromAngle((k + off) * pi);
            EXPECT_DOUBLE_EQ(strip.twist, (k + off) * pi) << off;
        }
    }
    strip.setTwistFromAngle(3.3);
    EXPECT_EQ(strip.twist, pi);
    strip.setTwistFromAngle(3.5);
    EXPECT_EQ(strip.twist, 3.5);
    strip.setTwistFromAngle(4.0);
    EXPECT_EQ(strip.twist, 4.0);
    strip.setTwistFromAngle(-0.2);
    EXPECT_EQ(strip.twist, 0.0);
    // The dial's own angle at π gives the Moebius strip exactly.
    strip.setTwistFromAngle(pi);
    const MoebiusStrip closed = stripAt(1, strip.twist);
    expectNear(closed.stripFrame(1).across, closed.stripFrame(0).across * -1, 1e-15);
    // Nothing to snap to: the twist stays.
    strip.setTwistFromAngle(std::numeric_limits<double>::quiet_NaN());
    strip.setTwistFromAngle(std::numeric_limits<double>::infinity());
    EXPECT_EQ(strip.twist, pi);
}

// The lift follows its formula: open at x = 0.25 first, the whole band at
// lift 1 (at 2/3 the quarter about x = 0.75 is still closed).
TEST(MoebiusStrip, LiftOpensFromTheQuarterToTheWholeBand) {
    MoebiusStrip strip;
    for (double x = 0; x <= 1; x += 1.0 / 64) {
        strip.lift = 0;
        EXPECT_EQ(strip.liftShare(x), 0);
        strip.lift = 1.0 / 3;
        EXPECT_NEAR(strip.liftShare(x), std::max(std::sin(2 * pi * x), 0.0), 1e-12);
        strip.lift = 1;
        EXPECT_EQ(strip.liftShare(x), 1);
    }
    strip.lift = 2.0 / 3;
    EXPECT_EQ(strip.liftShare(0.25), 1);
    EXPECT_NEAR(strip.liftShare(0.75), 0, 1e-12);
    strip.lift = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(strip.liftShare(0.25), 0);
}

TEST(MoebiusStrip, FacesStayFiniteOverEveryControlsRange) {
    MoebiusStrip strip;
    const StripFace faces[] = {strip_faces::cutInThreeOuterBroad[0], strip_faces::bandEdges[1]};
    for (double value = 0; value <= 1; value += 0.125)
        for (double angle = -20; angle <= 20; angle += 0.7) {
            strip.bend = value;
            strip.lift = value;
            strip.setTwistFromAngle(angle);
            strip.updateFrames();
            for (const StripFrame& frame : strip.faceFrames())
                for (const StripFace& face : faces) {
                    const FaceSample s = strip.faceSample(face, frame, 0.3);
                    ASSERT_TRUE(finite(s.normal) && finite(s.first) && finite(s.second))
                        << value << " " << angle;
                }
        }
    // The kept frames follow the bend and the twist.
    strip.bend = 1;
    strip.twist = pi;
    strip.updateFrames();
    expectNear(strip.faceFrames()[256].across, strip.stripFrame(1).across);
    strip.twist = 0;
    strip.updateFrames();
    expectNear(strip.faceFrames()[256].across, strip.stripFrame(1).across);
}

// Across intervals [low, high] of the broad faces on one side of the band
// (side +1 or -1 in half-thicknesses), moved as the pieces are at share k.
template <std::size_t n>
std::vector<std::pair<double, double>> broadIntervals(const std::array<StripFace, n>& faces,
                                                      double side, double k, double w) {
    std::vector<std::pair<double, double>> intervals;
    for (const StripFace& f : faces) {
        if (f.b != side || f.d != side)
            continue;
        const double shift = k * 0.25 * f.opening;
        intervals.push_back({std::min(f.a, f.c) * w + shift, std::max(f.a, f.c) * w + shift});
    }
    std::sort(intervals.begin(), intervals.end());
    return intervals;
}

// The intervals in order, each starting where the one before ends, from low to high.
void expectTiling(const std::vector<std::pair<double, double>>& intervals, double low,
                  double high) {
    ASSERT_FALSE(intervals.empty());
    EXPECT_DOUBLE_EQ(intervals.front().first, low);
    EXPECT_DOUBLE_EQ(intervals.back().second, high);
    for (std::size_t i = 1; i < intervals.size(); ++i)
        EXPECT_DOUBLE_EQ(intervals[i].first, intervals[i - 1].second);
}

// Apart, with a gap of at least gap between neighbours.
void expectApart(const std::vector<std::pair<double, double>>& intervals, double gap) {
    for (std::size_t i = 1; i < intervals.size(); ++i)
        EXPECT_GE(intervals[i].first - intervals[i - 1].second, gap - 1e-12);
}

TEST(StripFaces, CutPartsCoverTheBandExactlyAndMoveApart) {
    using namespace strip_faces;
    const double w = 0.5;
    for (double side : {1.0, -1.0}) {
        SCOPED_TRACE(side);
        expectTiling(broadIntervals(bandBroad, side, 0, w), -w, w);
        expectTiling(broadIntervals(cutInTwoBroad, side, 0, w), -w, w);
        std::vector<std::pair<double, double>> three =
            broadIntervals(cutInThreeOuterBroad, side, 0, w);
        const auto middle = broadIntervals(cutInThreeMiddleBroad, side, 0, w);
        three.insert(three.end(), middle.begin(), middle.end());
        std::sort(three.begin(), three.end());
        expectTiling(three, -w, w);
        EXPECT_NEAR(middle[0].second - middle[0].first, 2 * w / 3, 1e-15);

        // Fully lifted, the halves are 0.5 apart and the outer thirds 0.5
        // from the middle one.
        expectApart(broadIntervals(cutInTwoBroad, side, 1, w), 0.5);
        three = broadIntervals(cutInThreeOuterBroad, side, 1, w);
        const auto still = broadIntervals(cutInThreeMiddleBroad, side, 1, w);
        three.insert(three.end(), still.begin(), still.end());
        std::sort(three.begin(), three.end());
        expectApart(three, 0.5);
    }
    // Every edge face stands across the whole thickness at one across
    // position, and the faces of each cut come in pairs there, facing away
    // from each other, moving with their parts.
    auto checkEdges = [](const auto& edges, const auto& broad) {
        for (const StripFace& f : edges) {
            EXPECT_EQ(f.a, f.c);
            EXPECT_EQ(std::fabs(f.b - f.d), 2);
            EXPECT_EQ(f.f, 0);
            // The broad face of the same part that ends at this edge moves with it.
            bool sameMove = false;
            for (const StripFace& b : broad)
                sameMove |= (b.a == f.a || b.c == f.a) && b.opening == f.opening;
            EXPECT_TRUE(sameMove) << f.a;
        }
    };
    checkEdges(cutInTwoEdges, cutInTwoBroad);
    checkEdges(cutInThreeOuterEdges, cutInThreeOuterBroad);
    checkEdges(cutInThreeMiddleEdges, cutInThreeMiddleBroad);
    EXPECT_EQ(cutInTwoEdges[2].a, cutInTwoEdges[3].a);
    EXPECT_EQ(cutInTwoEdges[2].e, -cutInTwoEdges[3].e);
    EXPECT_EQ(cutInThreeOuterEdges[2].a, cutInThreeMiddleEdges[0].a);
    EXPECT_EQ(cutInThreeOuterEdges[2].e, -cutInThreeMiddleEdges[0].e);
    EXPECT_EQ(cutInThreeOuterEdges[3].a, cutInThreeMiddleEdges[1].a);
    EXPECT_EQ(cutInThreeOuterEdges[3].e, -cutInThreeMiddleEdges[1].e);
}

TEST(StripFaces, SlidingBandsFollowTheirWorkedFigures) {
    using namespace strip_faces;
    const double W = 1.0;
    // Band A spans 0 to W across before its shift of -p.
    auto spanOfA = [&](double v) {
        const SlidingOffset o = slidingOffset(v, W);
        return std::pair{-o.p, W - o.p};
    };
    EXPECT_NEAR(spanOfA(0).first, -1.1, 1e-12);
    EXPECT_NEAR(spanOfA(0).second, -0.1, 1e-12);
    EXPECT_NEAR(spanOfA(0.125).first, -0.5, 1e-12);
    EXPECT_NEAR(slidingOffset(0.125, W).q, 0.14, 1e-12);
    EXPECT_NEAR(spanOfA(0.25).first, 0.1, 1e-12);
    EXPECT_NEAR(spanOfA(0.25).second, 1.1, 1e-12);

    // A quarter turn back draws as 0.875; a whole turn is one cycle.
    const double back = slidingValue(-pi / 2);
    EXPECT_DOUBLE_EQ(back, -0.125);
    EXPECT_NEAR(slidingOffset(back, W).p, slidingOffset(0.875, W).p, 1e-12);
    EXPECT_NEAR(slidingOffset(back, W).q, slidingOffset(0.875, W).q, 1e-12);
    EXPECT_NEAR(slidingValue(2 * pi), 0.5, 1e-15);
    EXPECT_NEAR(slidingValue(pi), 0.25, 1e-15);
    for (double angle : {1e300, -1e300, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        const double v = slidingValue(angle);
        EXPECT_TRUE(v > -1 && v < 1) << angle;
    }

    // On each face, each band is covered from edge to edge by its broad face
    // and its two borders.
    const SlidingFaces faces = slidingFaces(W, 0.025);
    for (double band : {1.0, -1.0})
        for (double side : {0.025, -0.025}) {
            std::vector<std::pair<double, double>> parts;
            auto collect = [&](const auto& list) {
                for (const SlidingFace& f : list)
                    if (f.band == band && f.b == side && f.d == side)
                        parts.push_back({std::min(f.a, f.c), std::max(f.a, f.c)});
            };
            collect(faces.broad);
            collect(faces.borders);
            std::sort(parts.begin(), parts.end());
            ASSERT_EQ(parts.size(), 3u);
            expectTiling(parts, band > 0 ? 0 : -W, band > 0 ? W : 0);
        }
}

TEST(MoebiusStrip, WheelsRollATenthOfTheBandPerSecondAndStopAtTheCap) {
    test_clock::set(5000);
    MoebiusStrip strip;
    strip.addWheel(elapsedMillis());
    ASSERT_EQ(strip.wheelPositions(elapsedMillis()).size(), 1u);
    EXPECT_DOUBLE_EQ(strip.wheelPositions(elapsedMillis())[0], 1);
    test_clock::advance(2500);
    strip.addWheel(elapsedMillis());
    std::vector<double> x = strip.wheelPositions(elapsedMillis());
    EXPECT_NEAR(x[0], 1.25, 1e-12);
    EXPECT_NEAR(x[1], 1, 1e-12);

    strip.removeFirstWheel();
    EXPECT_NEAR(strip.wheelPositions(elapsedMillis())[0], 1, 1e-12) << "the oldest goes first";
    strip.clearWheels();
    EXPECT_TRUE(strip.wheels.empty());
    EXPECT_EQ(strip.wheels.capacity(), 0u);
    strip.removeFirstWheel();
    strip.clearWheels();
    EXPECT_TRUE(strip.wheels.empty());
    test_clock::advance(700);
    strip.addWheel(elapsedMillis());
    EXPECT_DOUBLE_EQ(strip.wheelPositions(elapsedMillis())[0], 1) << "a new wheel after clearing";

    for (int i = 0; i < 3 * MoebiusStrip::maxWheels; ++i)
        strip.addWheel(elapsedMillis());
    EXPECT_EQ(strip.wheels.size(), std::size_t(MoebiusStrip::maxWheels));
    test_clock::restore();
}

// The wheel's roll after a week of running: the angle handed to GL as a
// float must still move by the fraction of a degree a millisecond brings.
TEST(MoebiusStrip, WheelsRollSmoothlyAWeekOn) {
    test_clock::set(1000);
    MoebiusStrip strip;
    strip.addWheel(elapsedMillis());
    test_clock::advance(7 * 24 * 3600 * 1000);
    const double x0 = strip.wheelPositions(elapsedMillis())[0];
    test_clock::advance(1);
    const double x1 = strip.wheelPositions(elapsedMillis())[0];
    test_clock::restore();
    EXPECT_NEAR(x0, 1 + 60480, 1e-6);

    const double perMillisecond = 0.0001 * 15 / 0.3 * 180 / pi; // degrees
    const float a0 = float(MoebiusStrip::wheelRollDegrees(x0 * 15));
    const float a1 = float(MoebiusStrip::wheelRollDegrees(x1 * 15));
    EXPECT_LT(std::fabs(a0), 360);
    double step = double(a0) - double(a1);
    step -= 360 * std::round(step / 360);
    EXPECT_NEAR(step, perMillisecond, 1e-3);
    // The same turn as the unreduced angle.
    const double whole = x0 * 15 * 3.3333333333333335 * -57.29577951308232;
    EXPECT_NEAR(std::cos(whole * pi / 180), std::cos(a0 * pi / 180), 1e-5);
    EXPECT_NEAR(std::sin(whole * pi / 180), std::sin(a0 * pi / 180), 1e-5);
}

TEST(MoebiusStrip, WheelsRunOnAcrossTheClocksWrap) {
    test_clock::set(INT_MAX - 500);
    MoebiusStrip strip;
    strip.addWheel(elapsedMillis());
    test_clock::advance(1000);
    EXPECT_NEAR(strip.wheelPositions(elapsedMillis())[0], 1.1, 1e-9);
    test_clock::restore();

    // After a trip and a half the wheel is on the other face: the frame has
    // turned by π about the centre-line.
    const MoebiusStrip band = stripAt(1, pi);
    const StripFrame once = band.stripFrame(0.5);
    const StripFrame later = band.stripFrame(1.5);
    expectNear(later.centre, once.centre);
    expectNear(later.across, once.across * -1);
    expectNear(later.normal, once.normal * -1);
}

} // namespace
