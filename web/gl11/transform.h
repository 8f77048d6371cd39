#pragma once
// The matrix arithmetic of GL 1.1 and GLU in double precision: 4x4 matrices
// in GL's column-major order, the calls that multiply onto a matrix
// (translate, rotate, scale, ortho, frustum, gluPerspective, gluPickMatrix),
// and points carried through them. Angles are degrees, as GL takes them.

#include <array>

namespace gl11 {

struct Vec4 {
    double x = 0, y = 0, z = 0, w = 1;
};

// Column-major: element (row r, column c) is m[c * 4 + r].
struct Matrix {
    std::array<double, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    static Matrix fromColumns(const double* values);
    double at(int row, int column) const { return m[std::size_t(column * 4 + row)]; }
};

// a times b: b applies first, as glMultMatrix puts b on the right.
Matrix operator*(const Matrix& a, const Matrix& b);
Vec4 operator*(const Matrix& a, const Vec4& p);

Matrix translation(double x, double y, double z);
// A turn by angle degrees about the axis (x, y, z); a zero axis turns nothing.
Matrix rotation(double angle, double x, double y, double z);
Matrix scaling(double x, double y, double z);
Matrix orthographic(double left, double right, double bottom, double top, double near, double far);
Matrix frustum(double left, double right, double bottom, double top, double near, double far);
// fovy in degrees; a degenerate request (zero aspect, near = far) gives the identity.
Matrix perspective(double fovy, double aspect, double near, double far);
// The region of width by height pixels about (x, y) in the viewport (x, y,
// width, height) stretched over the whole clip volume; nothing for an empty region.
Matrix pickRegion(double x, double y, double width, double height, const int viewport[4]);

// The matrix that carries normals: the inverse transpose of the upper 3x3,
// given row-major as n[row][column]. A singular matrix gives zeros.
std::array<std::array<double, 3>, 3> normalMatrix(const Matrix& modelview);

} // namespace gl11
