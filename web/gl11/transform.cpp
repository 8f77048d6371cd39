#include "web/gl11/transform.h"

#include <cmath>

namespace gl11 {

Matrix Matrix::fromColumns(const double* values) {
    Matrix result;
    for (std::size_t k = 0; k < 16; ++k)
        result.m[k] = values[k];
    return result;
}

Matrix operator*(const Matrix& a, const Matrix& b) {
    Matrix product;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += a.at(r, k) * b.at(k, c);
            product.m[std::size_t(c * 4 + r)] = sum;
        }
    return product;
}

Vec4 operator*(const Matrix& a, const Vec4& p) {
    const double in[4] = {p.x, p.y, p.z, p.w};
    double out[4];
    for (int r = 0; r < 4; ++r)
        out[r] = a.at(r, 0) * in[0] + a.at(r, 1) * in[1] + a.at(r, 2) * in[2] + a.at(r, 3) * in[3];
    return {out[0], out[1], out[2], out[3]};
}

Matrix translation(double x, double y, double z) {
    Matrix t;
    t.m[12] = x;
    t.m[13] = y;
    t.m[14] = z;
    return t;
}

Matrix rotation(double angle, double x, double y, double z) {
    const double length = std::sqrt(x * x + y * y + z * z);
    if (length == 0)
        return Matrix{};
    x /= length;
    y /= length;
    z /= length;
    const double radians = angle * (3.14159265358979323846 / 180.0);
    const double c = std::cos(radians), s = std::sin(radians), d = 1 - c;
    const double columns[16] = {x * x * d + c,
                                y * x * d + z * s,
                                z * x * d - y * s,
                                0,
                                x * y * d - z * s,
                                y * y * d + c,
                                z * y * d + x * s,
                                0,
                                x * z * d + y * s,
                                y * z * d - x * s,
                                z * z * d + c,
                                0,
                                0,
                                0,
                                0,
                                1};
    return Matrix::fromColumns(columns);
}

Matrix scaling(double x, double y, double z) {
    Matrix s;
    s.m[0] = x;
    s.m[5] = y;
    s.m[10] = z;
    return s;
}

Matrix orthographic(double left, double right, double bottom, double top, double near, double far) {
    Matrix o;
    o.m[0] = 2 / (right - left);
    o.m[5] = 2 / (top - bottom);
    o.m[10] = -2 / (far - near);
    o.m[12] = -(right + left) / (right - left);
    o.m[13] = -(top + bottom) / (top - bottom);
    o.m[14] = -(far + near) / (far - near);
    return o;
}

Matrix frustum(double left, double right, double bottom, double top, double near, double far) {
    Matrix f;
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

Matrix perspective(double fovy, double aspect, double near, double far) {
    const double half = fovy * (3.14159265358979323846 / 360.0);
    const double sine = std::sin(half);
    if (far == near || sine == 0 || aspect == 0)
        return Matrix{};
    const double cotangent = std::cos(half) / sine;
    Matrix p;
    p.m[0] = cotangent / aspect;
    p.m[5] = cotangent;
    p.m[10] = -(far + near) / (far - near);
    p.m[11] = -1;
    p.m[14] = -2 * near * far / (far - near);
    p.m[15] = 0;
    return p;
}

Matrix pickRegion(double x, double y, double width, double height, const int viewport[4]) {
    if (width <= 0 || height <= 0)
        return Matrix{};
    // Move the region's centre to the origin, then widen it to the volume.
    return translation((viewport[2] - 2 * (x - viewport[0])) / width,
                       (viewport[3] - 2 * (y - viewport[1])) / height, 0) *
           scaling(viewport[2] / width, viewport[3] / height, 1);
}

std::array<std::array<double, 3>, 3> normalMatrix(const Matrix& modelview) {
    double a[3][3];
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            a[r][c] = modelview.at(r, c);
    const double det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
                       a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
                       a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    std::array<std::array<double, 3>, 3> n{};
    if (det == 0)
        return n;
    // The inverse's transpose is the cofactor matrix over the determinant.
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const int r1 = (r + 1) % 3, r2 = (r + 2) % 3, c1 = (c + 1) % 3, c2 = (c + 2) % 3;
            n[std::size_t(r)][std::size_t(c)] =
                (a[r1][c1] * a[r2][c2] - a[r1][c2] * a[r2][c1]) / det;
        }
    return n;
}

} // namespace gl11
