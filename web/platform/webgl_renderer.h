#pragma once
// The WebGL2 back end of the GL 1.1 subset: rasterises the lit triangles and
// segments the context hands it, with one shader pair that picks the front
// or back colour by facing and modulates it by the bound texture.

#include "web/gl11/draw_batch.h"

#include <map>

class WebGlRenderer : public gl11::Renderer {
  public:
    // Needs the WebGL2 context current.
    WebGlRenderer();

    void clear(unsigned mask, const std::array<float, 4>& colour, bool depthMask) override;
    void viewport(int x, int y, int width, int height) override;
    void draw(const gl11::DrawBatch& batch) override;

  private:
    void applyState(const gl11::RasterState& state);
    void bindTexture(const gl11::TextureImage& image);

    unsigned program = 0;
    unsigned vertexArray = 0;
    unsigned buffer = 0;
    int texturedLocation = -1;
    // Uploaded textures by the subset's name, with the version they hold.
    struct Uploaded {
        unsigned texture = 0;
        unsigned version = 0;
    };
    std::map<unsigned, Uploaded> uploaded;
};
