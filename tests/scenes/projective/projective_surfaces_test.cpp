#include "geom/hue_ramp.h"
#include "scenes/projective/cross_cap_surface.h"
#include "scenes/projective/uncrossed_cross_cap_surface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace ucc = uncrossed_cross_cap;
using cross_cap::Surface;

const double morphs[] = {0.0, 0.2, 0.5, 0.8, 1.0};

double gap(const Vec3& a, const Vec3& b) {
    return length(a - b);
}
bool finite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// Every sample finite, every normal of unit length within tolerance.
void expectWellFormed(const SampleGrid& grid, double tolerance) {
    ASSERT_GT(grid.rows(), 0);
    for (const SurfaceVertex& v : grid.vertices) {
        ASSERT_TRUE(finite(v.position) && finite(v.normal));
        ASSERT_NEAR(length(v.normal), 1.0, tolerance);
    }
}

TEST(CrossCapSurface, BandEndIsAMoebiusBandWithStraightGenerators) {
    const Surface band(0.0);
    for (double b = 0; b < 2; b += 1.0 / 32) {
        const Vec3 first = band.surfacePoint(0, b);
        const Vec3 across = band.surfacePoint(1, b) - first;
        const Vec3 core = first + 0.5 * across;
        EXPECT_NEAR(std::hypot(core.x, core.y), 2.0, 1e-12);
        EXPECT_NEAR(core.z, 0.0, 1e-12);
        EXPECT_NEAR(0.5 * length(across), 0.25, 1e-12);
        for (double a = 0.1; a < 1.0; a += 0.1)
            EXPECT_LT(length(cross(band.surfacePoint(a, b) - first, normalised(across))), 1e-12);
    }
}

TEST(CrossCapSurface, CapEndHasACircularBoundaryInTheXZPlane) {
    const Surface cap(1.0);
    for (double b = 0; b < 2; b += 1.0 / 32) {
        EXPECT_NEAR(cap.surfacePoint(0, b).y, 0.0, 1e-12);
        EXPECT_NEAR(length(cap.surfacePoint(0, b)), 2.25, 1e-12);
    }
    for (const SurfaceVertex& v : cross_cap::boundaryTube(cap).rings.vertices) {
        const Vec3 p = v.position;
        EXPECT_NEAR(std::hypot(std::hypot(p.x, p.z) - 2.25, p.y), cross_cap::boundaryTubeRadius,
                    1e-9);
    }
}

TEST(CrossCapSurface, GeneratorsJoinBoundaryPointsHalfAPeriodApart) {
    for (double t : morphs) {
        const Surface surface(t);
        for (double b = 0; b < 2; b += 0.05) {
            EXPECT_LT(gap(surface.surfacePoint(1, b), surface.surfacePoint(0, b + 1)), 1e-12) << t;
            EXPECT_LT(gap(surface.boundaryPoint(b), surface.surfacePoint(0, b)), 1e-15) << t;
            // The generator at b + 1 is the one at b run backwards: the dial's
            // generator just before p = 1 is the one at p = 0.
            for (double a = 0; a <= 1.0; a += 0.125)
                EXPECT_LT(gap(surface.surfacePoint(a, b + 1), surface.surfacePoint(1 - a, b)),
                          1e-12);
        }
    }
}

// For every morph, and for generators through the cross-cap's pinch points
// (p = 1/4 and 3/4 at t = 1). The generator tube's ring directions are only
// nearly unit: its tangent is a central difference, the normal a forward
// one, and at t = 0 the arc starts and ends at rest.
TEST(CrossCapSurface, DrawnGridsAreFiniteAndTheBoundaryTubeCloses) {
    for (int step = 0; step <= 20; ++step) {
        const Surface surface(step / 20.0);
        SCOPED_TRACE(surface.t);
        expectWellFormed(cross_cap::surfaceGrid(surface), 1e-12);
        for (double p : {0.0, 0.25, 0.5, 0.75, 0.999})
            expectWellFormed(cross_cap::generatorTube(surface, p), 0.02);
        const cross_cap::BoundaryTube tube = cross_cap::boundaryTube(surface);
        expectWellFormed(tube.rings, 1e-12);
        const int last = tube.rings.rows() - 1;
        for (int k = 0; k < tube.rings.columns; ++k)
            EXPECT_LT(gap(tube.rings.at(last, k).position, tube.rings.at(0, k).position), 1e-9);
        EXPECT_LT(gap(hueRamp(tube.hues[last], 1), hueRamp(tube.hues[0], 1)), 1e-9);
    }
}

TEST(CrossCapSurface, StripeModeDrawsTwoStripsOfEveryFour) {
    int drawn = 0;
    for (int strip = 0; strip < cross_cap::surfaceStripCount; ++strip)
        drawn += cross_cap::surfaceStripDrawn(strip, 2);
    EXPECT_EQ(drawn, 26);
    for (int strip : {0, 1, 4, 5, 48, 49})
        EXPECT_TRUE(cross_cap::surfaceStripDrawn(strip, 2)) << strip;
    for (int strip : {2, 3, 46, 47, 50})
        EXPECT_FALSE(cross_cap::surfaceStripDrawn(strip, 2)) << strip;
}

TEST(CrossCapSurface, DialAngleGivesAPositionInOneTurn) {
    EXPECT_EQ(cross_cap::generatorPosition(2 * pi), 0.0);
    EXPECT_DOUBLE_EQ(cross_cap::generatorPosition(-pi / 2), 0.75);
    EXPECT_NEAR(cross_cap::generatorPosition(-14 * pi + pi / 2), 0.25, 1e-12);
    for (double w : {-1e-20, -1e-17, 1e6, -1e6}) {
        EXPECT_GE(cross_cap::generatorPosition(w), 0.0) << w;
        EXPECT_LT(cross_cap::generatorPosition(w), 1.0) << w;
    }
}

TEST(UncrossedCrossCapSurface, CoreCircleIsRunTwiceAndBoundaryCircleOnce) {
    for (double b = 0; b < 1; b += 1.0 / 64) {
        const Vec3 core = ucc::surfacePoint(0, b);
        EXPECT_NEAR(core.y, 0.0, 1e-12);
        EXPECT_NEAR(std::hypot(core.x, core.z), 2.0, 1e-12);
        EXPECT_LT(gap(core, ucc::surfacePoint(0, b + 0.5)), 1e-12);
        const Vec3 rim = ucc::surfacePoint(1, b);
        EXPECT_NEAR(rim.x, 0.0, 1e-12);
        EXPECT_NEAR(std::hypot(rim.y, rim.z + 2), 1.2, 1e-12);
        EXPECT_NEAR(gap(rim, ucc::surfacePoint(1, b + 0.5)), 2.4, 1e-12);
    }
}

// Slider values from end to end, and some off the 0.025 grid of samples.
const double growths[] = {0, 1e-12, 0.1, 1.0 / 3, 0.5, 0.7, 0.99999, 1};

TEST(UncrossedCrossCapSurface, StripsEndExactlyAtTheReach) {
    EXPECT_EQ(ucc::stripSamples(ucc::reach(0)).size(), 5u);
    EXPECT_EQ(ucc::stripSamples(ucc::reach(1)).size(), 41u);
    for (double growth : growths) {
        const double r = ucc::reach(growth);
        const std::vector<double> samples = ucc::stripSamples(r);
        EXPECT_EQ(samples.back(), r);
        for (std::size_t j = 1; j < samples.size(); ++j)
            EXPECT_LT(samples[j - 1], samples[j]);
        const SampleGrid band = ucc::bandGrid(r);
        for (int i = 0; i < band.rows(); i += 7)
            EXPECT_EQ(gap(band.at(i, band.columns - 1).position, ucc::surfacePoint(r, i / 92.0)),
                      0);
    }
    int drawn = 0;
    for (int strip = 0; strip < ucc::stripCount; ++strip)
        drawn += ucc::stripDrawn(strip, 2);
    EXPECT_EQ(drawn, 46);
}

TEST(UncrossedCrossCapSurface, GridsAreFiniteAndTheTubeFollowsTheEdge) {
    for (double growth : growths) {
        const double r = ucc::reach(growth);
        SCOPED_TRACE(r);
        expectWellFormed(ucc::bandGrid(r), 1e-12);
        // Ring sides are unit only nearly: normal and tangent come from
        // differences of different kinds.
        const SampleGrid tube = ucc::edgeTube(r);
        expectWellFormed(tube, 1e-6);
        for (int i = 0; i < tube.rows(); ++i)
            for (int k = 0; k < tube.columns; ++k)
                ASSERT_NEAR(gap(tube.at(i, k).position, ucc::surfacePoint(r, i / 92.0)), 0.05,
                            1e-7);
        for (int k = 0; k < tube.columns; ++k)
            EXPECT_LT(gap(tube.at(92, k).position, tube.at(0, k).position), 1e-12);
    }
    for (const SurfaceVertex& v : ucc::edgeTube(1).vertices) {
        const Vec3 p = v.position;
        EXPECT_NEAR(std::hypot(std::hypot(p.y, p.z + 2) - 1.2, p.x), ucc::edgeTubeRadius, 1e-6);
    }
}

} // namespace
