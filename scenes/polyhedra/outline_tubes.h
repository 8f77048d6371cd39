#pragma once
// Thin tubes along the edges of the duality scenes' triangles, gathered into
// one indexed triangle list so that a few hundred of them draw in one call.
// Each tube is the open cylinder of drawTube with its 10 slices, in one
// stack: along a straight tube of one radius more stacks add triangles but
// no shape, and a software renderer pays for every long thin triangle by the
// screen tiles it crosses. Pure: no GL.

#include "geom/vec.h"
#include "geom/vertex_arrays.h"

#include <vector>

// The tubes' vertices, their normals unit and away from each tube's axis.
struct TubeMesh : VertexArrays {
    std::vector<unsigned> indices; // three per triangle, counter-clockwise seen from outside
    void clear();
};

constexpr int tubeSlices = 10;
constexpr int tubeStacks = 1;

// Appends the tube of the given radius from a to b; nothing for a segment
// shorter than 0.00001, as drawTube.
void appendTube(const Vec3& a, const Vec3& b, double radius, TubeMesh& mesh);
