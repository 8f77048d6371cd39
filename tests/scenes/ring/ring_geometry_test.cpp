#include "scenes/ring/ring_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace ring;

double gap(const Vec3& a, const Vec3& b) {
    return length(a - b);
}

std::vector<RingFrame> bandFrames(double phi, int pairs = bandPairs) {
    std::vector<RingFrame> frames;
    for (int i = 0; i < pairs; ++i)
        frames.push_back(ringFrame(bandParameter(i), phi));
    return frames;
}

std::vector<StripPair> sheet(int mode, double phi) {
    std::vector<StripPair> strip;
    sheetStrip(mode, bandFrames(phi), strip);
    return strip;
}

TEST(RingFrame, OrthonormalWithTheTwoPassesCrossingAtRightAngles) {
    for (double phi : {0.0, 0.7, -2.0})
        for (double t = 0; t < 2; t += 1.0 / 64) {
            const RingFrame F = ringFrame(t, phi);
            EXPECT_NEAR(length(F.centre), 2.5, 1e-12);
            EXPECT_NEAR(F.centre.z, 0, 1e-12);
            for (const Vec3& v : {F.tangent, F.across, F.normal})
                EXPECT_NEAR(length(v), 1, 1e-12);
            EXPECT_NEAR(dot(F.tangent, F.across), 0, 1e-12);
            EXPECT_NEAR(dot(F.tangent, F.normal), 0, 1e-12);
            EXPECT_NEAR(dot(F.across, F.normal), 0, 1e-12);
            // Three half-turns over one run of t: the band closes with its
            // sides exchanged.
            const RingFrame G = ringFrame(t + 1, phi);
            EXPECT_LT(gap(G.centre, F.centre), 1e-12);
            EXPECT_LT(gap(G.across, -1.0 * F.across), 1e-12);
            // Half a run later the centre is back, the band turned square.
            const RingFrame H = ringFrame(t + 0.5, phi);
            EXPECT_LT(gap(H.centre, F.centre), 1e-12);
            EXPECT_NEAR(dot(H.across, F.across), 0, 1e-12);
        }
}

TEST(RingSampling, CutsKeepTheirShareOfPairsAndSegments) {
    EXPECT_EQ(bandPairCount(0), 650);
    EXPECT_EQ(bandPairCount(0.5), 325);
    EXPECT_EQ(bandPairCount(0.999), 0);
    EXPECT_EQ(bandPairCount(0.998), 1);
    EXPECT_EQ(bandPairCount(1), 0);
    EXPECT_EQ(bandParameter(0), 0.0);
    EXPECT_EQ(bandParameter(649), 1.0);
    EXPECT_EQ(edgeSegmentCount(0), 200);
    EXPECT_EQ(edgeSegmentCount(0.5), 100);
    EXPECT_EQ(edgeSegmentCount(1), 0);
    // Values a slider never gives still leave a count within bounds.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double cut : {nan, -1.0, -1e300, 1e300, 2.0}) {
        EXPECT_GE(bandPairCount(cut), 0);
        EXPECT_LE(bandPairCount(cut), 650);
        EXPECT_GE(edgeSegmentCount(cut), 0);
        EXPECT_LE(edgeSegmentCount(cut), 200);
    }
    EXPECT_EQ(bandPairCount(nan), 650);
}

TEST(RingSampling, ThirteenWindowsOfThirtyThreePairs) {
    int windows = 0, inWindow = 0;
    double widest = 0;
    for (int i = 0; i < bandPairs; ++i) {
        const WindowProfile w = windowProfile(i);
        const bool open = w.halfWidth > 0;
        windows += open && (i == 0 || windowProfile(i - 1).halfWidth == 0);
        inWindow += i % 50 <= 32;
        widest = std::max(widest, w.halfWidth);
        EXPECT_NEAR(w.u * w.u + w.wall * w.wall, 1, 1e-12);
        if (i % 50 > 32) {
            EXPECT_EQ(w.u, 0.0);
            EXPECT_EQ(w.halfWidth, 0.0);
        } else {
            EXPECT_NEAR(w.halfWidth, 0.6 * w.wall, 1e-15);
        }
    }
    EXPECT_EQ(windows, 13);
    EXPECT_EQ(inWindow, 13 * 33);
    EXPECT_EQ(widest, 0.6);
    EXPECT_EQ(windowProfile(0).u, 1.0);
    EXPECT_EQ(windowProfile(32).u, -1.0);
    EXPECT_EQ(windowProfile(16).halfWidth, 0.6);
}

TEST(RingSheets, FacesAndRimsBoundAThinSlabAroundTheMidSurface) {
    const std::vector<RingFrame> frames = bandFrames(0.4);
    for (int mode = 0; mode < 8; ++mode) {
        SCOPED_TRACE(mode);
        const std::vector<StripPair> strip = sheet(mode, 0.4);
        ASSERT_EQ(strip.size(), frames.size());
        const double side = mode & sheetSide ? 1 : -1;
        for (std::size_t i = 0; i < strip.size(); ++i) {
            const RingFrame& F = frames[i];
            const StripPair& p = strip[i];
            for (const Vec3& v : {p.first, p.second}) {
                const Vec3 d = v - F.centre;
                EXPECT_NEAR(dot(d, F.tangent), 0, 1e-12);
                EXPECT_NEAR(std::fabs(dot(d, F.normal)), sheetOffset, 1e-12);
                EXPECT_GE(side * dot(d, F.across), -1e-12);
                EXPECT_LE(side * dot(d, F.across), bandHalfWidth + 1e-12);
            }
            if (!(mode & sheetRims)) {
                EXPECT_NEAR(dot(p.second - F.centre, side * F.across), bandHalfWidth, 1e-12);
            }
            EXPECT_GT(length(p.firstNormal), 0.99);
        }
    }
}

// The band closes without a seam: its last pair is its first, seen from the
// other side. And a phase turn of pi exchanges the sides, 2 pi restores all.
TEST(RingSheets, BandClosesAndPhaseTurnsExchangeItsSides) {
    for (int mode = 0; mode < 8; ++mode) {
        SCOPED_TRACE(mode);
        const std::vector<StripPair> here = sheet(mode, 0.3);
        const std::vector<StripPair> other = sheet(mode ^ sheetSide, 0.3);
        const std::vector<StripPair> half = sheet(mode, 0.3 + pi);
        const std::vector<StripPair> whole = sheet(mode, 0.3 + 2 * pi);
        EXPECT_LT(gap(here.back().first, other.front().first), 1e-12);
        EXPECT_LT(gap(here.back().second, other.front().second), 1e-12);
        for (std::size_t i = 0; i < here.size(); ++i) {
            ASSERT_LT(gap(half[i].first, other[i].first), 1e-12) << i;
            ASSERT_LT(gap(half[i].second, other[i].second), 1e-12) << i;
            ASSERT_LT(gap(whole[i].first, here[i].first), 1e-12) << i;
            ASSERT_LT(gap(whole[i].firstNormal, here[i].firstNormal), 1e-12) << i;
        }
    }
}

TEST(RingSheets, CutBandIsRedAtBothEnds) {
    int red = 0;
    for (int i = 0; i < 325; ++i)
        red += pairMarkedCut(i, 325);
    EXPECT_EQ(red, 7);
    EXPECT_TRUE(pairMarkedCut(2, 325) && pairMarkedCut(321, 325));
    EXPECT_FALSE(pairMarkedCut(3, 325) || pairMarkedCut(320, 325));
    // A stump of a band is red all over.
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(pairMarkedCut(i, 5));

    const RingFrame F = ringFrame(0.37, 1.1);
    for (const auto& quad : cutFaces(F, 0.25)) {
        for (const Vec3& corner : quad) {
            EXPECT_NEAR(dot(corner - F.centre, F.tangent), 0, 1e-12);
            EXPECT_NEAR(std::fabs(dot(corner - F.centre, F.normal)), sheetOffset, 1e-12);
        }
        EXPECT_NEAR(gap(quad[0], quad[1]), bandHalfWidth - 0.25, 1e-12);
        EXPECT_NEAR(gap(quad[1], quad[2]), 2 * sheetOffset, 1e-12);
    }
}

TEST(RingEdgeTube, FollowsTheSingleEdgeAndClosesAfterTwoRuns) {
    const double phi = 0.9;
    std::vector<StripPair> strip;
    for (int i = 0; i < edgeSegments; ++i) {
        const RingFrame start = ringFrame(i * edgeStep, phi);
        const RingFrame end = ringFrame((i + 1) * edgeStep, phi);
        edgeSegmentStrip(start, end, strip);
        ASSERT_EQ(int(strip.size()), edgeRingVertices);
        EXPECT_LT(gap(strip.front().first, strip.back().first), 1e-12);
        const Vec3 startEdge = start.centre + bandHalfWidth * start.across;
        const Vec3 endEdge = end.centre + bandHalfWidth * end.across;
        for (const StripPair& p : strip) {
            EXPECT_NEAR(gap(p.first, startEdge), edgeTubeRadius, 1e-12);
            EXPECT_NEAR(gap(p.second, endEdge), edgeTubeRadius, 1e-12);
            EXPECT_NEAR(dot(p.firstNormal, start.tangent), 0, 1e-12);
        }
    }
    // The last segment ends where the first begins.
    const RingFrame first = ringFrame(0, phi);
    const RingFrame last = ringFrame(edgeSegments * edgeStep, phi);
    EXPECT_LT(
        gap(first.centre + bandHalfWidth * first.across, last.centre + bandHalfWidth * last.across),
        1e-12);
    // Half the tube, cut at 0.5, runs along the band's +across edge exactly
    // from its first pair to its last.
    const int kept = edgeSegmentCount(0.5);
    const std::vector<StripPair> faces = sheet(sheetSide | sheetUpper, phi);
    const RingFrame end = ringFrame(kept * edgeStep, phi);
    EXPECT_NEAR(gap(end.centre + bandHalfWidth * end.across,
                    faces.back().second - sheetOffset * end.normal),
                0, 1e-12);
}

} // namespace
