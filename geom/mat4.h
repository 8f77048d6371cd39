#pragma once
// 4x4 matrices as GL's matrix calls and GLU build them: column-major, element
// (row r, column c) at m[c * 4 + r], angles in degrees. Pure.

#include "geom/vec.h"

#include <array>

// a times b: b applies first, as glMultMatrix puts b on the right.
Mat4 operator*(const Mat4& a, const Mat4& b);
inline double element(const Mat4& a, int row, int column) {
    return a.m[column * 4 + row];
}
Mat4 fromColumns(const double* values);
Mat4 fromFloats(const std::array<float, 16>& m);

Mat4 translation(double x, double y, double z);
// A turn by degrees about the axis (x, y, z); a zero axis turns nothing.
Mat4 rotation(double degrees, double x, double y, double z);
Mat4 scaling(double x, double y, double z);
Mat4 orthographic(double left, double right, double bottom, double top, double near, double far);
Mat4 frustum(double left, double right, double bottom, double top, double near, double far);
// gluPerspective's matrix; a degenerate request (zero aspect, near = far)
// gives the identity.
Mat4 perspective(double fovyDegrees, double aspect, double zNear, double zFar);
