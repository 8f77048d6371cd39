#include "scenes/moebius/wheel_model.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double rimRadius = 0.24;
constexpr double spokeRadius = 0.02;
constexpr double halfWidth = 0.03;
// Around the rim and around a spoke on screen; the last repeats the first.
constexpr int rimSteps = 29;
constexpr int spokeSteps = 14;

// Appends a strip of points given in pairs (first, second) for each of count
// steps as the quads between consecutive pairs.
template <typename Pair> void addStrip(WheelPart& part, int count, Pair pair) {
    const unsigned start = unsigned(part.points.size());
    for (int i = 0; i < count; ++i) {
        const double angle = 6.283185307179586 * i / (count - 1);
        Vec3 first, second, normal;
        pair(std::cos(angle), std::sin(angle), first, second, normal);
        part.points.push_back(first);
        part.points.push_back(second);
        part.normals.push_back(normal);
        part.normals.push_back(normal);
    }
    for (unsigned i = 0; i + 1 < unsigned(count); ++i) {
        const unsigned a = start + 2 * i;
        part.quads.insert(part.quads.end(), {a, a + 1, a + 3, a + 2});
    }
}

// Which way the part's first quad is wound, against the direction out of
// the body there.
void orient(WheelPart& part, const Vec3& outward) {
    const Vec3& p0 = part.points[0];
    const Vec3 winding = cross(part.points[1] - p0, part.points[2] - p0);
    part.outsideCounterClockwise = dot(winding, outward) > 0;
}

} // namespace

WheelModel buildWheelModel(int detail) {
    const int rimPoints = rimSteps * std::max(detail, 1) + 1;
    const int spokePoints = spokeSteps * std::max(detail, 1) + 1;
    WheelModel w;
    for (WheelPart* part : {&w.tyre, &w.rim}) {
        const double r = part == &w.tyre ? wheelRadius : rimRadius;
        addStrip(*part, rimPoints, [r](double c, double s, Vec3& a, Vec3& b, Vec3& n) {
            a = {r * c, r * s, halfWidth};
            b = {r * c, r * s, -halfWidth};
            n = {c, s, 0};
        });
    }
    // The tyre looks away from the axle, the rim towards it.
    orient(w.tyre, {1, 0, 0});
    orient(w.rim, {-1, 0, 0});
    for (WheelPart* part : {&w.topSide, &w.bottomSide}) {
        const double z = part == &w.topSide ? halfWidth : -halfWidth;
        addStrip(*part, rimPoints, [z](double c, double s, Vec3& a, Vec3& b, Vec3& n) {
            a = {rimRadius * c, rimRadius * s, z};
            b = {wheelRadius * c, wheelRadius * s, z};
            n = {0, 0, 1};
        });
    }
    orient(w.topSide, {0, 0, 1});
    orient(w.bottomSide, {0, 0, -1});
    // Along y from the hub to the rim, then turned by a third and two thirds.
    for (double turn : {0.0, 2.0943951023931957, 4.1887902047863905}) {
        const double ct = std::cos(turn);
        const double st = std::sin(turn);
        auto turned = [&](const Vec3& v) {
            return Vec3{ct * v.x - st * v.y, st * v.x + ct * v.y, v.z};
        };
        addStrip(w.spokes, spokePoints, [&](double c, double s, Vec3& a, Vec3& b, Vec3& n) {
            a = turned({spokeRadius * c, rimRadius, spokeRadius * s});
            b = turned({spokeRadius * c, 0, spokeRadius * s});
            n = turned({c, 0, s});
        });
    }
    // Thin tubes whose ends are buried in the hub and the rim: their far
    // sides never show either.
    orient(w.spokes, {1, 0, 0});
    return w;
}

const WheelModel& wheelModel() {
    static const WheelModel model = buildWheelModel(1);
    return model;
}

WheelPlacement wheelPlacement(const StripFrame& frame, double thickness, double distance) {
    // In the frame (D, N, D x N) at P: lifted onto the face by half the
    // thickness, turned a quarter about N so that the axle z runs along D,
    // raised by the radius so that the tyre touches the face, and turned
    // about the axle by the roll.
    const double roll = MoebiusStrip::wheelRollDegrees(distance) * (pi / 180);
    const double cr = std::cos(roll);
    const double sr = std::sin(roll);
    const Vec3& D = frame.across;
    const Vec3& N = frame.normal;
    const Vec3 B = cross(D, N);
    return {frame.centre + (thickness / 2 + wheelRadius) * N, sr * N - cr * B, cr * N + sr * B, D};
}

std::vector<WheelPlacement> wheelPlacements(const MoebiusStrip& strip, Millis now) {
    std::vector<WheelPlacement> placements;
    for (double x : strip.wheelPositions(now))
        placements.push_back(
            wheelPlacement(strip.stripFrame(x), strip.thickness, x * strip.closedLength));
    return placements;
}
