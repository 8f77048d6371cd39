#include "geom/solid.h"
#include "scenes/polyhedra/platonic_solids.h"
#include "scenes/polyhedra/polyhedra_colours.h"
#include "scenes/polyhedra/polyhedra_export.h"
#include "scenes/polyhedra/polyhedra_morph.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ModelRequest requestOf(std::vector<double> values, int detail = 1) {
    return {std::move(values), {}, detail, "it"};
}

TEST(PolyhedraExport, IsTheScenesMorphWithItsOutlinesOnTheFaces) {
    const DualitySubdivision dual = dualitySubdivision(scaledSolid(makeCube()));
    PolyhedraMorph morph;
    morphAt(dual, cubeFaceColours(), cubeVertexColours(), 0.4, morph);
    const SceneModel model = cubeoctaModel(requestOf({0.4}));
    ASSERT_EQ(model.meshes.size(), 1u);
    ASSERT_EQ(model.sheets.size(), 3 * morph.triangles.size());
    // Each outline as drawn, moved onto its face: its first ring's centre
    // lies in the plane of its triangle.
    const ClosedMesh& mesh = model.meshes[0];
    ASSERT_EQ(mesh.triangles.size(), morph.triangles.size());
    for (std::size_t i = 0; i < model.sheets.size(); ++i) {
        Vec3 centre;
        for (int j = 0; j < tubeSlices; ++j) {
            const Vec3& p = model.sheets[i].points[std::size_t(j)];
            EXPECT_LT(length(p - morph.outlines.position(int(i) * 2 * tubeSlices + j)), 0.01);
            centre = centre + (1.0 / tubeSlices) * p;
        }
        const auto& t = mesh.triangles[i / 3];
        const Vec3& a = mesh.points[std::size_t(t[0])];
        const Vec3 n = normalised(
            cross(mesh.points[std::size_t(t[1])] - a, mesh.points[std::size_t(t[2])] - a));
        EXPECT_LT(std::abs(dot(centre - a, n)), 1e-6);
    }
    ASSERT_EQ(mesh.triangleColours.size(), morph.colours.size());
    for (std::size_t i = 0; i < mesh.triangleColours.size(); ++i)
        EXPECT_EQ(length(mesh.triangleColours[i] - morph.colours[i]), 0.0);
}

// The faces' mesh among the parts: closed, facing out, at either end too.
TEST(PolyhedraExport, EveryPartPrints) {
    for (auto model : {tetratetraModel, cubeoctaModel, icododecaModel})
        for (double s : {0.0, 0.6, 1.0}) {
            const PrintModel print = makePrintable(model(requestOf({s})), {});
            ASSERT_FALSE(print.parts.empty());
            for (const Solid& part : print.parts)
                EXPECT_TRUE(checkShell(part).printable()) << part.name;
        }
}

} // namespace
