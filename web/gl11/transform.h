#pragma once
// The matrix arithmetic of GL 1.1 and GLU in double precision: 4x4 matrices
// in GL's column-major order, the calls that multiply onto a matrix
// (translate, rotate, scale, ortho, frustum, gluPerspective, gluPickMatrix),
// and points carried through them. Angles are degrees, as GL takes them.

#include "geom/mat4.h"

#include <array>

namespace gl11 {

struct Vec4 {
    double x = 0, y = 0, z = 0, w = 1;
};

// GL's matrices are the model's: the same arithmetic builds both.
using Matrix = ::Mat4;
using ::fromColumns;
using ::frustum;
using ::orthographic;
using ::perspective;
using ::rotation;
using ::scaling;
using ::translation;
using ::operator*;

Vec4 operator*(const Matrix& a, const Vec4& p);

// The region of width by height pixels about (x, y) in the viewport (x, y,
// width, height) stretched over the whole clip volume; nothing for an empty region.
Matrix pickRegion(double x, double y, double width, double height, const int viewport[4]);

// The matrix that carries normals: the inverse transpose of the upper 3x3,
// given row-major as n[row][column]. A singular matrix gives zeros.
std::array<std::array<double, 3>, 3> normalMatrix(const Matrix& modelview);

} // namespace gl11
