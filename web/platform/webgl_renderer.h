#pragma once
// The WebGL2 back end of the GL 1.1 subset. It rasterises the lit triangles
// and segments the context hands it, and draws display lists itself: a
// list's geometry is uploaded once into a buffer of its own and each replay
// draws ranges of it with the matrices and lighting as uniforms, lit in the
// vertex shader. Draws are held back until a flush, a clear or a viewport
// change; then the frame's lit vertices are uploaded in one buffer and
// everything is drawn in order, one call per run of draws under the same
// state: a software rasteriser pays for each upload and draw call far more
// than for the vertices.

#include "web/gl11/draw_batch.h"
#include "web/platform/webgl_programs.h"

#include <map>
#include <memory>

class WebGlRenderer : public gl11::Renderer {
  public:
    // Needs the WebGL2 context current. A new context starts a new back end,
    // which uploads the lists' geometry again as they are drawn.
    WebGlRenderer();

    void clear(unsigned mask, const std::array<float, 4>& colour, bool depthMask) override;
    void viewport(int x, int y, int width, int height) override;
    void draw(const gl11::DrawBatch& batch) override;
    bool drawsRetained() const override { return true; }
    void drawRetained(const gl11::RetainedDraw& draw) override;
    void flush() override;

  private:
    // Consecutive draws under one state: a range of the frame's lit
    // vertices, or with geometry a range of that list's.
    struct Run {
        gl11::RasterState state;
        unsigned textureVersion = 0;
        bool lines = false;
        int first = 0, count = 0;
        std::shared_ptr<const gl11::RetainedGeometry> geometry;
        gl11::VertexShading shading;
    };
    bool sameState(const Run& run, const gl11::RasterState& state, bool lines) const;
    void startRun(const gl11::RasterState& state, bool lines, int first);
    // Sets the run's raster state and answers the program it is drawn with.
    const WebGlProgram& applyState(const Run& run);
    // Binds and, when it changed, uploads the image; sets the textured
    // program's uniforms for it.
    void bindTexture(const gl11::TextureImage& image, const WebGlProgram& textured);
    // The vertex array of a list's geometry, uploaded on its first draw.
    unsigned storedArray(const std::shared_ptr<const gl11::RetainedGeometry>& geometry);
    // Frees the buffers of geometry whose lists are gone.
    void releaseStored();

    std::vector<gl11::ShadedVertex> held;
    std::vector<Run> runs;

    // For lit vertices by whether they sample a texture and whether they are
    // lit on two sides; for lists by the same and the number of lights, each
    // linked when first wanted.
    WebGlProgram programs[2][2];
    std::map<int, WebGlProgram> listPrograms;
    unsigned vertexArray = 0;
    unsigned buffer = 0;
    // Uploaded textures by the subset's name, with the version they hold.
    struct Uploaded {
        unsigned texture = 0;
        unsigned version = 0;
    };
    std::map<unsigned, Uploaded> uploaded;
    // Uploaded list geometry by its serial; kept while its list lives.
    struct Stored {
        std::weak_ptr<const gl11::RetainedGeometry> owner;
        unsigned buffer = 0, indices = 0, vertexArray = 0;
    };
    std::map<unsigned long long, Stored> stored;
};
