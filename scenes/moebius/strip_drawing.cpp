#include "scenes/moebius/strip_drawing.h"

#include "geom/draw.h"

#include <GL/gl.h>

namespace strip_drawing {

void material(const Rgba& c) {
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, c.r, c.g, c.b, c.a);
}

void keepOutside(const FaceSample& s0, const FaceSample& s1, const Vec3& outward) {
    const Vec3 winding = cross(s0.second - s0.first, s1.first - s0.first);
    glCullFace(dot(winding, outward) > 0 ? GL_BACK : GL_FRONT);
    glEnable(GL_CULL_FACE);
}

void keepBothSides() {
    glDisable(GL_CULL_FACE);
}

} // namespace strip_drawing
