#pragma once
// Thin, stateless helpers between the scenes and controls and OpenGL, GLU and
// GLUT. The pure parts (the hue ramp, the cone's angles, decimal digits) are
// exposed separately so they can be checked without a display.

#include "geom/hue_ramp.h"
#include "geom/vec.h"
#include "geom/vertex_arrays.h"

#include <GL/gl.h>

#include <string>

// Multiplies the current matrix by the frame mapping local x, y, z to u, v,
// u x v and the local origin to origin. u and v are used as given.
void multiplyFrame(const Vec3& origin, const Vec3& u, const Vec3& v);

// Points GL's vertex and normal arrays at the arrays, which must outlive the
// draws that follow, until unbindArrays.
void bindArrays(const VertexArrays& arrays);
void unbindArrays();

// glColor3d of hueRamp (geom/hue_ramp.h).
void hueColour(double t, double brightness);

// glLightfv of (x, y, z, 1).
void setLight(GLenum light, GLenum parameter, double x, double y, double z);
// glMaterialfv of the four values as floats.
void setMaterial(GLenum face, GLenum parameter, double a, double b, double c, double d);

// How a GLU cylinder along z is turned to run from a to b: azimuth about z,
// then polar angle about y, both degrees; length is |b - a|.
struct ConeAngles {
    double azimuth = 0.0;
    double polar = 0.0;
    double length = 0.0;
};
ConeAngles coneAngles(const Vec3& a, const Vec3& b);

// A tapered open cylinder from a (radius ra) to b (radius rb), 10 slices and
// 10 stacks; nothing for a segment shorter than 0.00001.
void drawCone(const Vec3& a, double ra, const Vec3& b, double rb);
void drawTube(const Vec3& a, const Vec3& b, double radius);

// The outline of a square of side 2 * half centred at the origin, in the
// current colour (the overlay's square icons).
void drawSquareOutline(double half);

// Stroke-font text at the current matrix, each character advancing it.
void strokeText(void* font, const std::string& text);
// The width of text in stroke-font units.
double strokeTextWidth(void* font, const std::string& text);
// Roman stroke text at (x, y), scaled by size * 0.2.
void drawLabel(double x, double y, double size, const std::string& text);

// The decimal digits of the value's magnitude, without sign or leading zeros
// (the colour editor shows channels from 0 to 255). Every int has an answer,
// the most negative one included.
std::string decimalText(int value);
