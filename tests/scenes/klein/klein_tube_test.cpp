// The Klein bottle tube as geometry: it closes where it should for every
// morph, stays finite over the whole range of every control, and the cut
// bottle's halves are the whole bottle at 0 and two Moebius bands at 1.

#include "scenes/klein/highlight_cull.h"
#include "scenes/klein/klein_tube.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int rows = 100;
constexpr int columns = 50;

bool finite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

double gap(const Vec3& a, const Vec3& b) {
    return length(a - b);
}

// The tube as the first scene's slider at v leaves it.
KleinTube& rectangleAt(KleinTube& tube, double v) {
    tube.stage = v < 0.5 ? RollRectangle : BendTube;
    tube.morph = v < 0.5 ? 2 * v : 2 * v - 1;
    tube.buildSpine();
    tube.buildSurface();
    return tube;
}

// Frames of unit horizontal side and along, a unit N, finite mesh; the
// whole tube's normals are unit vectors up to rounding.
void expectWellFormed(const KleinTube& tube, double normalTolerance) {
    for (const SpineFrame& f : tube.frames) {
        ASSERT_TRUE(finite(f.point) && finite(f.side) && finite(f.normalFlat) &&
                    std::isfinite(f.normalRise));
        ASSERT_NEAR(length(f.side), 1, 1e-12);
        ASSERT_EQ(f.side.z, 0);
        ASSERT_NEAR(length(f.along), 1, 1e-12);
        ASSERT_NEAR(dot(f.side, f.along), 0, 1e-12);
        const double n = std::hypot(length(f.normalFlat), f.normalRise);
        ASSERT_NEAR(n, 1, 0.01);
    }
    for (int k = 0; k < rows * columns; ++k) {
        ASSERT_TRUE(finite(tube.vertices[k]) && finite(tube.normals[k])) << k;
        ASSERT_NEAR(length(tube.normals[k]), 1, normalTolerance) << k;
    }
}

// Row 99 is row 0 turned over: its column i is row 0's column 49 - i. The
// side directions at the two ends come from tangents taken 0.1 inside the
// curve at either end, which are not quite opposite: the seam closes to
// within a few ten-thousandths.
double seamGap(const KleinTube& tube) {
    double worst = 0;
    for (int i = 0; i < columns; ++i)
        worst = std::max(worst, gap(tube.vertex(rows - 1, i), tube.vertex(0, columns - 1 - i)));
    return worst;
}

// Columns 0 and 49, the two long sides of the rolled rectangle.
double sideSeamGap(const KleinTube& tube) {
    double worst = 0;
    for (int j = 0; j < rows; ++j)
        worst = std::max(worst, gap(tube.vertex(j, 0), tube.vertex(j, columns - 1)));
    return worst;
}

double meshGap(const KleinTube& a, const KleinTube& b) {
    double worst = 0;
    for (int k = 0; k < rows * columns; ++k)
        worst = std::max(worst, gap(a.vertices[k], b.vertices[k]));
    return worst;
}

TEST(KleinTube, CurvePassesThroughItsEndControlPointsAndClampsItsParameter) {
    KleinTube tube(WholeBottle);
    const Vec3 start{-2.2, 0, 0.99};
    EXPECT_LT(gap(tube.controlPoints[1], {-2.2, 0, 1.76}), 1e-12);
    EXPECT_LT(gap(tube.controlPoints[4], {2.75, 2.2, 0.22}), 1e-12);
    EXPECT_LT(gap(tube.evaluate(0), start), 1e-12);
    EXPECT_LT(gap(tube.evaluate(1), start), 1e-12);
    EXPECT_LT(gap(tube.evaluate(-3), start), 1e-12);
    EXPECT_LT(gap(tube.evaluate(7), tube.evaluate(1)), 1e-12);
    // The knot vector's interior: a curve point at a knot equals the limit
    // from either side.
    for (double u : {1.0 / 6, 0.5, 5.0 / 6})
        EXPECT_LT(gap(tube.evaluate(u), tube.evaluate(u - 1e-12)), 1e-9);

    KleinTube rectangle(RollRectangle);
    const double xs[9] = {-1.62, -1.2, 0, 1.5, 2.7, 4.2, 5.4, 6.6, 7.02};
    for (int k = 0; k < 9; ++k)
        EXPECT_LT(gap(rectangle.controlPoints[k], {xs[k], 0, 0.96}), 1e-12) << k;
}

TEST(KleinTube, StaysFiniteOverTheWholeRangeOfTheFirstSlider) {
    KleinTube tube(RollRectangle);
    for (int k = 0; k <= 600; ++k) {
        SCOPED_TRACE(k);
        expectWellFormed(rectangleAt(tube, k / 600.0), 1e-6);
    }
    // Beyond the range, or not a number: clamped, never poisoned.
    for (double v : {-5.0, 7.0, double(NAN), double(INFINITY), -double(INFINITY)}) {
        SCOPED_TRACE(v);
        for (KleinStage stage : {RollRectangle, BendTube}) {
            tube.stage = stage;
            tube.morph = v;
            tube.buildSpine();
            tube.buildSurface();
            expectWellFormed(tube, 1e-6);
        }
    }
}

TEST(KleinTube, TubeClosesAroundEveryRowOnceRolledAndEndsMeetOnceBent) {
    KleinTube tube(RollRectangle);
    // Rolled: the rectangle's long sides meet, for every bend that follows.
    for (double v = 0.5; v <= 1.0; v += 1.0 / 60)
        EXPECT_LT(sideSeamGap(rectangleAt(tube, v)), 1e-12) << v;
    EXPECT_LT(sideSeamGap(rectangleAt(tube, 0.4999999)), 1e-5);
    // Still a sheet below that: the sides stand apart.
    EXPECT_GT(sideSeamGap(rectangleAt(tube, 0.25)), 1);
    EXPECT_GT(seamGap(rectangleAt(tube, 0.75)), 0.5);
    // Closed: the two circles at the ends are the same circle, turned over.
    EXPECT_LT(seamGap(rectangleAt(tube, 1.0)), 0.002);
    for (KleinStage stage : {WholeBottle, MirroredBottle, CutBottle}) {
        KleinTube bottle(stage);
        for (double morph : {0.0, 0.07, 0.5, 1.0, -3.0, 123.4}) {
            bottle.morph = morph;
            bottle.buildSpine();
            bottle.buildSurface();
            EXPECT_LT(seamGap(bottle), 0.002) << stage << " " << morph;
            EXPECT_LT(sideSeamGap(bottle), 1e-12);
            // Where the loop closes its side direction has turned over.
            EXPECT_LT(gap(bottle.frames[rows - 1].side, -1 * bottle.frames[0].side), 0.002);
        }
    }
}

TEST(KleinTube, StagesMeetWhereTheSliderPassesFromOneToTheNext) {
    KleinTube rolled(RollRectangle), bent(BendTube), whole(WholeBottle);
    rectangleAt(rolled, 0.5 - 1e-12);
    rectangleAt(bent, 0.5);
    EXPECT_LT(meshGap(rolled, bent), 1e-9);
    rectangleAt(bent, 1.0);
    EXPECT_LT(meshGap(bent, whole), 1e-12);

    // The flat sheet: nearly flat and as wide as the tube's circumference.
    rectangleAt(rolled, 0);
    double width = 0;
    for (int i = 1; i < columns; ++i)
        width += gap(rolled.vertex(50, i), rolled.vertex(50, i - 1));
    EXPECT_NEAR(width, 2 * pi * 0.96, 1e-3);
    for (int i = 0; i < columns; ++i)
        EXPECT_NEAR(rolled.vertex(50, i).z, 0.96, 0.06);
}

TEST(KleinTube, MirroredBottleIsTheWholeBottleReflectedInX) {
    KleinTube whole(WholeBottle), mirrored(MirroredBottle);
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i) {
            // Reflection reverses the side direction, so column i lands on
            // column 49 - i.
            const Vec3 w = whole.vertex(j, columns - 1 - i);
            ASSERT_LT(gap(mirrored.vertex(j, i), {-w.x, w.y, w.z}), 1e-9) << j << " " << i;
        }
}

TEST(KleinTube, HalvesMotionMovesApartFirstAndFlattensSecond) {
    EXPECT_EQ(halvesMotion(0).apart, 0);
    EXPECT_EQ(halvesMotion(0).flattening, 0);
    EXPECT_EQ(halvesMotion(0.25).apart, 0.5);
    EXPECT_EQ(halvesMotion(0.25).flattening, 0.00001);
    EXPECT_EQ(halvesMotion(0.5).apart, 1);
    EXPECT_EQ(halvesMotion(0.75).apart, 1);
    EXPECT_EQ(halvesMotion(0.75).flattening, 0.5);
    EXPECT_EQ(halvesMotion(1).flattening, 1);
    for (double v : {-1.0, 2.0, double(NAN), double(INFINITY)}) {
        const HalvesMotion m = halvesMotion(v);
        EXPECT_TRUE(m.apart >= 0 && m.apart <= 1 && m.flattening >= 0 && m.flattening <= 1) << v;
    }
}

TEST(KleinTube, HalvesAreTheWholeBottleAtZeroAndTwoMoebiusBandsAtOne) {
    KleinTube whole(CutBottle), half(CutBottle);
    half.halfFlattening = 0;
    half.buildSurface();
    EXPECT_EQ(meshGap(whole, half), 0);

    // Just cut: the upper half of the tube, every point on the tube's circle.
    half.halfFlattening = 0.00001;
    half.buildSurface();
    expectWellFormed(half, 1e-9);
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i) {
            const SpineFrame& f = half.frames[j];
            const Vec3 d = half.vertex(j, i) - f.centre;
            ASSERT_GE(dot(d, f.up), -1e-4);
            ASSERT_NEAR(length(d), f.radius, 1e-4);
        }

    // Flattened: a band of width 1 along the loop, its edges exchanged where
    // the loop closes.
    half.halfFlattening = 1;
    half.buildSurface();
    expectWellFormed(half, 1e-9);
    for (int j = 0; j < rows; ++j)
        EXPECT_NEAR(gap(half.vertex(j, 0), half.vertex(j, columns - 1)), 1, 0.02) << j;
    EXPECT_LT(gap(half.vertex(rows - 1, 0), half.vertex(0, columns - 1)), 0.002);
    EXPECT_LT(gap(half.vertex(rows - 1, columns - 1), half.vertex(0, 0)), 0.002);
    EXPECT_GT(gap(half.vertex(rows - 1, 0), half.vertex(0, 0)), 0.9);

    // The other half is the mirror image in the tube's z.
    std::vector<Vec3> otherVertices, otherNormals;
    mirrorHalf(half.vertices, half.normals, otherVertices, otherNormals);
    ASSERT_EQ(otherVertices.size(), half.vertices.size());
    for (std::size_t k = 0; k < otherVertices.size(); ++k) {
        const Vec3 v = half.vertices[k], n = half.normals[k];
        ASSERT_EQ(gap(otherVertices[k], {v.x, v.y, -v.z}), 0);
        ASSERT_EQ(gap(otherNormals[k], {-n.x, -n.y, n.z}), 0);
    }

    // Every cut between stays finite.
    for (int k = 0; k <= 200; ++k) {
        half.halfFlattening = halvesMotion(k / 200.0).flattening;
        half.buildSurface();
        expectWellFormed(half, 1e-9);
    }
}

TEST(HighlightCull, BoundsTheSpecularTermOfEitherFaceAndKeepsTheHighlight) {
    // The identity view, the light straight above the point at the origin's
    // level, the viewer at the origin: the half vector of a point below the
    // viewer is vertical.
    SpecularLight light;
    const double identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    std::copy(identity, identity + 16, light.modelview);
    light.lightPosition = {0, 0, 0};
    light.strength = 0.8;
    const Vec3 p{0, 0, -10};
    // Facing the viewer, or away from it (the back face is lit too): full strength.
    EXPECT_NEAR(specularBound(light, p, {0, 0, 1}), 0.8, 1e-12);
    EXPECT_NEAR(specularBound(light, p, {0, 0, -1}), 0.8, 1e-12);
    // Edge-on: nothing.
    EXPECT_LT(specularBound(light, p, {1, 0, 0}), 1e-12);
    // 45 degrees off: 0.8 cos^50, well below one step of 8-bit colour.
    EXPECT_NEAR(specularBound(light, p, {1, 0, 1}), 0.8 * std::pow(std::sqrt(0.5), 50), 1e-15);
    // The normal matrix undoes a scale and the translation does not turn it.
    const double scaled[16] = {2, 0, 0, 0, 0, 0.5, 0, 0, 0, 0, 4, 0, 3, -1, 0, 1};
    std::copy(scaled, scaled + 16, light.modelview);
    EXPECT_NEAR(specularBound(light, {-1.5, 2, -2.5}, {0, 0, 1}), 0.8, 1e-12);
    // A singular matrix marks everything: nothing is left out on a guess.
    light.modelview[0] = 0;
    EXPECT_EQ(specularBound(light, p, {1, 0, 0}), 0.8);

    // The mesh of the bottle: some points can shine, most cannot.
    std::copy(identity, identity + 16, light.modelview);
    light.modelview[14] = -10;
    light.lightPosition = {0, 10, 10};
    KleinTube tube(WholeBottle);
    std::vector<unsigned char> marks;
    markHighlighted(light, tube.vertices, tube.normals, 0.05 / 255, marks);
    ASSERT_EQ(marks.size(), tube.vertices.size());
    const long lit = std::count(marks.begin(), marks.end(), 1);
    EXPECT_GT(lit, 50);
    EXPECT_LT(lit, long(marks.size()) / 2);
    // Worked out from the cosine alone, the marks are exactly those of the bound.
    for (std::size_t k = 0; k < marks.size(); ++k)
        ASSERT_EQ(marks[k], specularBound(light, tube.vertices[k], tube.normals[k]) >= 0.05 / 255)
            << k;
}

} // namespace
