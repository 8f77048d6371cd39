#include "scenes/ring/ring_geometry.h"

#include <cmath>

namespace ring {

namespace {

// The count of (1 - cut) * whole, truncated, held to 0 .. whole. A cut that
// is not a number leaves everything, like a cut of 0.
int keptOf(double cut, int whole) {
    if (!(cut > 0))
        return whole;
    if (cut >= 1)
        return 0;
    const int n = int((1 - cut) * whole);
    return n < whole ? n : whole;
}

} // namespace

RingFrame ringFrame(double t, double phi) {
    const double theta = 4 * pi * t;
    const double psi = 3 * pi * t + phi;
    const Vec3 R{std::cos(theta), std::sin(theta), 0};
    const Vec3 Z{0, 0, 1};
    const double c = std::cos(psi), s = std::sin(psi);
    RingFrame F;
    F.centre = 2.5 * R;
    F.tangent = {-R.y, R.x, 0};
    F.across = c * R + s * Z;
    F.normal = -s * R + c * Z;
    return F;
}

int bandPairCount(double cut) {
    return keptOf(cut, bandPairs);
}

double bandParameter(int pair) {
    return pair / double(bandPairs - 1);
}

WindowProfile windowProfile(double pair) {
    // Whole for a whole pair, so the screen's pairs get exactly the numbers
    // of whole arithmetic.
    const double j = std::fmod(pair, windowPeriod);
    WindowProfile p;
    if (!(j <= windowPairs - 1))
        return p;
    p.u = (16 - j) / 16.0;
    p.wall = std::sqrt(1 - p.u * p.u);
    p.halfWidth = windowHalfWidth * p.wall;
    return p;
}

void sheetStrip(int mode, const std::vector<RingFrame>& frames, std::vector<StripPair>& out) {
    out.clear();
    const double s = mode & sheetSide ? 1 : -1;
    const double r = mode & sheetUpper ? 1 : -1;
    const double k = sheetOffset * r * s;
    for (int i = 0; i < int(frames.size()); ++i) {
        const RingFrame& F = frames[std::size_t(i)];
        const WindowProfile w = windowProfile(i);
        const Vec3 windowEdge = F.centre + s * w.halfWidth * F.across;
        StripPair p;
        if (mode & sheetRims) {
            p.firstNormal = s * w.wall * F.across - w.u * F.tangent;
            p.first = windowEdge - k * F.normal;
            p.second = windowEdge + k * F.normal;
        } else {
            p.firstNormal = s * F.normal;
            p.first = windowEdge + k * F.normal;
            p.second = F.centre + bandHalfWidth * s * F.across + k * F.normal;
        }
        p.secondNormal = p.firstNormal;
        out.push_back(p);
    }
}

bool pairMarkedCut(int pair, int pairCount) {
    return pair < 3 || pair >= pairCount - 4;
}

std::array<std::array<Vec3, 4>, 2> cutFaces(const RingFrame& F, double w) {
    const Vec3 up = sheetOffset * F.normal;
    const Vec3 in = F.centre + w * F.across;
    const Vec3 out = F.centre + bandHalfWidth * F.across;
    const Vec3 mirrorIn = F.centre - w * F.across;
    const Vec3 mirrorOut = F.centre - bandHalfWidth * F.across;
    return {{{in + up, out + up, out - up, in - up},
             {mirrorIn - up, mirrorOut - up, mirrorOut + up, mirrorIn + up}}};
}

int edgeSegmentCount(double cut) {
    return keptOf(cut, edgeSegments);
}

void edgeSegmentStrip(const RingFrame& start, const RingFrame& end, std::vector<StripPair>& out) {
    static const struct Angles {
        double cosines[edgeRingVertices];
        double sines[edgeRingVertices];
        Angles() {
            for (int a = 0; a < edgeRingVertices; ++a) {
                const double alpha = a * 2 * pi / (edgeRingVertices - 1);
                cosines[a] = std::cos(alpha);
                sines[a] = std::sin(alpha);
            }
        }
    } angles;
    out.clear();
    const Vec3 startEdge = start.centre + bandHalfWidth * start.across;
    const Vec3 endEdge = end.centre + bandHalfWidth * end.across;
    for (int a = 0; a < edgeRingVertices; ++a) {
        StripPair p;
        p.firstNormal = angles.sines[a] * start.normal + angles.cosines[a] * start.across;
        p.secondNormal = angles.sines[a] * end.normal + angles.cosines[a] * end.across;
        p.first = startEdge + edgeTubeRadius * p.firstNormal;
        p.second = endEdge + edgeTubeRadius * p.secondNormal;
        out.push_back(p);
    }
}

} // namespace ring
