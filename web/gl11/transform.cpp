#include "web/gl11/transform.h"

#include <cmath>

namespace gl11 {

Vec4 operator*(const Matrix& a, const Vec4& p) {
    const double in[4] = {p.x, p.y, p.z, p.w};
    double out[4];
    for (int r = 0; r < 4; ++r)
        out[r] = element(a, r, 0) * in[0] + element(a, r, 1) * in[1] + element(a, r, 2) * in[2] +
                 element(a, r, 3) * in[3];
    return {out[0], out[1], out[2], out[3]};
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
            a[r][c] = element(modelview, r, c);
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
