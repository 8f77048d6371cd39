#pragma once
// Thin tubes along the edges of the duality scenes' triangles, gathered into
// one indexed triangle list so that a few hundred of them draw in one call.
// Each tube is the open cylinder of drawTube with its 10 slices, in one
// stack: along a straight tube of one radius more stacks add triangles but
// no shape, and a software renderer pays for every long thin triangle by the
// screen tiles it crosses. Pure: no GL.

#include "geom/vec.h"

#include <vector>

// Single precision, ready for glVertexPointer and glNormalPointer.
struct TubeMesh {
    std::vector<float> positions;  // x, y, z of each vertex
    std::vector<float> normals;    // unit, away from the tube's axis
    std::vector<unsigned> indices; // three per triangle, counter-clockwise seen from outside
    int vertexCount() const { return int(positions.size() / 3); }
    Vec3 position(int k) const;
    Vec3 normal(int k) const;
    void clear();
};

constexpr int tubeSlices = 10;
constexpr int tubeStacks = 1;

// Appends the tube of the given radius from a to b; nothing for a segment
// shorter than 0.00001, as drawTube.
void appendTube(const Vec3& a, const Vec3& b, double radius, TubeMesh& mesh);
