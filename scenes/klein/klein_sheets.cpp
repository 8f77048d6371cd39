#include "scenes/klein/klein_sheets.h"

#include "geom/hue_ramp.h"
#include "scenes/klein/klein_lighting.h"
#include "scenes/klein/seam_marks.h"

#include <algorithm>
#include <cmath>

namespace {
// Points this close are one point: rounding apart, as the closed tube's
// first and last columns are.
constexpr double samePoint = 1e-9;
// The screen's mesh.
constexpr int screenRows = 100;
constexpr int screenColumns = 50;
} // namespace

TubeJoins tubeJoins(const KleinTube& tube, const std::vector<Vec3>& vertices) {
    const int rows = tube.rows, columns = tube.columns;
    auto at = [&](int r, int c) { return vertices[std::size_t(tube.index(r, c))]; };
    TubeJoins joins;
    double sideGap = 0;
    for (int r = 0; r < rows; ++r)
        sideGap = std::max(sideGap, length(at(r, 0) - at(r, columns - 1)));
    joins.columnsClosed = sideGap < samePoint;
    if (length(tube.frames[0].point - tube.frames[rows - 1].point) >= samePoint)
        return joins;
    // The spine closes; the last row is the first again, turned over or not.
    double straightGap = 0, mirroredGap = 0;
    for (int c = 0; c < columns; ++c) {
        straightGap = std::max(straightGap, length(at(rows - 1, c) - at(0, c)));
        mirroredGap = std::max(mirroredGap, length(at(rows - 1, c) - at(0, columns - 1 - c)));
    }
    joins.rowJoin = mirroredGap < straightGap ? SeamJoin::mirrored : SeamJoin::straight;
    return joins;
}

SurfaceSheet tubeSheet(const std::string& name, const KleinTube& tube,
                       const std::vector<Vec3>& vertices, int r0, int r1, const TubeJoins& joins,
                       const PlaceInModel& place) {
    SurfaceSheet sheet;
    sheet.name = name;
    sheet.colour = {klein_lighting::surfaceColour[0], klein_lighting::surfaceColour[1],
                    klein_lighting::surfaceColour[2]};
    const bool rowsJoin = joins.rowJoin != SeamJoin::open && r1 == tube.rows - 1;
    sheet.rowJoin = rowsJoin ? joins.rowJoin : SeamJoin::open;
    sheet.columnJoin = joins.columnsClosed ? SeamJoin::straight : SeamJoin::open;
    sheet.rows = r1 - r0 + 1 - (rowsJoin ? 1 : 0);
    sheet.columns = tube.columns - (joins.columnsClosed ? 1 : 0);
    sheet.points.reserve(std::size_t(sheet.rows * sheet.columns));
    for (int r = r0; r < r0 + sheet.rows; ++r)
        for (int c = 0; c < sheet.columns; ++c)
            sheet.points.push_back(place(vertices[std::size_t(tube.index(r, c))]));
    return sheet;
}

std::vector<SurfaceSheet> styleSheets(const KleinTube& tube, int style, int detail,
                                      const PlaceInModel& place) {
    const TubeJoins joins = tubeJoins(tube, tube.vertices);
    if (style != Striped)
        return {tubeSheet("bottle", tube, tube.vertices, 0, tube.rows - 1, joins, place)};
    // The drawing's strips between screen rows 2b and 2b + 1, each band an
    // open ring, the last one too, though it ends on the seam.
    TubeJoins bandJoins = joins;
    bandJoins.rowJoin = SeamJoin::open;
    std::vector<SurfaceSheet> bands;
    for (int b = 0; 2 * b + 1 < screenRows; ++b)
        bands.push_back(tubeSheet("band " + std::to_string(b + 1), tube, tube.vertices,
                                  2 * b * detail, (2 * b + 1) * detail, bandJoins, place));
    return bands;
}

std::vector<SurfaceSheet> markSheets(const KleinTube& tube, const PlaceInModel& place) {
    const TubeJoins joins = tubeJoins(tube, tube.vertices);
    std::vector<SurfaceSheet> sheets;
    for (const SeamMark& mark : seamMarks) {
        const bool onAnother =
            mark.at == 1 && (mark.alongRow ? joins.rowJoin != SeamJoin::open : joins.columnsClosed);
        if (onAnother)
            continue;
        // The short sides' ends meet once the columns close; the long sides'
        // ends meet turned over where the bottle closes, which no seam of a
        // hexagonal tube can say, so they stay apart, capped.
        const bool loop = mark.alongRow && joins.columnsClosed;
        const std::vector<MarkPoint> points = markPoints(tube, mark);
        SurfaceSheet sheet;
        sheet.name =
            std::string(mark.alongRow ? "short side " : "long side ") + (mark.at == 0 ? "1" : "2");
        sheet.kind = SheetKind::boundary;
        sheet.rows = int(points.size()) - (loop ? 1 : 0);
        sheet.columns = 6;
        sheet.rowJoin = loop ? SeamJoin::straight : SeamJoin::open;
        sheet.columnJoin = SeamJoin::straight;
        for (int t = 0; t < sheet.rows; ++t) {
            const MarkPoint& p = points[std::size_t(t)];
            const double f = double(t) / double(points.size() - 1);
            // As GL takes the drawing's colour: each channel clamped to 1.
            const Vec3 ramp = hueRamp((1 - f) * mark.h0 + f * mark.h1, markBrightness);
            const Vec3 colour{std::min(ramp.x, 1.0), std::min(ramp.y, 1.0), std::min(ramp.z, 1.0)};
            for (int k = 0; k < sheet.columns; ++k) {
                const double psi = k * markSector;
                const Vec3 out = std::cos(psi) * p.side - std::sin(psi) * p.normal;
                sheet.points.push_back(place(p.point + markRadius * out));
                sheet.pointColours.push_back(colour);
            }
        }
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}

KleinTube finerTube(int stage, int detail) {
    const int n = std::max(detail, 1);
    return KleinTube(KleinStage(stage), (screenRows - 1) * n + 1, (screenColumns - 1) * n + 1);
}
