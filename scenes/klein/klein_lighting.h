#pragma once
// The materials and lights the Klein bottle's drawings share: the shiny green
// surface, the translucent body's eye-space light and the additive highlight
// pass that follows it.

#include "geom/vec.h"

namespace klein_lighting {

constexpr double shininess = 50;
// Green, a little transparent where blending is on.
constexpr double surfaceColour[4] = {0.15, 0.7, 0.1, 0.3};

void setShinyMaterial(double r, double g, double b, double a);
void setSurfaceMaterial();
// Light 4 in place of light 0, in eye space in front of the viewer, for the
// translucent body; specular is its highlight strength. Blending on.
void beginTranslucentLight(double specular);
// Back to light 0 and a black, shiny material, so that drawing the same
// strips again adds only their highlights on top of what is drawn.
void beginHighlights();
// glNormal and glVertex of one mesh point.
void sendPoint(const Vec3& normal, const Vec3& vertex);

} // namespace klein_lighting
