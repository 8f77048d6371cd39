#include "geom/solid.h"
#include "scenes/moebius/moebius_export.h"
#include "scenes/moebius/strip_controls.h"
#include "scenes/moebius/strip_faces.h"
#include "scenes/moebius/wheel_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Points = std::vector<Vec3>;

ModelRequest request(std::vector<double> values, std::vector<std::size_t> presses = {},
                     int detail = 1) {
    ModelRequest r;
    r.values = std::move(values), r.presses = std::move(presses), r.detail = detail;
    return r;
}

// Whether every point of a lies within 1e-12 of a point of b.
bool within(const Points& a, const Points& b) {
    for (const Vec3& p : a) {
        double nearest = 1e9;
        for (const Vec3& q : b)
            nearest = std::min(nearest, length(p - q));
        if (nearest > 1e-12)
            return false;
    }
    return true;
}

Points sheetPoints(const SceneModel& model, SheetKind kind) {
    Points points;
    for (const SurfaceSheet& sheet : model.sheets)
        if (sheet.kind == kind)
            points.insert(points.end(), sheet.points.begin(), sheet.points.end());
    return points;
}

// The middle of the band's thickness under each point that the drawing
// samples on the faces at +N: half way to the nearest point it samples at
// the same step on the faces at -N; turned as the strip turns itself.
Points drawnMiddles(const std::vector<std::vector<FaceSample>>& up,
                    const std::vector<std::vector<FaceSample>>& down) {
    Points middles;
    for (const std::vector<FaceSample>& face : up)
        for (std::size_t i = 0; i < face.size(); ++i)
            for (const Vec3& p : {face[i].first, face[i].second}) {
                Vec3 partner = p + Vec3{1e9, 0, 0};
                for (const std::vector<FaceSample>& other : down)
                    for (const Vec3& q : {other[i].first, other[i].second})
                        if (length(q - p) < length(partner - p))
                            partner = q;
                middles.push_back(MoebiusStrip::turned(0.5 * (p + partner)));
            }
    return middles;
}

template <std::size_t n>
void addFaces(const MoebiusStrip& strip, const std::array<StripFace, n>& table,
              std::vector<std::vector<FaceSample>>& up,
              std::vector<std::vector<FaceSample>>& down) {
    for (const StripFace& face : table)
        if (face.b == face.d && face.a != face.c)
            (face.b > 0 ? up : down).push_back(strip.faceSamples(strip.scaledFace(face)));
}

// The export's band is the middle of the band the drawing samples, point for point.
void expectMiddleOfDrawing(const SceneModel& model, const std::vector<std::vector<FaceSample>>& up,
                           const std::vector<std::vector<FaceSample>>& down) {
    const Points middles = drawnMiddles(up, down);
    const Points exported = sheetPoints(model, SheetKind::surface);
    EXPECT_TRUE(within(exported, middles));
    EXPECT_TRUE(within(middles, exported));
}

MoebiusStrip shaped(MoebiusMode mode, void (*controls)(MoebiusStrip&)) {
    MoebiusStrip strip;
    strip.mode = mode;
    controls(strip);
    strip.updateShape();
    return strip;
}

} // namespace

TEST(MoebiusExport, BandsAreTheMiddleOfWhatIsDrawn) {
    using namespace strip_faces;
    std::vector<std::vector<FaceSample>> up, down;
    MoebiusStrip strip = shaped(
        SquareToStrip, [](MoebiusStrip& s) { strip_controls::setValueAndTwist(s, 0.4, 1.5); });
    addFaces(strip, bandBroad, up, down);
    expectMiddleOfDrawing(squareToMoebiusModel(request({0.4, 1.5})), up, down);

    up.clear(), down.clear();
    strip = shaped(CutInTwo, [](MoebiusStrip& s) { strip_controls::setValueAndTwist(s, 1, pi); });
    addFaces(strip, cutInTwoBroad, up, down);
    expectMiddleOfDrawing(cutInTwoModel(request({1, pi})), up, down);

    up.clear(), down.clear();
    strip =
        shaped(CutInThree, [](MoebiusStrip& s) { strip_controls::setCutInThree(s, 0.4, -4, 1); });
    addFaces(strip, cutInThreeOuterBroad, up, down);
    addFaces(strip, cutInThreeMiddleBroad, up, down);
    expectMiddleOfDrawing(cutInThreeModel(request({0.4, -4, 1})), up, down);

    up.clear(), down.clear();
    strip = shaped(Sliding, [](MoebiusStrip& s) { strip_controls::setSliding(s, pi, 1.5); });
    const SlidingOffset offset = slidingOffset(strip.value, strip.width);
    const SlidingFaces all = slidingFaces(strip.width, strip.thickness / 2);
    for (const auto* faces : {&all.broad[0], &all.borders[0]})
        for (std::size_t k = 0; k < (faces == &all.broad[0] ? 4 : 8); ++k) {
            const SlidingFace& f = faces[k];
            (f.b > 0 ? up : down)
                .push_back(strip.shiftedSamples(f, -f.band * offset.p, f.band * offset.q));
        }
    expectMiddleOfDrawing(slidingStripModel(request({pi, 1.5})), up, down);

    // The map's patches start on a row of the sheet, at the middle of their
    // two sides (each patch's +N sheet comes before its -N one).
    strip = shaped(Map, [](MoebiusStrip&) {});
    Points starts;
    const std::vector<MapSheet>& sheets = strip.mapSheets();
    for (std::size_t k = 0; k + 1 < sheets.size(); k += 2)
        if (!sheets[k].polygon && sheets[k].name != 0)
            for (const auto& side : {&FaceSample::first, &FaceSample::second})
                starts.push_back(MoebiusStrip::turned(
                    0.5 * (sheets[k].pairs[0].*side + sheets[k + 1].pairs[0].*side)));
    EXPECT_EQ(starts.size(), 2u * (2 + 8));
    EXPECT_TRUE(within(starts, sheetPoints(stripMapModel(request({})), SheetKind::surface)));
}

TEST(MoebiusExport, CutBandsJoinAsTheirSamplesMeet) {
    struct Case {
        SceneModel model;
        std::vector<int> rows;
        std::vector<SeamJoin> joins;
    };
    const Case cases[] = {
        {squareToMoebiusModel(request({0.5, pi})), {257}, {SeamJoin::open}},
        {squareToMoebiusModel(request({1, pi})), {256}, {SeamJoin::mirrored}},
        // Cut along the middle: one band twice as long with two full turns.
        {cutInTwoModel(request({1, pi})), {512}, {SeamJoin::straight}},
        {cutInTwoModel(request({1, 0})), {256, 256}, {SeamJoin::straight, SeamJoin::straight}},
        {cutInTwoModel(request({1, 1.5})), {257, 257}, {SeamJoin::open, SeamJoin::open}},
        {cutInThreeModel(request({1, pi, 0})),
         {512, 256},
         {SeamJoin::straight, SeamJoin::mirrored}},
        {slidingStripModel(request({pi, 0.3})), {512}, {SeamJoin::straight}},
        {stripMapModel(request({})), {260}, {SeamJoin::mirrored}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.model.sheets.size(), c.rows.size());
        for (std::size_t k = 0; k < c.rows.size(); ++k) {
            const SurfaceSheet& sheet = c.model.sheets[k];
            EXPECT_EQ(sheet.rows, c.rows[k]);
            EXPECT_EQ(sheet.rowJoin, c.joins[k]);
            if (sheet.rowJoin == SeamJoin::open)
                continue;
            // Across the join the band goes on by about one step.
            const int last = sheet.rows - 1;
            for (int j = 0; j < sheet.columns; ++j) {
                const int m = sheet.rowJoin == SeamJoin::mirrored ? sheet.columns - 1 - j : j;
                EXPECT_LT(length(sheet.at(last, j) - sheet.at(0, m)),
                          2 * length(sheet.at(last, j) - sheet.at(last - 1, j)));
            }
        }
    }
    // Twice the detail: twice the rows, and a column half way across.
    const SceneModel fineModel = squareToMoebiusModel(request({1, pi}, {}, 2));
    const SurfaceSheet& fine = fineModel.sheets[0];
    EXPECT_EQ(fine.rows, 512);
    ASSERT_EQ(fine.columns, 3);
    for (int i = 0; i < fine.rows; ++i)
        EXPECT_LT(length(fine.at(i, 1) - 0.5 * (fine.at(i, 0) + fine.at(i, 2))), 1e-12);
    EXPECT_TRUE(within(sheetPoints(squareToMoebiusModel(request({1, pi})), SheetKind::surface),
                       sheetPoints(fineModel, SheetKind::surface)));
}

TEST(MoebiusExport, WheelsAreTheDrawnWheelsClosed) {
    MoebiusStrip strip;
    strip.mode = Wheels;
    strip.addWheel(0);
    strip.updateShape();
    const WheelPlacement placement = wheelPlacements(strip, 0)[0];
    Points drawn;
    for (const WheelPart* part : {&wheelModel().tyre, &wheelModel().rim, &wheelModel().spokes})
        for (const Vec3& p : part->points)
            drawn.push_back(MoebiusStrip::turned(placement.point(p)));
    const SceneModel model = wheelsModel(request({0, 0, 0, 0}));
    const Points exported = sheetPoints(model, SheetKind::boundary);
    EXPECT_TRUE(within(exported, drawn));
    EXPECT_TRUE(within(drawn, exported));
    // A wheel is its ring and three spokes; presses in their order.
    EXPECT_EQ(
        sheetPoints(wheelsModel(request({2, 1, 0, 0}, {0, 0, 1})), SheetKind::boundary).size(),
        2 * exported.size());
    EXPECT_EQ(sheetPoints(wheelsModel(request({1, 0, 1, 0}, {2, 0})), SheetKind::boundary).size(),
              exported.size());
    EXPECT_EQ(wheelsModel(request({0, 0, 0, 1})).sheets.size(), 20u + 4u);
}

TEST(MoebiusExport, EveryStateMakesPrintableParts) {
    const SceneModel models[] = {
        squareToMoebiusModel(request({0, pi})),
        squareToMoebiusModel(request({0.97, 6.3}, {}, 2)),
        wheelsModel(request({0, 0, 0, 0})),
        wheelsModel(request({1, 0, 0, 1}, {0}, 2)),
        cutInTwoModel(request({0, pi})),
        cutInTwoModel(request({0.4, 1.5})),
        slidingStripModel(request({pi, pi})),
        slidingStripModel(request({-4, 0.7}, {}, 2)),
        cutInThreeModel(request({0, pi, 0})),
        cutInThreeModel(request({1, -4, 2})),
        stripMapModel(request({})),
        stripMapModel(request({}, {}, 2)),
    };
    for (const SceneModel& model : models) {
        const PrintModel print = makePrintable(model, {});
        for (const Solid& part : print.parts)
            EXPECT_TRUE(checkShell(part).printable()) << part.name;
    }
}
