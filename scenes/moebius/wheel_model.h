#pragma once
// The little wheel that rolls on the Moebius strip, as data: a tyre and a rim
// (open cylinders of radius 0.3 and 0.24, 0.06 wide about the axle z), the
// two flat rings between them and three spokes, each part a list of quads.
// And where one wheel stands: on the +N face of the band at a frame, its
// axle along the band's width, turned by how far it has rolled. Pure: no GL.

#include "geom/vec.h"
#include "scenes/moebius/moebius_strip.h"

#include <vector>

// Points with their normals, and quads as four indices into them, all wound
// the same way.
struct WheelPart {
    std::vector<Vec3> points;
    std::vector<Vec3> normals;
    std::vector<unsigned> quads;
    // Whether the quads run counter-clockwise seen from outside. The body of
    // tyre, rim and sides is closed and the spokes' ends are buried in the hub
    // and the rim, so no inside ever shows.
    bool outsideCounterClockwise = true;
};

// The parts in the order of their materials: tyre and rim, the two sides,
// the spokes.
struct WheelModel {
    WheelPart tyre;
    WheelPart rim;
    WheelPart topSide;
    WheelPart bottomSide;
    WheelPart spokes;
};
// The wheel as drawn (30 points around the rim, 15 around a spoke, the
// last repeating the first), shared.
const WheelModel& wheelModel();
// The same with detail times as many steps around the rim and the spokes.
WheelModel buildWheelModel(int detail);

constexpr double wheelRadius = 0.3;
// The wheel's colours as drawn (red, green, blue, 0 to 1): tyre and rim,
// the two sides, the spokes.
constexpr Vec3 tyreColour{0.5, 0.5, 0.7};
constexpr Vec3 sideColour{0.5, 0.5, 0.9};
constexpr Vec3 spokeColour{0.8, 0.7, 0.8};

// Where the wheel's own axes and centre go: a point p of the model is placed
// at origin + p.x ex + p.y ey + p.z ez (a rotation and a translation).
struct WheelPlacement {
    Vec3 origin;
    Vec3 ex, ey, ez;

    Vec3 point(const Vec3& p) const { return origin + p.x * ex + p.y * ey + p.z * ez; }
    Vec3 direction(const Vec3& d) const { return d.x * ex + d.y * ey + d.z * ez; }
};
// The wheel standing on the +N face of a band of the given thickness at the
// frame, having rolled through the distance (model units).
WheelPlacement wheelPlacement(const StripFrame& frame, double thickness, double distance);
// Every wheel of the strip where it stands at now, oldest first.
std::vector<WheelPlacement> wheelPlacements(const MoebiusStrip& strip, Millis now);
