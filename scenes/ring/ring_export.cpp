#include "scenes/ring/ring_export.h"

#include "scenes/ring/ring_geometry.h"
#include "scenes/ring/ring_state.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace ring;

// The colours as the scene draws them.
const Vec3 faceColour{0.5, 0.55, 0.8};
const Vec3 edgeColour{0.8, 0.8, 0.9};
const Vec3 cutColour{1.0, 0.1, 0.1};

double valueAt(const ModelRequest& request, std::size_t i) {
    return i < request.values.size() ? request.values[i] : 0.0;
}

// The colour of the faces at a pair of a band of n pairs, between pairs as
// the screen shades from one pair's colour to the next.
Vec3 faceColourAt(double pair, int n, bool cut) {
    if (!cut)
        return faceColour;
    const auto at = [n](int i) { return pairMarkedCut(i, n) ? cutColour : faceColour; };
    const int below = int(std::floor(pair));
    const double f = pair - below;
    return f > 0 ? (1 - f) * at(below) + f * at(below + 1) : at(below);
}

// The band's mid-surface on one side of the centre line (side +-1), from the
// window's edge out to the band's edge, sample k at pair k / detail: the
// face sheets lie 0.05 either side of it, and the print's thickening takes
// their place.
void appendSide(double side, int samples, int detail, const RingState& state, int pairCount,
                SurfaceSheet& sheet) {
    for (int k = 0; k < samples; ++k) {
        const double pair = double(k) / detail;
        const RingFrame F = ringFrame(k / double((bandPairs - 1) * detail), state.phi);
        const double w = windowProfile(pair).halfWidth;
        sheet.points.push_back(F.centre + side * w * F.across);
        sheet.points.push_back(F.centre + side * bandHalfWidth * F.across);
        const Vec3 colour = faceColourAt(pair, pairCount, state.cut > 0);
        sheet.pointColours.insert(sheet.pointColours.end(), 2, colour);
    }
    sheet.rows += samples;
}

// The band: uncut, the +across side runs on into the other after one turn
// (the sides swap there), so the two make one sheet closing after t = 2,
// whose centre-line samples between windows touch those half a period on.
// Cut back, it is two sheets, one per side, each with its cut ends open.
void appendBand(const RingState& state, int detail, SceneModel& model) {
    const int n = bandPairCount(state.cut);
    if (n < 2)
        return;
    const int samples = (n - 1) * detail + 1;
    SurfaceSheet sheet;
    sheet.name = "band";
    sheet.columns = 2;
    if (n == bandPairs) {
        // The last sample of either side is the other's first.
        appendSide(1, samples - 1, detail, state, n, sheet);
        appendSide(-1, samples - 1, detail, state, n, sheet);
        sheet.rowJoin = SeamJoin::straight;
        model.sheets.push_back(sheet);
        return;
    }
    for (double side : {1.0, -1.0}) {
        SurfaceSheet part = sheet;
        appendSide(side, samples, detail, state, n, part);
        model.sheets.push_back(part);
    }
}

// The edge tube, ring i at t = i / 100 detail; its first and last segments
// red when it is cut back. Uncut it closes after t = 2.
void appendEdgeTube(const RingState& state, int detail, SceneModel& model) {
    const int m = edgeSegmentCount(state.edgeCut);
    if (m < 1)
        return;
    const bool closed = m == edgeSegments;
    const int segments = m * detail;
    SurfaceSheet tube;
    tube.name = "edge";
    tube.kind = SheetKind::boundary;
    tube.rows = closed ? segments : segments + 1;
    tube.columns = edgeRingVertices - 1;
    tube.rowJoin = closed ? SeamJoin::straight : SeamJoin::open;
    tube.columnJoin = SeamJoin::straight;
    std::vector<StripPair> strip;
    RingFrame start = ringFrame(0, state.phi);
    for (int i = 0; i < segments; ++i) {
        const RingFrame end = ringFrame((i + 1) * (edgeStep / detail), state.phi);
        edgeSegmentStrip(start, end, strip);
        const bool last = i + 1 == segments;
        for (int a = 0; a < tube.columns; ++a)
            tube.points.push_back(strip[std::size_t(a)].first);
        if (last && !closed)
            for (int a = 0; a < tube.columns; ++a)
                tube.points.push_back(strip[std::size_t(a)].second);
        const int drawn = i / detail;
        const bool red = state.edgeCut > 0 && (drawn == 0 || drawn == m - 1);
        tube.cellColours.insert(tube.cellColours.end(), std::size_t(tube.columns),
                                red ? cutColour : edgeColour);
        start = end;
    }
    tube.cellColours.resize(std::size_t(tube.rows * tube.columns), edgeColour);
    model.sheets.push_back(tube);
}

} // namespace

SceneModel ringModel(const ModelRequest& request) {
    const RingState state =
        ringState(valueAt(request, 0), valueAt(request, 1), valueAt(request, 2));
    const int detail = std::max(1, request.detail);
    SceneModel model;
    appendBand(state, detail, model);
    appendEdgeTube(state, detail, model);
    return model;
}
