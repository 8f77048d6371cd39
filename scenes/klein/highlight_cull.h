#pragma once
// Which mesh points can show a specular highlight at all. The translucent
// bottles add their highlights in a second, additive pass whose colour is
// the specular term alone; a quad whose four corners all get a specular
// term far below one step of an 8-bit colour adds exactly nothing, so that
// pass may leave it out and draw the same picture at a fraction of the fill.

#include "geom/vec.h"

#include <vector>

// The fixed-function lighting that decides the specular term, in eye space.
struct SpecularLight {
    double modelview[16]; // column-major, the matrix the mesh is drawn with
    Vec3 lightPosition;   // a positional light, eye space
    bool localViewer = true;
    double strength = 1.0; // largest channel of light specular times material specular
    double shininess = 50.0;
};

// The largest specular term the point with this normal can get, on either
// face (two-sided lighting), ignoring whether the light is in front.
double specularBound(const SpecularLight& light, const Vec3& vertex, const Vec3& normal);

// For every mesh point, whether its specular bound reaches threshold.
void markHighlighted(const SpecularLight& light, const std::vector<Vec3>& vertices,
                     const std::vector<Vec3>& normals, double threshold,
                     std::vector<unsigned char>& marks);
