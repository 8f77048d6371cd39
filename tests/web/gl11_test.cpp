// The GL 1.1 subset's arithmetic: primitives cut into triangles that keep
// their winding, wide lines, clipping for selection and hit records.

#include "web/gl11/primitive_assembler.h"
#include "web/gl11/selection.h"
#include "web/gl11/wide_lines.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

using namespace gl11;

namespace {

std::vector<Vertex> points(std::initializer_list<std::pair<double, double>> xy) {
    std::vector<Vertex> v;
    for (auto [x, y] : xy) {
        Vertex p;
        p.position = {x, y, 0, 1};
        v.push_back(p);
    }
    return v;
}

double signedArea(const Vertex& a, const Vertex& b, const Vertex& c) {
    return (b.position.x - a.position.x) * (c.position.y - a.position.y) -
           (c.position.x - a.position.x) * (b.position.y - a.position.y);
}

double totalArea(const Primitives& p) {
    double sum = 0;
    for (std::size_t k = 0; k + 2 < p.vertices.size(); k += 3)
        sum += signedArea(p.vertices[k], p.vertices[k + 1], p.vertices[k + 2]) / 2;
    return sum;
}

} // namespace

TEST(Assembler, EveryPolygonModeCoversItsShapeWithTrianglesWoundAlike) {
    // A unit square, counter-clockwise, in the order each mode wants it.
    const auto square = points({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    const auto strip = points({{0, 0}, {1, 0}, {0, 1}, {1, 1}});
    const auto twoSquares = points({{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1}});
    struct Case {
        unsigned mode;
        std::vector<Vertex> vertices;
        std::size_t triangles;
        double area;
    };
    const Case cases[] = {
        {GL_QUADS, square, 2, 1},           {GL_POLYGON, square, 2, 1},
        {GL_TRIANGLE_FAN, square, 2, 1},    {GL_TRIANGLE_STRIP, strip, 2, 1},
        {GL_QUAD_STRIP, twoSquares, 4, -2}, // this strip runs clockwise
        {GL_TRIANGLES, square, 1, 0.5},
    };
    for (const Case& c : cases) {
        const Primitives p = assemble(c.mode, c.vertices);
        ASSERT_EQ(p.kind, PrimitiveKind::Triangles);
        ASSERT_EQ(p.vertices.size(), 3 * c.triangles) << c.mode;
        EXPECT_NEAR(totalArea(p), c.area, 1e-12) << c.mode;
        for (std::size_t k = 0; k < p.vertices.size(); k += 3)
            EXPECT_GT(signedArea(p.vertices[k], p.vertices[k + 1], p.vertices[k + 2]) * c.area, 0)
                << c.mode;
    }
    // A quad is cut along the diagonal from its first vertex to its third.
    const Primitives quad = assemble(GL_QUADS, square);
    EXPECT_EQ(quad.vertices[2].position.x, 1);
    EXPECT_EQ(quad.vertices[2].position.y, 1);
    EXPECT_EQ(quad.vertices[3].position.x, 0);
    EXPECT_EQ(quad.vertices[3].position.y, 0);
}

TEST(Assembler, LineModesGiveSegmentsAndIncompletePrimitivesAreDropped) {
    const auto four = points({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    EXPECT_EQ(assemble(GL_LINES, four).vertices.size(), 4u);
    EXPECT_EQ(assemble(GL_LINE_STRIP, four).vertices.size(), 6u);
    EXPECT_EQ(assemble(GL_LINE_LOOP, four).vertices.size(), 8u);
    EXPECT_EQ(assemble(GL_LINES, points({{0, 0}, {1, 0}, {2, 0}})).vertices.size(), 2u);
    EXPECT_TRUE(assemble(GL_QUADS, points({{0, 0}, {1, 0}, {1, 1}})).vertices.empty());
    EXPECT_TRUE(assemble(GL_TRIANGLES, points({{0, 0}, {1, 0}})).vertices.empty());
    EXPECT_TRUE(assemble(0x1234, four).vertices.empty());
}

TEST(WideLines, ASegmentSpreadsWidthPixelsAcrossItsMinorAxis) {
    ShadedVertex a, b;
    a.clip = {-0.5f, 0, 0, 1};
    b.clip = {0.5f, 0.1f, 0, 1};
    const auto across = wideLineTriangles({a, b}, 3, 800, 600);
    ASSERT_EQ(across.size(), 6u);
    // Three pixels of a 600-pixel viewport are 0.01 in device units.
    EXPECT_NEAR(across[2].clip[1] - across[1].clip[1], 0.01, 1e-6);
    EXPECT_EQ(across[1].clip[0], b.clip[0]);
    b.clip = {-0.4f, 1.0f, 0, 2}; // steep, and further away
    const auto up = wideLineTriangles({a, b}, 4, 800, 600);
    EXPECT_NEAR(up[2].clip[0] - up[1].clip[0], 0.01 * 2, 1e-6);
    EXPECT_TRUE(wideLineTriangles({a, b}, 4, 0, 600).empty());
}

TEST(Selection, ClippingFindsTheDepthsOfWhatLiesInsideTheVolume) {
    double least, greatest;
    // A triangle crossing the near plane: what is inside starts at depth 0.
    EXPECT_TRUE(
        clippedDepthRange({{0, 0, -2, 1}, {0.5, 0, 0.5, 1}, {0, 0.5, 0, 1}}, least, greatest));
    EXPECT_DOUBLE_EQ(least, 0);
    EXPECT_DOUBLE_EQ(greatest, 0.75);
    EXPECT_FALSE(clippedDepthRange({{2, 0, 0, 1}, {3, 0, 0, 1}, {2, 1, 0, 1}}, least, greatest));
    // A segment through the volume, both ends outside.
    EXPECT_TRUE(clippedDepthRange({{-3, 0, -0.5, 1}, {3, 0, 0.5, 1}}, least, greatest));
    EXPECT_NEAR(least, 0.5 - 1.0 / 12, 1e-12);
    EXPECT_NEAR(greatest, 0.5 + 1.0 / 12, 1e-12);
    EXPECT_TRUE(clippedDepthRange({{0, 0, 0, 1}}, least, greatest));
}

TEST(Selection, HitRecordsHoldTheNameStackAndOverflowIsReported) {
    std::uint32_t buffer[9] = {};
    Selection s;
    s.setBuffer(9, buffer);
    s.begin();
    s.pushName(7);
    s.primitive({{0, 0, 0, 1}});
    s.loadName(9);               // writes the record of 7
    s.primitive({{5, 0, 0, 1}}); // outside: no hit for 9
    s.pushName(3);
    s.primitive({{0, 0, -1, 1}});
    EXPECT_EQ(s.end(), 2);
    const std::uint32_t half = std::uint32_t(0.5 * 4294967295.0);
    const std::uint32_t expected[9] = {1, half, half, 7, 2, 0, 0, 9, 3};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(buffer[k], expected[k]) << k;
    s.begin();
    for (std::uint32_t name = 0; name < 3; ++name) {
        s.loadName(name);
        s.pushName(name);
        s.primitive({{0, 0, 0, 1}});
    }
    EXPECT_EQ(s.end(), -1);
}
