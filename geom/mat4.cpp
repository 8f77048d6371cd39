#include "geom/mat4.h"

#include <algorithm>
#include <cmath>

Mat4 fromColumns(const double* values) {
    Mat4 r;
    std::copy(values, values + 16, r.m);
    return r;
}

Mat4 operator*(const Mat4& a, const Mat4& b) {
    Mat4 r;
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += a.m[k * 4 + row] * b.m[column * 4 + k];
            r.m[column * 4 + row] = sum;
        }
    return r;
}

Mat4 translation(double x, double y, double z) {
    Mat4 r;
    r.m[12] = x;
    r.m[13] = y;
    r.m[14] = z;
    return r;
}

Mat4 rotation(double degrees, double x, double y, double z) {
    const double l = std::sqrt(x * x + y * y + z * z);
    if (l == 0)
        return {};
    x /= l;
    y /= l;
    z /= l;
    const double radians = degrees * (pi / 180);
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double t = 1 - c;
    Mat4 r;
    r.m[0] = x * x * t + c;
    r.m[1] = y * x * t + z * s;
    r.m[2] = x * z * t - y * s;
    r.m[4] = x * y * t - z * s;
    r.m[5] = y * y * t + c;
    r.m[6] = y * z * t + x * s;
    r.m[8] = x * z * t + y * s;
    r.m[9] = y * z * t - x * s;
    r.m[10] = z * z * t + c;
    return r;
}

Mat4 perspective(double fovyDegrees, double aspect, double zNear, double zFar) {
    const double half = fovyDegrees / 2 * (pi / 180);
    const double sine = std::sin(half);
    if (zFar == zNear || sine == 0 || aspect == 0)
        return {};
    const double cotangent = std::cos(half) / sine;
    Mat4 r;
    r.m[0] = cotangent / aspect;
    r.m[5] = cotangent;
    r.m[10] = -(zFar + zNear) / (zFar - zNear);
    r.m[11] = -1;
    r.m[14] = -2 * zNear * zFar / (zFar - zNear);
    r.m[15] = 0;
    return r;
}

Mat4 fromFloats(const std::array<float, 16>& m) {
    Mat4 r;
    std::copy(m.begin(), m.end(), r.m);
    return r;
}

Mat4 scaling(double x, double y, double z) {
    Mat4 s;
    s.m[0] = x;
    s.m[5] = y;
    s.m[10] = z;
    return s;
}

Mat4 orthographic(double left, double right, double bottom, double top, double near, double far) {
    Mat4 o;
    o.m[0] = 2 / (right - left);
    o.m[5] = 2 / (top - bottom);
    o.m[10] = -2 / (far - near);
    o.m[12] = -(right + left) / (right - left);
    o.m[13] = -(top + bottom) / (top - bottom);
    o.m[14] = -(far + near) / (far - near);
    return o;
}

Mat4 frustum(double left, double right, double bottom, double top, double near, double far) {
    Mat4 f;
    f.m[0] = 2 * near / (right - left);
    f.m[5] = 2 * near / (top - bottom);
    f.m[8] = (right + left) / (right - left);
    f.m[9] = (top + bottom) / (top - bottom);
    f.m[10] = -(far + near) / (far - near);
    f.m[11] = -1;
    f.m[14] = -2 * far * near / (far - near);
    f.m[15] = 0;
    return f;
}
