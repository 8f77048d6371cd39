#include "geom/solid.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

SurfaceSheet sampled(int rows, int columns, SeamJoin rowJoin, SeamJoin columnJoin,
                     const std::function<Vec3(double, double)>& at, int uPeriodRows,
                     int vPeriodColumns) {
    SurfaceSheet sheet;
    sheet.rows = rows;
    sheet.columns = columns;
    sheet.rowJoin = rowJoin;
    sheet.columnJoin = columnJoin;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j)
            sheet.points.push_back(at(double(i) / uPeriodRows, double(j) / vPeriodColumns));
    return sheet;
}

// The shapes a scene's sheets take: open, a band with its sides swapped at
// the join, a closed bottle, a closed orientable surface, a disc about a
// pole, an open tube to be capped.
std::vector<SurfaceSheet> everyKindOfSheet() {
    const auto square = [](double u, double v) { return Vec3{u, 0.2 * u * v, v}; };
    const auto band = [](double u, double v) {
        const double a = 2 * pi * u, w = v - 0.5;
        return Vec3{(1 + w * std::cos(a / 2)) * std::cos(a),
                    (1 + w * std::cos(a / 2)) * std::sin(a), w * std::sin(a / 2)};
    };
    const auto bottle = [](double u, double v) {
        const double a = 2 * pi * u, b = 2 * pi * v;
        const double r = 2 + std::cos(a / 2) * std::sin(b) - std::sin(a / 2) * std::sin(2 * b);
        return Vec3{r * std::cos(a), r * std::sin(a),
                    std::sin(a / 2) * std::sin(b) + std::cos(a / 2) * std::sin(2 * b)};
    };
    const auto torus = [](double u, double v) {
        const double a = 2 * pi * u, b = 2 * pi * v;
        return Vec3{(2 + std::cos(b)) * std::cos(a), (2 + std::cos(b)) * std::sin(a), std::sin(b)};
    };
    const auto disc = [](double u, double v) {
        return Vec3{u * std::cos(2 * pi * v), 0.3 * u * u, u * std::sin(2 * pi * v)};
    };
    const auto tube = [](double u, double v) {
        return Vec3{0.1 * std::cos(2 * pi * v), 2 * u, 0.1 * std::sin(2 * pi * v)};
    };
    std::vector<SurfaceSheet> sheets = {
        sampled(6, 5, SeamJoin::open, SeamJoin::open, square, 5, 4),
        sampled(40, 6, SeamJoin::mirrored, SeamJoin::open, band, 40, 5),
        sampled(60, 24, SeamJoin::mirrored, SeamJoin::straight, bottle, 60, 24),
        sampled(30, 12, SeamJoin::straight, SeamJoin::straight, torus, 30, 12),
        sampled(8, 16, SeamJoin::open, SeamJoin::straight, disc, 7, 16),
        sampled(5, 10, SeamJoin::open, SeamJoin::straight, tube, 4, 10),
    };
    sheets.back().kind = SheetKind::boundary;
    return sheets;
}

} // namespace

TEST(SolidBuilder, EveryKindOfSheetBecomesAClosedOrientedShellOnTheFloor) {
    for (const SurfaceSheet& sheet : everyKindOfSheet()) {
        SceneModel model;
        model.sheets = {sheet};
        const PrintModel print = makePrintable(model, {80.0, 2.0});
        ASSERT_EQ(print.parts.size(), 1u);
        const Solid& part = print.parts[0];
        const ShellReport report = checkShell(part);
        EXPECT_TRUE(report.printable())
            << part.name << " rows " << sheet.rows << ": open " << report.openEdges << " overused "
            << report.overusedEdges << " misoriented " << report.misorientedEdges << " degenerate "
            << report.degenerateTriangles << " volume " << report.volume;
        double low = 1e9, high = -1e9;
        for (const Vec3& p : part.points) {
            low = std::min(low, p.z);
            high = std::max(high, p.z);
        }
        EXPECT_DOUBLE_EQ(low, 0.0);
        EXPECT_GT(high, 1.0);
        EXPECT_EQ(part.cornerColours.size(), part.triangles.size());
    }
}

TEST(SolidBuilder, AThickenedSquareHasItsAreaTimesTheThickness) {
    SceneModel model;
    model.sheets = {sampled(
        11, 11, SeamJoin::open, SeamJoin::open,
        [](double u, double v) {
            return Vec3{u, 0.0, v};
        },
        10, 10)};
    const PrintModel print = makePrintable(model, {50.0, 3.0});
    EXPECT_NEAR(checkShell(print.parts[0]).volume, 50.0 * 50.0 * 3.0, 1e-6);
}

TEST(ShellCheck, FindsHolesTurnedTrianglesAndSlivers) {
    Solid tetrahedron;
    tetrahedron.points = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    tetrahedron.triangles = {{0, 2, 1}, {0, 1, 3}, {1, 2, 3}, {0, 3, 2}};
    EXPECT_TRUE(checkShell(tetrahedron).printable());
    EXPECT_NEAR(checkShell(tetrahedron).volume, 1.0 / 6.0, 1e-12);

    Solid holed = tetrahedron;
    holed.triangles.pop_back();
    EXPECT_EQ(checkShell(holed).openEdges, 3);

    Solid turned = tetrahedron;
    std::swap(turned.triangles[0][1], turned.triangles[0][2]);
    EXPECT_EQ(checkShell(turned).misorientedEdges, 3);

    Solid sliver = tetrahedron;
    sliver.points[3] = {0.5, 0.5, 0};
    EXPECT_GT(checkShell(sliver).degenerateTriangles, 0);
}
