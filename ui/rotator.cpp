#include "ui/rotator.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double degreesToRadians = 0.017453292519943295;

Vec3 column(const float* m, int c) {
    return {m[4 * c], m[4 * c + 1], m[4 * c + 2]};
}

void storeColumn(float* m, int c, const Vec3& v) {
    m[4 * c] = static_cast<float>(v.x);
    m[4 * c + 1] = static_cast<float>(v.y);
    m[4 * c + 2] = static_cast<float>(v.z);
}

// Rotation of `degrees` about the unit axis a, as a row-major 3x3 (the matrix
// glRotate builds).
struct Mat3 {
    double r[3][3];
};

Mat3 axisRotation(double degrees, const Vec3& a) {
    const double rad = degrees * degreesToRadians;
    const double c = std::cos(rad), s = std::sin(rad), k = 1.0 - c;
    return {{{a.x * a.x * k + c, a.x * a.y * k - a.z * s, a.x * a.z * k + a.y * s},
             {a.y * a.x * k + a.z * s, a.y * a.y * k + c, a.y * a.z * k - a.x * s},
             {a.z * a.x * k - a.y * s, a.z * a.y * k + a.x * s, a.z * a.z * k + c}}};
}

// Left-multiplies the rotation part of the column-major m by the rotation
// of angle degrees about the unit axis n.
void rotateColumns(float* m, const Vec3& n, double angle) {
    // Build the plane of the rotation from the coordinate axis least aligned with n.
    const double ax = std::fabs(n.x), ay = std::fabs(n.y), az = std::fabs(n.z);
    Vec3 e;
    if (ax < ay)
        e = ax < az ? Vec3{1, 0, 0} : Vec3{0, 0, 1};
    else
        e = az <= ay ? Vec3{0, 0, 1} : Vec3{0, 1, 0};
    const Vec3 u = normalised(e - dot(e, n) * n);
    const Vec3 w = cross(n, u);
    const double rad = angle * degreesToRadians;
    const double c = std::cos(rad), s = std::sin(rad);
    for (int col = 0; col < 3; ++col)
        storeColumn(m, col, rotateInPlane(column(m, col), u, w, c, s));
}

// Stores into m the rotation whose first two columns are about c0 and c1.
// Products of rotations stored in single precision drift away from a
// rotation by a little each time; an exhibit turned for days would shear and
// shrink its model. Gram-Schmidt in double precision keeps the orientation a
// rotation however often it is turned.
void storeRotation(float* m, Vec3 c0, Vec3 c1) {
    c0 = normalised(c0);
    c1 = normalised(c1 - dot(c0, c1) * c0);
    storeColumn(m, 0, c0);
    storeColumn(m, 1, c1);
    storeColumn(m, 2, cross(c0, c1));
}

Vec3 times(const Mat3& m, const Vec3& v) {
    return {m.r[0][0] * v.x + m.r[0][1] * v.y + m.r[0][2] * v.z,
            m.r[1][0] * v.x + m.r[1][1] * v.y + m.r[1][2] * v.z,
            m.r[2][0] * v.x + m.r[2][1] * v.y + m.r[2][2] * v.z};
}

} // namespace

Rotator::Rotator()
    : matrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, startMatrix{1, 0, 0, 0, 0, 1, 0, 0,
                                                                          0, 0, 1, 0, 0, 0, 0, 1} {}

Rotator::Rotator(double yaw, double pitch) : Rotator() {
    rotateAboutAxis({0, 1, 0}, yaw);
    rotateAboutAxis({1, 0, 0}, pitch);
    rememberStart();
}

void Rotator::rotateAboutAxis(const Vec3& axis, double angle) {
    rotateColumns(matrix, axis * (1.0 / length(axis)), angle);
}

void Rotator::turn(double dx, double dy) {
    // The angles pass through float, as they would on their way into glRotatef;
    // whole turns are taken off first so that a long turn keeps its precision.
    const Mat3 r = axisRotation(static_cast<float>(std::fmod(dx, 360.0)), {0, 1, 0});
    const Mat3 p = axisRotation(static_cast<float>(std::fmod(-dy, 360.0)), {1, 0, 0});
    storeRotation(matrix, times(r, times(p, column(matrix, 0))),
                  times(r, times(p, column(matrix, 1))));
}

std::array<float, 16> Rotator::orientationAt(Millis now) const {
    std::array<float, 16> m;
    std::copy(matrix, matrix + 16, m.begin());
    if (angle.rate() != 0.0)
        rotateColumns(m.data(), axis, std::fmod(angle.at(now), 360.0));
    return m;
}

void Rotator::spin(Vec2 newRate, Millis now) {
    // The spin so far becomes the orientation the next one starts from.
    const std::array<float, 16> here = orientationAt(now);
    std::copy(here.begin(), here.end(), matrix);
    storeRotation(matrix, column(matrix, 0), column(matrix, 1));
    rate = newRate;
    angle.set(0);
    // A drag turns by x about the vertical axis and by -y about the
    // horizontal one; a spin at a constant rate turns about their sum.
    const Vec3 turning{-rate.y, rate.x, 0};
    const double speed = length(turning);
    if (speed > 0) {
        axis = turning * (1.0 / speed);
        angle.steer(speed, now);
    }
}

void Rotator::rememberStart() {
    std::copy(matrix, matrix + 16, startMatrix);
}

void Rotator::reset() {
    std::copy(startMatrix, startMatrix + 16, matrix);
    rate = {0, 0};
    angle.set(0);
}

void Rotator::press(Vec2 p, Millis now) {
    spin({0, 0}, now);
    lastPoint = p;
    samples.restart(p, now);
}

void Rotator::drag(Vec2 p, Millis now) {
    const double dx = p.x - lastPoint.x;
    const double dy = p.y - lastPoint.y;
    lastPoint = p;
    turn(dx, dy);
    samples.append(p, now);
}

void Rotator::release(Vec2 p, Millis now) {
    if (const auto velocity = samples.velocity(p, now))
        spin(*velocity, now);
}
