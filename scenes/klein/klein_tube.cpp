#include "scenes/klein/klein_tube.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double quarterTurn = 1.5707963267948966;
// Half the step of the central difference that gives the spine's tangent.
constexpr double tangentStep = 0.001;
// How far inside the curve the side direction is taken where the tangent is
// vertical (the ends of the closed bottle, where only the radius changes).
constexpr double insideStep = 0.1;
constexpr double verticalTangent = 0.00001;
// The narrowest closure of the rolled rectangle: its 50 columns then span an
// arc of 2 pi / 100 radians on a circle 100 times the tube's radius.
constexpr double flattest = 0.01;

// The value unchanged, or 0 where it is not a number or infinite: a morph or
// flattening out of range must not poison the whole mesh.
double finiteOrZero(double v) {
    return std::isfinite(v) ? v : 0.0;
}

// The curve's parameter and scale for the bending phases.
struct Phases {
    double s1 = 1, s2 = 1, s3 = 1;
    double scale = 1.1;
};

Phases phasesOf(int stage, double morph) {
    Phases p;
    if (stage == RollRectangle) {
        p.s1 = p.s2 = p.s3 = 0;
        p.scale = 0.6;
    } else if (stage == BendTube) {
        const double m = std::clamp(finiteOrZero(morph), 0.0, 1.0);
        const double x = 3 * m;
        if (x < 1) {
            p.s1 = x;
            p.s2 = p.s3 = 0;
        } else {
            p.s1 = 1;
            if (x < 2) {
                p.s2 = x - 1;
                p.s3 = 0;
            } else {
                p.s2 = 1;
                p.s3 = x <= 3 ? x - 2 : 1;
            }
        }
        // 1.1 - 0.6 as double arithmetic gives it, so R ends exactly at 1.1.
        p.scale = 0.6 + 0.5000000000000001 * m;
    }
    return p;
}

// a scaled to unit length, or a unchanged when it has none.
Vec3 unitOr(const Vec3& a, const Vec3& fallback) {
    const double l = length(a);
    return l > 0 && std::isfinite(l) ? a * (1.0 / l) : fallback;
}

} // namespace

KleinTube::KleinTube(KleinStage initialStage, int rowCount, int columnCount)
    : controlPoints(9), knots(13), rows(std::max(rowCount, 2)), columns(std::max(columnCount, 2)),
      stage(initialStage) {
    frames.resize(std::size_t(rows));
    vertices.resize(std::size_t(rows) * std::size_t(columns));
    normals.resize(vertices.size());
    // Clamped and uniform: degree + 1 zeros, the interior knots, degree + 1 ones.
    const int spans = controlPointCount - degree;
    for (int k = 0; k < knotCount; ++k) {
        if (k <= degree)
            knots[k] = 0;
        else if (k >= controlPointCount)
            knots[k] = 1;
        else
            knots[k] = double(k - degree) / spans;
    }
    buildSpine();
    buildSurface();
}

void KleinTube::setControlPoint(int i, const Vec3& point) {
    if (i >= 0 && i < controlPointCount)
        controlPoints[i] = point;
}

Vec3 KleinTube::evaluate(double u) const {
    u = std::clamp(finiteOrZero(u), 0.0, 1.0);
    const int n = controlPointCount - 1;
    // The knot span holding u; u at the last knot belongs to the last
    // non-empty span.
    int span;
    if (u >= knots[n + 1]) {
        span = n;
    } else {
        int low = degree, high = n + 1;
        span = (low + high) / 2;
        while (u < knots[span] || u >= knots[span + 1]) {
            if (u < knots[span])
                high = span;
            else
                low = span;
            span = (low + high) / 2;
        }
    }
    // Cox-de Boor: the degree + 1 basis functions that are non-zero at u.
    double basis[4] = {1, 0, 0, 0};
    double left[4] = {0, 0, 0, 0};
    double right[4] = {0, 0, 0, 0};
    for (int j = 1; j <= degree; ++j) {
        left[j] = u - knots[span + 1 - j];
        right[j] = knots[span + j] - u;
        double saved = 0;
        for (int r = 0; r < j; ++r) {
            const double denominator = right[r + 1] + left[j - r];
            const double temp = denominator != 0 ? basis[r] / denominator : 0;
            basis[r] = saved + right[r + 1] * temp;
            saved = left[j - r] * temp;
        }
        basis[j] = saved;
    }
    Vec3 point;
    for (int j = 0; j <= degree; ++j)
        point = point + basis[j] * controlPoints[span - degree + j];
    return point;
}

KleinTube::PointAndTangent KleinTube::evaluateWithTangent(double u) const {
    const Vec3 d = evaluate(u + tangentStep) - evaluate(u - tangentStep);
    // The curve never stands still in any stage of the bottle; should a
    // stage ever make it, the loop's x direction stands in.
    return {evaluate(u), unitOr(d, {1, 0, 0})};
}

void KleinTube::buildSpine() {
    const Phases p = phasesOf(stage, morph);
    const double R = p.scale;
    const double c1 = std::cos(p.s1 * quarterTurn), n1 = std::sin(p.s1 * quarterTurn);
    const double c3 = std::cos(p.s3 * quarterTurn), n3 = std::sin(p.s3 * quarterTurn);
    const double flare = 0.7 * R;
    const double neck = 0.2 * R;
    const double body = neck + flare + flare;
    // The second half of the loop turns by theta1, 2 theta1 and 3 theta1 leg
    // by leg; e is the last leg turned back by theta1.
    const Vec3 d1{c1, n1, 0};
    const Vec3 d2{c1 * c1 - n1 * n1, 2 * n1 * c1, 0};
    const Vec3 d3{d2.x * c1 - d2.y * n1, d2.y * c1 + d2.x * n1, 0};
    const Vec3 e{d3.x * c1 + d3.y * n1, d3.y * c1 - d3.x * n1, 0};

    Vec3 q[9];
    q[0] = {-2 * R - flare * c3, 0, body - flare * n3};
    q[1] = {-2 * R, 0, body};
    q[2] = {0, 0, body};
    q[3] = {2.5 * R, 0, (1 - p.s1) * body + p.s1 * neck};
    q[4] = q[3] + 2 * R * d1;
    q[5] = q[4] + 2.5 * R * d2;
    q[6] = q[5] + 2 * R * d3;
    q[7] = q[6] + 2 * R * e;
    q[8] = q[7] + flare * c3 * e + Vec3{0, 0, flare * n3};
    const double mirror = stage == MirroredBottle ? -1 : 1;
    for (int i = 0; i < 9; ++i)
        setControlPoint(i, {mirror * q[i].x, q[i].y, q[i].z});

    const Vec3 up{0, 0, 1};
    for (int j = 0; j < rows; ++j) {
        const double u = j * (1 + p.s2) * 0.5 / (rows - 1);
        const PointAndTangent pt = evaluateWithTangent(u);
        Vec3 flat{pt.tangent.x, pt.tangent.y, 0};
        if (flat.x * flat.x + flat.y * flat.y < verticalTangent) {
            const Vec3 inside =
                evaluateWithTangent(u < 0.5 ? u + insideStep : u - insideStep).tangent;
            flat = {inside.x, inside.y, 0};
        }
        // A horizontal direction is always there for the bottle's curves;
        // the previous row's side stands in should one ever vanish.
        const Vec3 previous = j > 0 ? frames[j - 1].side : Vec3{0, -1, 0};
        const Vec3 side = unitOr(cross(flat, up), previous);
        const Vec3 N = cross(pt.tangent, side);
        SpineFrame& f = frames[j];
        f.centre = {pt.point.x, pt.point.y, 0};
        f.point = pt.point;
        f.up = up;
        f.along = {-side.y, side.x, 0};
        f.side = side;
        f.normalFlat = {N.x, N.y, 0};
        f.normalRise = N.z;
        f.radius = pt.point.z;
    }
}

void KleinTube::buildSurface() {
    double start = -pi, end = pi, closure = 1;
    if (stage == RollRectangle)
        closure = std::clamp(finiteOrZero(morph), 0.0, 1.0) * 0.99 + flattest;
    const double c = std::clamp(finiteOrZero(halfFlattening), 0.0, 1.0);
    const bool half = c > 0;
    if (half) {
        start = -pi / 2;
        end = pi / 2;
        closure = 1 - 0.99 * c;
    }
    for (int i = 0; i < columns; ++i) {
        const double t = double(i) / (columns - 1);
        const double phi = ((1 - t) * start + t * end) * closure;
        const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
        for (int j = 0; j < rows; ++j) {
            const SpineFrame& f = frames[j];
            const Vec3 around = sinPhi * f.side + cosPhi * f.up;
            const Vec3 tubeNormal = f.normalFlat + f.normalRise * around;
            Vec3& vertex = vertices[index(j, i)];
            Vec3& normal = normals[index(j, i)];
            if (!half) {
                double r = f.radius;
                Vec3 centre = f.centre;
                if (closure < 1) {
                    // A wider circle through the same spine point: the arc
                    // keeps the tube's circumference as its width.
                    r = f.radius / closure;
                    centre = f.point - r * f.up;
                }
                vertex = centre + r * sinPhi * f.side + r * cosPhi * f.up;
                normal = tubeNormal;
            } else {
                // The half tube, blended with the same half laid out flat
                // across the loop as a strip of width 1.
                const Vec3 onTube = f.centre + f.radius * around;
                const Vec3 laidFlat = f.centre + (t - 0.5) * f.side + f.radius * cosPhi * f.up;
                vertex = closure * onTube + (1 - closure) * laidFlat;
                const Vec3 flatNormal = f.normalFlat + f.normalRise * f.up;
                normal = unitOr(closure * tubeNormal + (1 - closure) * flatNormal, f.up);
            }
        }
    }
}

void mirrorHalf(const std::vector<Vec3>& vertices, const std::vector<Vec3>& normals,
                std::vector<Vec3>& mirroredVertices, std::vector<Vec3>& mirroredNormals) {
    mirroredVertices.resize(vertices.size());
    mirroredNormals.resize(normals.size());
    for (std::size_t k = 0; k < vertices.size(); ++k)
        mirroredVertices[k] = {vertices[k].x, vertices[k].y, -vertices[k].z};
    for (std::size_t k = 0; k < normals.size(); ++k)
        mirroredNormals[k] = {-normals[k].x, -normals[k].y, normals[k].z};
}

HalvesMotion halvesMotion(double v) {
    v = std::clamp(finiteOrZero(v), 0.0, 1.0);
    HalvesMotion m;
    m.apart = 2 * v;
    m.flattening = v != 0 ? 0.00001 : 0;
    if (m.apart > 1) {
        m.flattening = m.apart - 1;
        m.apart = 1;
    }
    return m;
}
