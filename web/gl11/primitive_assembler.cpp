#include "web/gl11/primitive_assembler.h"

#include <GL/gl.h>

namespace gl11 {

bool primitiveKindOf(unsigned mode, PrimitiveKind& kind) {
    switch (mode) {
    case GL_POINTS:
        kind = PrimitiveKind::Points;
        return true;
    case GL_LINES:
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
        kind = PrimitiveKind::Lines;
        return true;
    case GL_TRIANGLES:
    case GL_TRIANGLE_STRIP:
    case GL_TRIANGLE_FAN:
    case GL_QUADS:
    case GL_QUAD_STRIP:
    case GL_POLYGON:
        kind = PrimitiveKind::Triangles;
        return true;
    default:
        return false;
    }
}

PrimitiveIndices assembleIndices(unsigned mode, std::size_t n) {
    PrimitiveIndices out;
    if (!primitiveKindOf(mode, out.kind))
        return out;
    auto emit = [&](std::initializer_list<std::size_t> indices) {
        for (std::size_t k : indices)
            out.indices.push_back(std::uint32_t(k));
    };
    switch (mode) {
    case GL_POINTS:
        for (std::size_t k = 0; k < n; ++k)
            emit({k});
        break;
    case GL_LINES:
        for (std::size_t k = 0; k + 1 < n; k += 2)
            emit({k, k + 1});
        break;
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
        for (std::size_t k = 0; k + 1 < n; ++k)
            emit({k, k + 1});
        if (mode == GL_LINE_LOOP && n > 2)
            emit({n - 1, 0});
        break;
    case GL_TRIANGLES:
        for (std::size_t k = 0; k + 2 < n; k += 3)
            emit({k, k + 1, k + 2});
        break;
    case GL_TRIANGLE_STRIP:
        // Every other triangle is turned round so that all wind alike.
        for (std::size_t k = 0; k + 2 < n; ++k) {
            if (k % 2 == 0)
                emit({k, k + 1, k + 2});
            else
                emit({k + 1, k, k + 2});
        }
        break;
    case GL_TRIANGLE_FAN:
    case GL_POLYGON:
        for (std::size_t k = 1; k + 1 < n; ++k)
            emit({0, k, k + 1});
        break;
    case GL_QUADS:
        for (std::size_t k = 0; k + 3 < n; k += 4)
            emit({k, k + 1, k + 2, k, k + 2, k + 3});
        break;
    case GL_QUAD_STRIP:
        // Quad k is the polygon 2k, 2k+1, 2k+3, 2k+2.
        for (std::size_t k = 0; k + 3 < n; k += 2)
            emit({k, k + 1, k + 3, k, k + 3, k + 2});
        break;
    }
    return out;
}

Primitives assemble(unsigned mode, const std::vector<Vertex>& vertices) {
    const PrimitiveIndices assembled = assembleIndices(mode, vertices.size());
    Primitives out;
    out.kind = assembled.kind;
    for (std::uint32_t k : assembled.indices)
        out.vertices.push_back(vertices[k]);
    return out;
}

} // namespace gl11
