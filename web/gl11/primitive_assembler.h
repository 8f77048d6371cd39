#pragma once
// The immediate-mode recorder: the vertices between glBegin and glEnd, in
// any of GL 1.1's ten modes, turned into the only primitives a WebGL draw
// needs, separate triangles and separate line segments. Splitting keeps
// each triangle's winding, so facing and culling stay as GL decides them; a
// quad is cut along the diagonal from its first vertex to its third, and a
// polygon is a fan about its first vertex.

#include "web/gl11/transform.h"

#include <array>
#include <cstdint>
#include <vector>

namespace gl11 {

// One vertex as glVertex latched it, in object coordinates.
struct Vertex {
    Vec4 position;
    std::array<double, 3> normal{0, 0, 1};
    std::array<float, 4> colour{1, 1, 1, 1};
    std::array<double, 2> texCoord{0, 0};
};

enum class PrimitiveKind { Triangles, Lines, Points };

// Whole primitives as indices into the vertices given: three a triangle,
// two a segment, one a point.
struct PrimitiveIndices {
    PrimitiveKind kind = PrimitiveKind::Triangles;
    std::vector<std::uint32_t> indices;
};

// The same with the vertices themselves.
struct Primitives {
    PrimitiveKind kind = PrimitiveKind::Triangles;
    std::vector<Vertex> vertices;
};

// The kind a GL mode ends as, or nothing for an unknown mode.
bool primitiveKindOf(unsigned mode, PrimitiveKind& kind);

// Assembles count vertices of one glBegin/glEnd pair. Incomplete trailing
// vertices (a lone vertex of GL_LINES, two of a quad) are dropped, as GL does.
PrimitiveIndices assembleIndices(unsigned mode, std::size_t count);
Primitives assemble(unsigned mode, const std::vector<Vertex>& vertices);

} // namespace gl11
