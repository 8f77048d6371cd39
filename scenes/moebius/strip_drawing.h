#pragma once
// The GL helpers the Moebius strip's drawing files share: the materials, one
// face sample sent as a quad strip's pair, and the choice of culled side.

#include "scenes/moebius/moebius_strip.h"

#include <GL/gl.h>

namespace strip_drawing {

struct Rgba {
    double r, g, b, a;
};
constexpr Rgba seaGreen{0.2, 0.9, 0.7, 1};
constexpr Rgba blue{0.2, 0.3, 0.8, 1};
constexpr Rgba yellow{0.9, 0.9, 0.2, 1};
constexpr Rgba darkBlue{0.1, 0.1, 0.2, 1};
constexpr Rgba black{0, 0, 0, 1};
constexpr Rgba translucentSeaGreen{0.2, 0.9, 0.7, 0.5};

// The colour as ambient and diffuse material of both sides.
void material(const Rgba& c);
// The sample's normal and its two points; inline, as every face sends
// hundreds.
inline void send(const FaceSample& s) {
    glNormal3dv(s.normal.data());
    glVertex3dv(s.first.data());
    glVertex3dv(s.second.data());
}
// The band and its pieces are closed bodies, so the inner side of a broad
// face never shows: culling it halves what the rasteriser fills. The winding
// of a quad strip's first quad (first, second, then on along the band)
// against the side the face looks out to says which side to cull. The
// front face stays GL's counter-clockwise one, on which two-sided lighting
// depends.
void keepOutside(const FaceSample& s0, const FaceSample& s1, const Vec3& outward);
// For the thin faces, the lines and anything seen through.
void keepBothSides();

} // namespace strip_drawing
