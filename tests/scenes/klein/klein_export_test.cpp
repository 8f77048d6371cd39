// The Klein scenes' export models: each sheet holds the very points the
// scene's update computes, at the screen's samples and finer, and the
// closed bottle's sheet joins where its mesh closes.

#include "geom/solid.h"
#include "scenes/klein/klein_controls.h"
#include "scenes/klein/klein_export.h"
#include "scenes/klein/klein_label_patch.h"
#include "scenes/klein/klein_tube.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Place = std::function<Vec3(const Vec3&)>;

Vec3 turnedAboutX(const Vec3& p) {
    return {p.x, -p.y, -p.z};
}

// The tube as the scene's update builds it for the state.
KleinTube updated(const KleinTubeState& state) {
    KleinTube tube(KleinStage(state.stage));
    tube.morph = state.morph;
    tube.buildSpine();
    tube.buildSurface();
    return tube;
}

// Every point of the sheet is the mesh's point at row r0 + r, placed.
void expectMeshPoints(const SurfaceSheet& sheet, const KleinTube& tube,
                      const std::vector<Vec3>& vertices, int r0, const Place& place) {
    ASSERT_EQ(sheet.points.size(), std::size_t(sheet.rows * sheet.columns));
    for (int r = 0; r < sheet.rows; ++r)
        for (int c = 0; c < sheet.columns; ++c)
            ASSERT_EQ(length(sheet.at(r, c) - place(vertices[tube.index(r0 + r, c)])), 0)
                << sheet.name << " " << r << " " << c;
}

SceneModel modelOf(SceneModel (*model)(const ModelRequest&), double value, int detail = 1) {
    ModelRequest request;
    request.values = {value};
    request.detail = detail;
    return model(request);
}

} // namespace

TEST(KleinExport, SheetsHoldThePointsTheScenesUpdateComputes) {
    const KleinTube bent = updated(rectangleSliderState(0.75));
    const SceneModel rectangle = modelOf(kleinFromRectangleModel, 0.75);
    // The tube, its long sides met, its ends still open; three edge marks.
    ASSERT_EQ(rectangle.sheets.size(), 4u);
    EXPECT_EQ(rectangle.sheets[0].rowJoin, SeamJoin::open);
    EXPECT_EQ(rectangle.sheets[0].columnJoin, SeamJoin::straight);
    expectMeshPoints(rectangle.sheets[0], bent, bent.vertices, 0, turnedAboutX);
    for (std::size_t k = 1; k < 4; ++k)
        EXPECT_EQ(rectangle.sheets[k].kind, SheetKind::boundary);

    // Striped: each band two rows, no band crossing the rows between.
    const KleinTube whole = updated(bottleStyleState(Striped));
    const SceneModel striped = modelOf(kleinBottleModel, Striped);
    ASSERT_EQ(striped.sheets.size(), 50u);
    for (int b = 0; b < 50; ++b) {
        ASSERT_EQ(striped.sheets[b].rows, 2);
        expectMeshPoints(striped.sheets[b], whole, whole.vertices, 2 * b, turnedAboutX);
    }

    // The label: the bottle as drawn and a patch of the picture just off it.
    const KleinTube mirrored = updated(labelDialState(2));
    const SceneModel labelled = modelOf(kleinLabelModel, 2);
    ASSERT_EQ(labelled.sheets.size(), 2u);
    expectMeshPoints(labelled.sheets[0], mirrored, mirrored.vertices, 0, [](const Vec3& p) {
        return Vec3{-p.x, -p.y, p.z};
    });
    const SurfaceSheet& patch = labelled.sheets[1];
    EXPECT_EQ(labelled.texture.rgba.size(),
              std::size_t(4 * labelled.texture.width * labelled.texture.height));
    EXPECT_EQ(patch.texture.size(), patch.points.size());
    EXPECT_EQ(patch.texture.front().x, 0);
    EXPECT_EQ(patch.texture.back().x, 1);
    EXPECT_EQ(patch.texture.back().y, 1);
    // However large the print, the plate stands off the wall by as much and
    // stays fused to it.
    const PrintModel print = makePrintable(labelled, {500, 2});
    for (std::size_t p = 0; p < print.parts[1].points.size(); p += 7) {
        double nearest = 1e9;
        for (const Vec3& q : print.parts[0].points)
            nearest = std::min(nearest, length(print.parts[1].points[p] - q));
        ASSERT_NEAR(nearest, labelStandOff, 0.1);
    }

    // The halves: the tube cut and flattened, moved apart and swung over.
    const double v = 0.7;
    KleinTube half = updated(halvesSliderState(v));
    const HalvesMotion motion = halvesMotion(v);
    half.halfFlattening = motion.flattening;
    half.buildSurface();
    std::vector<Vec3> other, otherNormals;
    mirrorHalf(half.vertices, half.normals, other, otherNormals);
    const SceneModel halves = modelOf(kleinHalvesModel, v);
    ASSERT_EQ(halves.sheets.size(), 2u);
    expectMeshPoints(halves.sheets[0], half, half.vertices, 0,
                     [&](const Vec3& p) { return turnedAboutX(firstHalfPlace(p, motion.apart)); });
    expectMeshPoints(halves.sheets[1], half, other, 0,
                     [&](const Vec3& p) { return turnedAboutX(secondHalfPlace(p, motion.apart)); });
    // Each half a Moebius band: its open columns swap where its rows join.
    EXPECT_EQ(halves.sheets[0].rowJoin, SeamJoin::mirrored);
    EXPECT_EQ(halves.sheets[0].columnJoin, SeamJoin::open);
    for (int c = 0; c < 50; ++c)
        EXPECT_LT(length(turnedAboutX(firstHalfPlace(half.vertex(99, c), motion.apart)) -
                         halves.sheets[0].at(0, 49 - c)),
                  1e-3);
}

TEST(KleinExport, ClosedBottleJoinsItsEndsTurnedOverAndDetailRefinesTheSameFormulas) {
    const KleinTube whole = updated(bottleStyleState(Solid));
    const SceneModel model = modelOf(kleinBottleModel, Solid);
    ASSERT_EQ(model.sheets.size(), 1u);
    const SurfaceSheet& bottle = model.sheets[0];
    // The repeated last column and last row are left out.
    ASSERT_EQ(bottle.rows, 99);
    ASSERT_EQ(bottle.columns, 49);
    EXPECT_EQ(bottle.columnJoin, SeamJoin::straight);
    EXPECT_EQ(bottle.rowJoin, SeamJoin::mirrored);
    for (int r = 0; r < 100; ++r)
        EXPECT_LT(length(turnedAboutX(whole.vertex(r, 49)) - bottle.at(r % 99, 0)),
                  r < 99 ? 1e-9 : 1e-3);
    // The left-out row is row 0 turned over: column c meets column
    // (49 - c) mod 49. The drawn mesh's two ends take their side directions
    // from tangents a tenth inside either end of the curve, which are not
    // quite opposite: the ends meet to within a thousandth, not exactly.
    for (int c = 0; c < 49; ++c)
        EXPECT_LT(length(turnedAboutX(whole.vertex(99, c)) - bottle.at(0, (49 - c) % 49)), 1e-3);

    // Twice the detail: the screen's samples are every second sample.
    const SceneModel finer = modelOf(kleinBottleModel, Solid, 2);
    ASSERT_EQ(finer.sheets[0].rows, 198);
    ASSERT_EQ(finer.sheets[0].columns, 98);
    for (int r = 0; r < 99; ++r)
        for (int c = 0; c < 49; ++c)
            ASSERT_LT(length(finer.sheets[0].at(2 * r, 2 * c) - bottle.at(r, c)), 1e-12);
}

TEST(KleinExport, EveryPartOfEachSceneIsAPrintableShell) {
    // At the start and at a moved control: the tube with open ends, the
    // bands, the label across the seam, the flattening halves.
    const struct {
        SceneModel (*model)(const ModelRequest&);
        double moved;
    } scenes[] = {{kleinFromRectangleModel, 0.75},
                  {kleinBottleModel, Striped},
                  {kleinLabelModel, 5.09},
                  {kleinHalvesModel, 0.7}};
    for (const auto& scene : scenes)
        for (bool moved : {false, true}) {
            ModelRequest request;
            if (moved)
                request.values = {scene.moved};
            const PrintModel print = makePrintable(scene.model(request), {});
            EXPECT_FALSE(print.parts.empty());
            for (const auto& part : print.parts)
                EXPECT_TRUE(checkShell(part).printable()) << part.name << " " << scene.moved;
        }
}
