// The map on the band as plain values: the sheets the map's drawing sends to
// GL and its pick tests a press against, worked out once for each shape.

#include "scenes/moebius/moebius_strip.h"
#include "scenes/moebius/strip_map.h"

#include <algorithm>

namespace {

// The side of a broad face that is never seen: the one the winding of its
// first quad (first, second, then on along the band) shows from inside.
PickBox::Culled innerSide(const FaceSample& s0, const FaceSample& s1, const Vec3& outward) {
    const Vec3 winding = cross(s0.second - s0.first, s1.first - s0.first);
    return dot(winding, outward) > 0 ? PickBox::Culled::Back : PickBox::Culled::Front;
}

} // namespace

void MoebiusStrip::addMapPatch(int name, double va, double vb, double ua, double ub) {
    const double A = (va - 0.5) * width;
    const double B = (vb - 0.5) * width;
    const double h = thickness / 2;
    const int n = std::max(1, 10 + int(246 * (ub - ua)));
    std::vector<StripFrame> table(std::size_t(n) + 1);
    for (int k = 0; k <= n; ++k)
        table[k] = stripFrame(ua + k * (ub - ua) / n);
    for (double side : {h, -h}) {
        MapSheet sheet{name, false, PickBox::Culled::None, {}};
        sheet.pairs.reserve(table.size());
        for (const StripFrame& frame : table) {
            const Vec3 lifted = frame.centre + side * frame.normal;
            sheet.pairs.push_back(
                {frame.normal, lifted + A * frame.across, lifted + B * frame.across});
        }
        sheet.culled =
            innerSide(sheet.pairs[0], sheet.pairs[1], (side > 0 ? 1.0 : -1.0) * table[0].normal);
        sheets.push_back(std::move(sheet));
    }
}

void MoebiusStrip::addMapLine(double va, double vb, double ua, double ub) {
    const double A = (va - 0.5) * width;
    const double B = (vb - 0.5) * width;
    const double h = thickness / 2;
    const StripFrame start = stripFrame(ua);
    const StripFrame end = stripFrame(ub);
    for (double side : {h, -h}) {
        const Vec3 p0 = start.centre + side * start.normal;
        const Vec3 p1 = end.centre + side * end.normal;
        sheets.push_back({PickBox::unnamedName,
                          true,
                          PickBox::Culled::None,
                          {{start.normal, p0 + A * start.across, p0 + B * start.across},
                           {end.normal, p1 + A * end.across, p1 + B * end.across}}});
    }
}

void MoebiusStrip::updateMap() {
    if (!sheetsBuiltFrom.changes({DrawingKey::of(bend), DrawingKey::of(twist),
                                  DrawingKey::of(flatLength), DrawingKey::of(closedLength),
                                  DrawingKey::of(width), DrawingKey::of(thickness),
                                  DrawingKey::of(lift)}))
        return;
    sheets.clear();
    // The lines come before any name and the edges under name 0: a press on
    // either finds no region.
    for (const strip_map::Piece& line : strip_map::longLines)
        addMapPatch(PickBox::unnamedName, line.va, line.vb, line.ua, line.ub);
    for (const strip_map::Piece& line : strip_map::crossLines)
        addMapLine(line.va, line.vb, line.ua, line.ub);
    for (int k = 1; k <= strip_map::regionCount; ++k) {
        const strip_map::Region& region = strip_map::regions[k - 1];
        for (int i = 0; i < region.pieceCount; ++i) {
            const strip_map::Piece& p = region.pieces[i];
            addMapPatch(k, p.va, p.vb, p.ua, p.ub);
        }
    }
    // The long edges, as every band draws them, seen from both sides.
    const double w = width / 2;
    const double h = thickness / 2;
    for (const StripFace& f : strip_faces::bandEdges) {
        const StripFace face{{f.a * w, f.b * h, f.c * w, f.d * h, f.e, f.f}, f.opening};
        MapSheet sheet{0, false, PickBox::Culled::None, {}};
        sheet.pairs.reserve(frames.size());
        for (std::size_t i = 0; i < frames.size(); ++i)
            sheet.pairs.push_back(faceSample(face, frames[i], double(i) * 0.00390625));
        sheets.push_back(std::move(sheet));
    }
}

Mat4 MoebiusStrip::ownTurn() {
    return rotation(90, 0, 0, 1) * rotation(-90, 0, 1, 0);
}

Vec3 MoebiusStrip::turned(const Vec3& p) {
    static const Mat4 turn = ownTurn();
    const double* m = turn.m;
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

int MoebiusStrip::mapNameAt(PickBox& box, const Mat4& sceneModelview) const {
    box.setModelview(sceneModelview * ownTurn());
    int current = -1;
    for (const MapSheet& sheet : sheets) {
        if (sheet.name != current) {
            box.name(sheet.name);
            current = sheet.name;
        }
        const std::vector<FaceSample>& s = sheet.pairs;
        for (std::size_t i = 0; i + 1 < s.size(); ++i)
            box.quad(s[i].first, s[i].second, s[i + 1].first, s[i + 1].second, sheet.culled);
    }
    return box.nearest();
}
