// The rectangle's four coloured edges, as hexagonal tubes along the mesh's outer lines.

#include "scenes/klein/drawn_klein_tube.h"

#include "geom/draw.h"
#include "scenes/klein/klein_lighting.h"
#include "scenes/klein/seam_marks.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// One mark along its points: a hexagonal tube of radius markRadius, hue
// from h0 to h1.
void drawMark(const std::vector<MarkPoint>& points, double h0, double h1) {
    const int count = int(points.size());
    for (int s = 0; s < 6; ++s) {
        const double psi1 = s * markSector;
        const double psi0 = s == 0 ? 5.235987755982989 : (s - 1) * markSector;
        glBegin(GL_QUAD_STRIP);
        {
            for (int t = 0; t < count; ++t) {
                const double f = count > 1 ? double(t) / (count - 1) : 0;
                hueColour((1 - f) * h0 + f * h1, markBrightness);
                const MarkPoint& p = points[std::size_t(t)];
                const Vec3 n1 = std::cos(psi1) * p.side - std::sin(psi1) * p.normal;
                const Vec3 n0 = std::cos(psi0) * p.side - std::sin(psi0) * p.normal;
                klein_lighting::sendPoint(n1, p.point + markRadius * n1);
                klein_lighting::sendPoint(n0, p.point + markRadius * n0);
            }
        }
        glEnd();
    }
}

} // namespace

void DrawnKleinTube::drawSeamMarks() const {
    klein_lighting::setShinyMaterial(0, 0, 0, 1);
    // The colour drives only the ambient term; the shine stays specular.
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT);
    glEnable(GL_COLOR_MATERIAL);
    for (const SeamMark& mark : seamMarks)
        drawMark(markPoints(*this, mark), mark.h0, mark.h1);
    glDisable(GL_COLOR_MATERIAL);
}
