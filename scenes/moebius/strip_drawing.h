#pragma once
// The GL helpers the Moebius strip's drawing files share: the materials, one
// face sample sent as a quad strip's pair, and the choice of culled side.

#include "scenes/moebius/moebius_strip.h"
#include "scenes/moebius/strip_colours.h"

#include <GL/gl.h>

namespace strip_drawing {

using strip_colours::black;
using strip_colours::blue;
using strip_colours::darkBlue;
using strip_colours::Rgba;
using strip_colours::seaGreen;
using strip_colours::translucentSeaGreen;
using strip_colours::yellow;

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
