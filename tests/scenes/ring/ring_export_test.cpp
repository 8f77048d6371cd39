#include "geom/solid.h"
#include "scenes/ring/ring_export.h"
#include "scenes/ring/ring_geometry.h"
#include "scenes/ring/ring_state.h"

#include <gtest/gtest.h>

namespace {

using namespace ring;

ModelRequest requestOf(std::vector<double> values, int detail = 1) {
    return {std::move(values), {}, detail, "it"};
}

// Cut back, the band is one sheet per side midway between the scene's face
// sheets, and the tube is the scene's rings, red at its cut ends.
TEST(RingExport, IsWhatTheSceneDraws) {
    const RingState state = ringState(0.3, 0.4, 7.0);
    const SceneModel model = ringModel(requestOf({0.3, 0.4, 7.0}));
    const int n = bandPairCount(0.3);
    std::vector<RingFrame> frames;
    for (int i = 0; i < n; ++i)
        frames.push_back(ringFrame(bandParameter(i), state.phi));
    ASSERT_EQ(model.sheets.size(), 3u);
    for (int side = 0; side < 2; ++side) {
        std::vector<StripPair> upper, lower;
        sheetStrip(side ? sheetUpper : sheetSide | sheetUpper, frames, upper);
        sheetStrip(side ? 0 : sheetSide, frames, lower);
        const SurfaceSheet& band = model.sheets[std::size_t(side)];
        ASSERT_EQ(band.rows, n);
        for (int i = 0; i < n; ++i) {
            const StripPair& a = upper[std::size_t(i)];
            const StripPair& b = lower[std::size_t(i)];
            EXPECT_LT(length(band.at(i, 0) - 0.5 * (a.first + b.first)), 1e-12);
            EXPECT_LT(length(band.at(i, 1) - 0.5 * (a.second + b.second)), 1e-12);
        }
    }
    const SurfaceSheet& tube = model.sheets[2];
    const int m = edgeSegmentCount(0.4);
    ASSERT_EQ(tube.rows, m + 1);
    std::vector<StripPair> strip;
    edgeSegmentStrip(ringFrame((m - 1) * edgeStep, state.phi), ringFrame(m * edgeStep, state.phi),
                     strip);
    for (int a = 0; a < tube.columns; ++a)
        EXPECT_EQ(length(tube.at(m, a) - strip[std::size_t(a)].second), 0.0);
    EXPECT_EQ(tube.cellColours[std::size_t((m - 1) * tube.columns)].y, 0.1);
    EXPECT_EQ(tube.cellColours[std::size_t((m - 2) * tube.columns)].y, 0.8);
}

TEST(RingExport, EveryPartPrints) {
    for (const std::vector<double>& values :
         {std::vector<double>{0, 0, 0}, {0.3, 0.4, 7.0}, {0.05, 0, 1.0}}) {
        const PrintModel print = makePrintable(ringModel(requestOf(values)), {});
        ASSERT_FALSE(print.parts.empty());
        for (const Solid& part : print.parts)
            EXPECT_TRUE(checkShell(part).printable()) << part.name;
    }
}

} // namespace
