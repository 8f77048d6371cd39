#include "geom/solid.h"
#include "scenes/projective/cross_cap_surface.h"
#include "scenes/projective/projective_export.h"
#include "scenes/projective/uncrossed_cross_cap_surface.h"

#include <gtest/gtest.h>

namespace {

namespace ucc = uncrossed_cross_cap;

ModelRequest requestOf(std::vector<double> values, int detail = 1) {
    return {std::move(values), {}, detail, "it"};
}

void expectPrintable(const SceneModel& model) {
    const PrintModel print = makePrintable(model, {});
    ASSERT_FALSE(print.parts.empty());
    for (const Solid& part : print.parts)
        EXPECT_TRUE(checkShell(part).printable()) << part.name;
}

// The export's points are the scene's own samples, without the repeats.
TEST(ProjectiveExport, CrossCapIsTheScenesSamples) {
    const SceneModel model = crossCapModel(requestOf({0.5, 1, 3, 1.0}));
    const cross_cap::Surface shape(0.5);
    ASSERT_EQ(model.sheets.size(), 3u);
    const SampleGrid rings = cross_cap::boundaryTube(shape).rings;
    const SampleGrid grid = cross_cap::surfaceGrid(shape);
    const SampleGrid generator = cross_cap::generatorTube(shape, cross_cap::generatorPosition(1.0));
    const struct {
        const SurfaceSheet& sheet;
        const SampleGrid& grid;
        int rows, columns;
    } parts[] = {{model.sheets[0], rings, 99, 11},
                 {model.sheets[1], grid, 51, 30},
                 {model.sheets[2], generator, 51, 9}};
    for (const auto& p : parts) {
        ASSERT_EQ(p.sheet.rows, p.rows);
        ASSERT_EQ(p.sheet.columns, p.columns);
        for (int i = 0; i < p.rows; ++i)
            for (int j = 0; j < p.columns; ++j)
                ASSERT_EQ(length(p.sheet.at(i, j) - p.grid.at(i, j).position), 0.0)
                    << i << " " << j;
    }
    EXPECT_EQ(model.sheets[1].rowJoin, SeamJoin::mirrored);
    // The row after the last is the first reversed.
    EXPECT_LT(length(grid.at(51, 0).position - model.sheets[1].at(0, 29)), 1e-12);

    // In stripes: the runs of two strips, each its own sheet.
    const SceneModel stripes = crossCapModel(requestOf({0.5, 2, 0, 0}));
    ASSERT_EQ(stripes.sheets.size(), 13u);
    for (const SurfaceSheet& s : stripes.sheets)
        EXPECT_TRUE(s.rows == 3 && s.rowJoin == SeamJoin::open);
}

TEST(ProjectiveExport, UncrossedBandRunsAcrossTheCore) {
    const double r = ucc::reach(0.5);
    const SceneModel model = uncrossedCrossCapModel(requestOf({0.5, 1}));
    ASSERT_EQ(model.sheets.size(), 2u);
    const SampleGrid tube = ucc::edgeTube(r);
    const SampleGrid half = ucc::bandGrid(r);
    const SurfaceSheet& edge = model.sheets[0];
    const SurfaceSheet& band = model.sheets[1];
    ASSERT_EQ(edge.rows, 92);
    EXPECT_EQ(length(edge.at(91, 8) - tube.at(91, 8).position), 0.0);
    const int n = half.columns;
    ASSERT_EQ(band.rows, 46);
    ASSERT_EQ(band.columns, 2 * n - 1);
    for (int i = 0; i < 46; ++i) {
        EXPECT_EQ(length(band.at(i, 0) - half.at(i + 46, n - 1).position), 0.0);
        EXPECT_EQ(length(band.at(i, 2 * n - 2) - half.at(i, n - 1).position), 0.0);
        EXPECT_LT(length(band.at(i, n - 1) - half.at(i + 46, 0).position), 1e-12);
    }
}

TEST(ProjectiveExport, EveryPartPrints) {
    for (double t : {0.0, 0.5, 1.0})
        for (int surface : {1, 2})
            expectPrintable(
                crossCapModel(requestOf({t, double(surface), surface == 1 ? 1.0 : 3.0, 2.0})));
    for (double reach : {0.0, 0.6, 1.0})
        expectPrintable(uncrossedCrossCapModel(requestOf({reach, 1})));
    expectPrintable(crossCapModel(requestOf({1.0, 1, 3, 0.5}, 2)));
}

} // namespace
