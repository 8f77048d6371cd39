#pragma once
// What the GL 1.1 subset hands its back end: whole primitives already
// transformed to clip coordinates and lit, with the raster state they are
// drawn under; or, to a back end that lights vertices itself, ranges of a
// display list's geometry kept in object coordinates, with the matrices and
// lighting to draw them under.

#include "web/gl11/vertex_shading.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace gl11 {

struct ShadedVertex {
    std::array<float, 4> clip{0, 0, 0, 1};
    // The colour a front-facing and a back-facing triangle shows here.
    std::array<float, 4> front{1, 1, 1, 1};
    std::array<float, 4> back{1, 1, 1, 1};
    std::array<float, 2> texCoord{0, 0};
};

// A texture image as glTexImage2D left it, rows tightly packed, RGBA.
struct TextureImage {
    unsigned name = 0;
    // Grows with every change, so that a back end knows when to upload again.
    unsigned version = 0;
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;
    // Whether the image was given without alpha, as GL_CLAMP's border then is.
    bool opaque = true;
    unsigned minFilter, magFilter, wrapS, wrapT;
};

struct RasterState {
    bool depthTest = false;
    bool depthMask = true;
    bool blend = false;
    unsigned blendSource, blendDestination;
    bool cull = false;
    unsigned cullFace;
    // Whether a back-facing triangle may show another colour than a front-facing one.
    bool twoSided = false;
    // Modulates the colours when set (GL_TEXTURE_2D on, a complete image bound).
    const TextureImage* texture = nullptr;
};

struct DrawBatch {
    // Three vertices a triangle, two a segment of width one pixel.
    bool lines = false;
    std::vector<ShadedVertex> vertices;
    RasterState state;
};

// A vertex of a display list as glVertex latched it, in single precision.
struct ObjectVertex {
    std::array<float, 4> position{0, 0, 0, 1};
    std::array<float, 3> normal{0, 0, 1};
    std::array<float, 4> colour{1, 1, 1, 1};
    std::array<float, 2> texCoord{0, 0};
};

// The geometry of one display list: its vertices, each once as given, and
// its triangles and segments as indices into them, three or two each, as the
// subset assembles them and in the order drawn; indexed, so that a vertex
// strips share is lit once. It never changes once the list is made, and dies
// with the list, so a back end uploads it once under its serial and frees its
// copy when it is gone.
struct RetainedGeometry {
    unsigned long long serial = 0;
    std::vector<ObjectVertex> vertices;
    std::vector<std::uint32_t> indices;
};

// A range of a list's indices drawn under the current state.
struct RetainedDraw {
    std::shared_ptr<const RetainedGeometry> geometry;
    int first = 0, count = 0;
    bool lines = false;
    RasterState state;
    VertexShading shading;
};

// A back end may hold draws back and draw them together, in the order
// given, at flush or at the next clear or viewport change.
class Renderer {
  public:
    virtual ~Renderer() = default;
    virtual void clear(unsigned mask, const std::array<float, 4>& colour, bool depthMask) = 0;
    virtual void viewport(int x, int y, int width, int height) = 0;
    virtual void draw(const DrawBatch& batch) = 0;
    // Whether the back end lights vertices itself, so that lists reach it as
    // RetainedDraws; otherwise they too come as DrawBatches.
    virtual bool drawsRetained() const { return false; }
    virtual void drawRetained(const RetainedDraw&) {}
    // Draws everything handed over so far (glFlush, the end of a frame, and
    // before a texture changes under draws held back).
    virtual void flush() {}
};

} // namespace gl11
