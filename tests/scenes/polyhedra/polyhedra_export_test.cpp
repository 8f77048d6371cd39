#include "geom/solid.h"
#include "scenes/polyhedra/platonic_solids.h"
#include "scenes/polyhedra/polyhedra_colours.h"
#include "scenes/polyhedra/polyhedra_export.h"
#include "scenes/polyhedra/polyhedra_morph.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

ModelRequest requestOf(std::vector<double> values, int detail = 1) {
    return {std::move(values), {}, detail, "it"};
}

// Each edge of a closed mesh facing out is walked once each way.
void expectClosedFacingOut(const ClosedMesh& mesh) {
    std::map<std::pair<int, int>, int> walks;
    double volume = 0;
    for (const auto& t : mesh.triangles) {
        for (int j = 0; j < 3; ++j)
            ++walks[{t[std::size_t(j)], t[std::size_t((j + 1) % 3)]}];
        volume += dot(mesh.points[std::size_t(t[0])],
                      cross(mesh.points[std::size_t(t[1])], mesh.points[std::size_t(t[2])]));
    }
    for (const auto& [edge, count] : walks)
        ASSERT_TRUE(count == 1 && walks.count({edge.second, edge.first}) == 1);
    EXPECT_GT(volume, 0);
}

TEST(PolyhedraExport, IsTheScenesMorphClosed) {
    const DualitySubdivision dual = dualitySubdivision(scaledSolid(makeCube()));
    PolyhedraMorph morph;
    morphAt(dual, cubeFaceColours(), cubeVertexColours(), 0.4, morph);
    const SceneModel model = cubeoctaModel(requestOf({0.4}));
    ASSERT_EQ(model.meshes.size(), 1u);
    ASSERT_EQ(model.sheets.size(), 3 * morph.triangles.size());
    for (std::size_t i = 0; i < model.sheets.size(); ++i)
        for (int j = 0; j < 2 * tubeSlices; ++j)
            ASSERT_EQ(length(model.sheets[i].points[std::size_t(j)] -
                             morph.outlines.position(int(i) * 2 * tubeSlices + j)),
                      0.0);
    const ClosedMesh& mesh = model.meshes[0];
    ASSERT_EQ(mesh.triangleColours.size(), morph.colours.size());
    for (std::size_t i = 0; i < mesh.triangleColours.size(); ++i)
        EXPECT_EQ(length(mesh.triangleColours[i] - morph.colours[i]), 0.0);

    for (auto model : {tetratetraModel, cubeoctaModel, icododecaModel})
        for (double s : {0.0, 0.5, 1.0})
            expectClosedFacingOut(model(requestOf({s})).meshes.at(0));
}

TEST(PolyhedraExport, EveryPartPrints) {
    for (auto model : {tetratetraModel, cubeoctaModel, icododecaModel})
        for (double s : {0.0, 0.6}) {
            const PrintModel print = makePrintable(model(requestOf({s})), {});
            ASSERT_FALSE(print.parts.empty());
            for (const Solid& part : print.parts)
                EXPECT_TRUE(checkShell(part).printable()) << part.name;
        }
}

} // namespace
