#pragma once
// The shader programs of the WebGL2 back end, one for each kind of draw: by
// whether the vertices come lit in clip coordinates or are a list's, in
// object coordinates, for the vertex shader to transform and light; whether
// they sample a texture; whether their back faces may have colours of their
// own; and for a list, how many lights are on. A software rasteriser runs both sides of a branch
// for every fragment and pays for every value interpolated across a triangle, so a program carries
// only what its draws need.

struct WebGlProgram {
    unsigned id = 0;
    // Uniform places: the texture's, and the object-space shading's.
    int imageSize = -1, bordered = -1, borderAlpha = -1;
    int shading = -1;
};

// Compiles and links one program, a list's for the number of lights given;
// needs the WebGL2 context current.
WebGlProgram linkWebGlProgram(bool retained, bool textured, bool twoSided, int lights = 0);

// Attribute locations of the lit vertices handed over each frame (14 floats:
// clip, front, back, texCoord) and of a list's vertices (13 floats:
// position, normal, colour, texCoord), both at 0 to 3.
constexpr int shadedFloats = 14, objectFloats = 13;
