#pragma once
// Small value types for the geometry of the program: points and directions in
// model space (Vec3), overlay pixels and pointer velocities (Vec2), and a 4x4
// column-major matrix (Mat4). Everything is double precision and pure.

#include <cmath>

// The exact constant, for trigonometry in radians.
constexpr double pi = 3.14159265358979323846;

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    // The three doubles are contiguous, so data() can go to glVertex3dv.
    const double* data() const { return &x; }
};

struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};

// OpenGL column-major order; default-constructed as the identity.
struct Mat4 {
    double m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};

inline Vec3 operator+(const Vec3& a, const Vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(const Vec3& a, const Vec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(const Vec3& a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline Vec3 operator*(double s, const Vec3& a) {
    return a * s;
}
inline double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(const Vec3& a) {
    return std::sqrt(dot(a, a));
}
// No zero guard: callers only normalise vectors that cannot vanish.
inline Vec3 normalised(const Vec3& a) {
    return a * (1.0 / length(a));
}

inline Vec2 operator+(const Vec2& a, const Vec2& b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(const Vec2& a, const Vec2& b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(const Vec2& a, double s) {
    return {a.x * s, a.y * s};
}
inline Vec2 operator*(double s, const Vec2& a) {
    return a * s;
}

// Turns the part of v lying in the plane of the orthonormal pair (u, w) by the
// angle whose cosine and sine are c and s, from u towards w; the part normal
// to the plane is kept. That is a rotation about u x w.
inline Vec3 rotateInPlane(const Vec3& v, const Vec3& u, const Vec3& w, double c, double s) {
    const double m = dot(u, v);
    const double l = dot(w, v);
    return v + u * (m * c - l * s - m) + w * (l * c + m * s - l);
}
