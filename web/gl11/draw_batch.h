#pragma once
// What the GL 1.1 subset hands its back end: whole primitives already
// transformed to clip coordinates and lit, with the raster state they are
// drawn under. A back end only rasterises.

#include <array>
#include <cstdint>
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

// A back end may hold draws back and draw them together, in the order
// given, at flush or at the next clear or viewport change.
class Renderer {
  public:
    virtual ~Renderer() = default;
    virtual void clear(unsigned mask, const std::array<float, 4>& colour, bool depthMask) = 0;
    virtual void viewport(int x, int y, int width, int height) = 0;
    virtual void draw(const DrawBatch& batch) = 0;
    // Draws everything handed over so far (glFlush, the end of a frame, and
    // before a texture changes under draws held back).
    virtual void flush() {}
};

} // namespace gl11
