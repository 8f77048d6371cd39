#pragma once
// Points and their normals in single precision, packed x, y, z after one
// another, ready for glVertexPointer and glNormalPointer (drawing's
// bindArrays, geom/draw.h). The renderer works in single precision anyway;
// handing it floats saves it converting every vertex of every frame, and the
// conversion it would make is the same rounding, so the picture is the same.
// Pure: no GL.

#include "geom/vec.h"

#include <vector>

struct VertexArrays {
    std::vector<float> positions; // x, y, z of each vertex
    std::vector<float> normals;   // x, y, z of each vertex's normal

    int vertexCount() const { return int(positions.size() / 3); }
    Vec3 position(int k) const;
    Vec3 normal(int k) const;
    void clear();
    void append(const Vec3& position, const Vec3& normal);
    // The points and normals, pairwise, in place of what was held; the
    // shorter list decides the count.
    void assign(const std::vector<Vec3>& points, const std::vector<Vec3>& pointNormals);
};
