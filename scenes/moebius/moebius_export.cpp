// The six Moebius scenes' models: the band's middle surface as sheets (the
// pieces of a cut band chained where they meet), the wheels as closed
// tubes, the map's regions as the colours of the band's cells.

#include "scenes/moebius/moebius_export.h"

#include "scenes/moebius/band_sheets.h"
#include "scenes/moebius/map_sheet.h"
#include "scenes/moebius/strip_colours.h"
#include "scenes/moebius/strip_controls.h"
#include "scenes/moebius/strip_faces.h"
#include "scenes/moebius/wheel_model.h"

namespace {

Vec3 rgb(const strip_colours::Rgba& c) {
    return {c.r, c.g, c.b};
}

// The request's value at index i, or fallback where it gives none.
double valueOf(const ModelRequest& request, std::size_t i, double fallback) {
    return i < request.values.size() ? request.values[i] : fallback;
}

MoebiusStrip stripFor(MoebiusMode mode) {
    MoebiusStrip strip;
    strip.mode = mode;
    return strip;
}

// The middle surface of each face of the table that lies on the +N side.
template <std::size_t n>
void addPieces(std::vector<BandPiece>& pieces, const MoebiusStrip& strip,
               const std::array<StripFace, n>& table, const Vec3& colour, const char* name) {
    for (const StripFace& face : table)
        if (face.b > 0 && face.d > 0) {
            const StripFace f = strip.scaledFace(face);
            pieces.push_back({name, {f.a, f.c}, {colour}, 0, f.opening});
        }
}

// The tyre, the rim and the sides between them bound a ring with a
// rectangular cross-section: one closed tube around the axle. The spokes
// are tubes of their own, capped at both ends.
void addWheel(SceneModel& model, const WheelModel& wheel, const WheelPlacement& placement) {
    SurfaceSheet ring;
    ring.name = "wheel";
    ring.kind = SheetKind::boundary;
    ring.rows = int(wheel.tyre.points.size() / 2) - 1; // the last pair repeats the first
    ring.columns = 4;
    ring.rowJoin = SeamJoin::straight;
    ring.columnJoin = SeamJoin::straight;
    for (int i = 0; i < ring.rows; ++i) {
        const std::size_t k = 2 * std::size_t(i);
        for (const Vec3& p : {wheel.tyre.points[k], wheel.tyre.points[k + 1],
                              wheel.rim.points[k + 1], wheel.rim.points[k]})
            ring.points.push_back(placement.point(p));
        ring.cellColours.insert(ring.cellColours.end(),
                                {tyreColour, sideColour, tyreColour, sideColour});
    }
    model.sheets.push_back(std::move(ring));
    const std::size_t around = wheel.spokes.points.size() / 6; // pairs per spoke
    for (std::size_t s = 0; s < 3; ++s) {
        SurfaceSheet spoke;
        spoke.name = "spoke";
        spoke.kind = SheetKind::boundary;
        spoke.rows = 2;
        spoke.columns = int(around) - 1;
        spoke.columnJoin = SeamJoin::straight;
        spoke.colour = spokeColour;
        spoke.points.resize(2 * (around - 1));
        for (std::size_t j = 0; j + 1 < around; ++j)
            for (std::size_t end = 0; end < 2; ++end)
                spoke.points[end * (around - 1) + j] =
                    placement.point(wheel.spokes.points[2 * (s * around + j) + end]);
        model.sheets.push_back(std::move(spoke));
    }
}

// The strip draws itself turned into the scenes' view (its ring level,
// the scene's up along the ring's axis): the model is that turned strip.
SceneModel turned(SceneModel model) {
    for (SurfaceSheet& sheet : model.sheets)
        for (Vec3& p : sheet.points)
            p = MoebiusStrip::turned(p);
    return model;
}

SceneModel bandModel(const MoebiusStrip& strip, const std::vector<BandPiece>& pieces, int detail) {
    SceneModel model;
    model.sheets = bandSheets(strip, pieces, detail);
    return turned(model);
}

// A scene whose slider and twist dial shape one table of sea-green faces.
template <std::size_t n>
SceneModel slidAndTwisted(const ModelRequest& request, MoebiusMode mode,
                          const std::array<StripFace, n>& table, const char* name) {
    MoebiusStrip strip = stripFor(mode);
    strip_controls::setValueAndTwist(strip, valueOf(request, 0, 0), valueOf(request, 1, pi));
    strip.updateShape();
    std::vector<BandPiece> pieces;
    addPieces(pieces, strip, table, rgb(strip_colours::seaGreen), name);
    return bandModel(strip, pieces, request.detail);
}

} // namespace

SceneModel squareToMoebiusModel(const ModelRequest& request) {
    return slidAndTwisted(request, SquareToStrip, strip_faces::bandBroad, "band");
}

SceneModel wheelsModel(const ModelRequest& request) {
    // As the scene starts: a half turn, one wheel setting out from x = 1.
    // The presses all come at that moment, so that every wheel stands where
    // it sets out: the wheels roll on for ever and never settle.
    MoebiusStrip strip = stripFor(Wheels);
    strip.setTwistFromAngle(pi);
    strip.addWheel(0);
    std::vector<std::size_t> presses = request.presses;
    if (presses.empty())
        for (std::size_t b = 0; b < 3; ++b)
            presses.insert(presses.end(), std::size_t(valueOf(request, b, 0)), b);
    for (std::size_t button : presses)
        strip_controls::pressWheelButton(strip, button, 0);
    strip.bandStyle = int(valueOf(request, 3, 0));
    strip.updateShape();

    std::vector<BandPiece> pieces;
    const Vec3 colour = rgb(strip_colours::seaGreen);
    if (strip.bandStyle == 1) {
        // The band in 20 pieces, as the drawing cuts it.
        const double w = strip.width / 2;
        for (int i = 0; i < 20; ++i) {
            const double x0 = i * 0.05;
            pieces.push_back({"piece", {w, -w}, {colour}, 0, 0, x0, x0 + 0.037500000000000006, 10});
        }
    } else {
        addPieces(pieces, strip, strip_faces::bandBroad, colour, "band");
    }
    SceneModel model;
    model.sheets = bandSheets(strip, pieces, request.detail);
    const WheelModel wheel = buildWheelModel(request.detail);
    for (const WheelPlacement& placement : wheelPlacements(strip, 0))
        addWheel(model, wheel, placement);
    return turned(model);
}

SceneModel cutInTwoModel(const ModelRequest& request) {
    return slidAndTwisted(request, CutInTwo, strip_faces::cutInTwoBroad, "half");
}

SceneModel slidingStripModel(const ModelRequest& request) {
    MoebiusStrip strip = stripFor(Sliding);
    strip_controls::setSliding(strip, valueOf(request, 0, pi), valueOf(request, 1, pi));
    strip.updateShape();
    const strip_faces::SlidingOffset offset = strip_faces::slidingOffset(strip.value, strip.width);
    const double W = strip.width;
    const double b = strip_faces::slidingBorder;
    const Vec3 border = rgb(strip_colours::darkBlue);
    const Vec3 inside = rgb(strip_colours::seaGreen);
    // Band A across W to 0 shifted by (-p, q), band B across 0 to -W by
    // (p, -q), each between its dark borders.
    const double g = -offset.p;
    const std::vector<BandPiece> pieces{
        {"band A", {W + g, (W - b) + g, b + g, 0 + g}, {border, inside, border}, offset.q},
        {"band B", {0 - g, -b - g, -(W - b) - g, -W - g}, {border, inside, border}, -offset.q},
    };
    return bandModel(strip, pieces, request.detail);
}

SceneModel cutInThreeModel(const ModelRequest& request) {
    MoebiusStrip strip = stripFor(CutInThree);
    strip_controls::setCutInThree(strip, valueOf(request, 0, 0), valueOf(request, 1, pi),
                                  int(valueOf(request, 2, 0)));
    strip.updateShape();
    std::vector<BandPiece> pieces;
    const Vec3 green = rgb(strip_colours::seaGreen);
    addPieces(pieces, strip, strip_faces::cutInThreeOuterBroad, green, "outer part");
    if (strip.cutStyle < 2)
        addPieces(pieces, strip, strip_faces::cutInThreeMiddleBroad,
                  strip.cutStyle > 0 ? rgb(strip_colours::yellow) : green, "middle part");
    return bandModel(strip, pieces, request.detail);
}

SceneModel stripMapModel(const ModelRequest& request) {
    MoebiusStrip strip = stripFor(Map);
    strip.updateShape();
    SceneModel model;
    model.sheets.push_back(mapSheet(strip, request.detail));
    return turned(model);
}
