// The rectangle's four coloured edges, as hexagonal tubes along the mesh's outer lines.

#include "scenes/klein/drawn_klein_tube.h"

#include "geom/draw.h"
#include "scenes/klein/klein_lighting.h"

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr double markRadius = 0.04;
constexpr double markBrightness = 4;

// a scaled to unit length; a zero vector stays zero.
Vec3 unitOrZero(const Vec3& a) {
    const double l = length(a);
    return l > 0 ? a * (1.0 / l) : a;
}

// One mark along count mesh points, given the point, normal and side vector
// of each: a hexagonal tube of radius 0.04, hue from h0 to h1.
template <typename PointAt> void drawMark(int count, double h0, double h1, PointAt pointAt) {
    constexpr double sector = 1.0471975511965976;
    for (int s = 0; s < 6; ++s) {
        const double psi1 = s * sector;
        const double psi0 = s == 0 ? 5.235987755982989 : (s - 1) * sector;
        glBegin(GL_QUAD_STRIP);
        {
            for (int t = 0; t < count; ++t) {
                const double f = count > 1 ? double(t) / (count - 1) : 0;
                hueColour((1 - f) * h0 + f * h1, markBrightness);
                Vec3 v, n, side;
                pointAt(t, v, n, side);
                const Vec3 n1 = std::cos(psi1) * side - std::sin(psi1) * n;
                const Vec3 n0 = std::cos(psi0) * side - std::sin(psi0) * n;
                klein_lighting::sendPoint(n1, v + markRadius * n1);
                klein_lighting::sendPoint(n0, v + markRadius * n0);
            }
        }
        glEnd();
    }
}

// The mesh line nearest to a (0 to 1) of count lines.
int lineIndex(double a, int count) {
    const double k = std::trunc((count - 1) * a + 0.5);
    if (!(k > 0))
        return 0;
    return k > count - 1 ? count - 1 : int(k);
}

} // namespace

void DrawnKleinTube::drawSeamMarks() const {
    klein_lighting::setShinyMaterial(0, 0, 0, 1);
    // The colour drives only the ambient term; the shine stays specular.
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT);
    glEnable(GL_COLOR_MATERIAL);
    // Both long sides share one ramp, as they meet when the rectangle closes
    // into a tube; the short sides, the circles joined to make the bottle,
    // run their ramps in opposite directions so that equal colours meet.
    drawColumnMark(0, 0, 0.25);
    drawColumnMark(1, 0, 0.25);
    drawRowMark(0, 0.5, 0.25);
    drawRowMark(1, 0.25, 0.5);
    glDisable(GL_COLOR_MATERIAL);
}

void DrawnKleinTube::drawRowMark(double a, double h0, double h1) const {
    const int row = lineIndex(a, rows);
    drawMark(columns, h0, h1, [&](int t, Vec3& v, Vec3& n, Vec3& side) {
        v = vertex(row, t);
        n = normal(row, t);
        // Backwards along the row.
        const Vec3 d = t > 0 ? vertex(row, t - 1) - v : v - vertex(row, t + 1);
        side = unitOrZero(cross(n, d));
    });
}

void DrawnKleinTube::drawColumnMark(double a, double h0, double h1) const {
    const int column = lineIndex(a, columns);
    drawMark(rows, h0, h1, [&](int t, Vec3& v, Vec3& n, Vec3& side) {
        v = vertex(t, column);
        n = normal(t, column);
        side = cross(n, frames[t].along);
    });
}
