#pragma once
// The WebGL2 back end of the GL 1.1 subset: rasterises the lit triangles and
// segments the context hands it, with one shader pair that picks the front
// or back colour by facing and modulates it by the bound texture. Draws are
// held back until a flush, a clear or a viewport change, then uploaded in
// one buffer and drawn with one call per run of draws under the same state:
// a software rasteriser pays for each upload and draw call far more than for
// the vertices.

#include "web/gl11/draw_batch.h"

#include <map>

class WebGlRenderer : public gl11::Renderer {
  public:
    // Needs the WebGL2 context current.
    WebGlRenderer();

    void clear(unsigned mask, const std::array<float, 4>& colour, bool depthMask) override;
    void viewport(int x, int y, int width, int height) override;
    void draw(const gl11::DrawBatch& batch) override;
    void flush() override;

  private:
    // A shader program and the places of its texture's uniforms.
    struct Program {
        unsigned id = 0;
        int imageSize = -1, bordered = -1, borderAlpha = -1;
    };
    // Consecutive draws under one raster state, as a range of the frame's vertices.
    struct Run {
        gl11::RasterState state;
        unsigned textureVersion = 0;
        bool lines = false;
        int first = 0, count = 0;
    };
    bool joins(const Run& run, const gl11::DrawBatch& batch) const;
    void applyState(const gl11::RasterState& state);
    // Binds and, when it changed, uploads the image; sets the textured
    // program's uniforms for it.
    void bindTexture(const gl11::TextureImage& image, const Program& textured);

    std::vector<gl11::ShadedVertex> held;
    std::vector<Run> runs;

    static Program link(bool textured, bool twoSided);

    // By whether the draws sample a texture and whether they are lit on two sides.
    Program programs[2][2];
    unsigned vertexArray = 0;
    unsigned buffer = 0;
    // Uploaded textures by the subset's name, with the version they hold.
    struct Uploaded {
        unsigned texture = 0;
        unsigned version = 0;
    };
    std::map<unsigned, Uploaded> uploaded;
};
