#pragma once
// The GL 1.1 state machine of the subset: matrices, immediate mode, client
// arrays, lighting, textures, display lists and selection. Every GL entry
// point of the browser build forwards to one of these members under the same
// name without the gl prefix; what is drawn leaves through the Renderer as
// lit triangles and segments in clip coordinates. Nothing here calls WebGL,
// so it runs and is tested natively.
//
// Sections: state and queries (context.cpp), matrices and display lists
// (context_matrices.cpp), vertices and drawing (context_vertices.cpp).

#include "web/gl11/display_lists.h"
#include "web/gl11/draw_batch.h"
#include "web/gl11/lighting.h"
#include "web/gl11/primitive_assembler.h"
#include "web/gl11/selection.h"
#include "web/gl11/transform.h"

#include <cstdint>
#include <map>
#include <vector>

namespace gl11 {

class Context {
  public:
    explicit Context(Renderer* renderer = nullptr);
    // Where drawing goes from now on; nothing is drawn while there is none.
    void setRenderer(Renderer* target) { renderer = target; }
    // glFlush and glFinish: the renderer draws what it holds back.
    void flush() {
        if (renderer)
            renderer->flush();
    }

    // State and queries.
    void enable(unsigned cap, bool on);
    bool isEnabled(unsigned cap) const;
    void getIntegerv(unsigned name, int* values) const;
    void getDoublev(unsigned name, double* values) const;
    void getLightfv(unsigned light, unsigned name, float* values) const;
    void viewport(int x, int y, int width, int height);
    void clearColor(float r, float g, float b, float a);
    void clear(unsigned mask);
    void blendFunc(unsigned source, unsigned destination);
    void cullFace(unsigned face);
    void depthMask(bool on);
    void lineWidth(float width);
    void light(unsigned light, unsigned name, const float* values);
    void lightModel(unsigned name, const float* values);
    void material(unsigned face, unsigned name, const float* values);
    void colorMaterial(unsigned face, unsigned mode);
    void genTextures(int count, unsigned* names);
    void bindTexture(unsigned target, unsigned name);
    bool isTexture(unsigned name) const;
    void pixelStorei(unsigned name, int value);
    void texImage2D(int width, int height, unsigned format, const std::uint8_t* pixels);
    void texParameteri(unsigned name, int value);
    void texEnvi(unsigned name, int value);

    // Matrices.
    void matrixMode(unsigned mode);
    void loadIdentity();
    void pushMatrix();
    void popMatrix();
    void multMatrix(const Matrix& m);
    Matrix& current();
    const Matrix& modelview() const { return modelviewStack.back(); }
    const Matrix& projection() const { return projectionStack.back(); }

    // Display lists and selection.
    unsigned genLists(int range) { return lists.generate(range); }
    bool isList(unsigned list) const { return lists.exists(list); }
    void deleteLists(unsigned list, int range) { lists.remove(list, range); }
    // GL_COMPILE only: the exhibit makes lists to replay them later.
    void newList(unsigned list, unsigned mode);
    void endList() { lists.finish(); }
    void callList(unsigned list);
    void selectBuffer(int size, std::uint32_t* buffer);
    int renderMode(unsigned mode);
    void initNames();
    void pushName(unsigned name);
    void popName();
    void loadName(unsigned name);

    // Vertices.
    void begin(unsigned mode);
    void end();
    void vertex(double x, double y, double z, double w);
    void normal(double x, double y, double z);
    void color(float r, float g, float b, float a);
    void texCoord(double s, double t);
    void rect(double x1, double y1, double x2, double y2);
    void enableClientState(unsigned array, bool on);
    void vertexPointer(int size, unsigned type, int stride, const void* pointer);
    void normalPointer(unsigned type, int stride, const void* pointer);
    void drawElements(unsigned mode, int count, unsigned type, const void* indices);
    void drawArrays(unsigned mode, int first, int count);

    // Whole primitives of one mode from object coordinates, as glEnd sends them.
    void submit(unsigned mode, const std::vector<Vertex>& vertices);

  private:
    struct ClientArray {
        bool enabled = false;
        int size = 3;
        unsigned type = 0;
        int stride = 0;
        const void* pointer = nullptr;
    };

    // The primitives of one glEnd or array draw inside a list: as given, for
    // the CPU path, and as the range of the list's geometry they fill.
    struct RecordedPrimitives {
        unsigned mode = 0;
        std::vector<Vertex> vertices;
        std::shared_ptr<const RetainedGeometry> geometry;
        int first = 0, count = 0;
        bool lines = false;
    };
    // Keeps primitives in the list being made.
    void record(unsigned mode, const std::vector<Vertex>& vertices);
    // Replays them: on the GPU from the list's geometry when the back end
    // can draw them as the CPU path would, else through submit.
    void drawRecorded(const RecordedPrimitives& primitives);

    // While a list is being made, keeps call for it and answers true.
    template <typename Call> bool compiled(Call call) {
        if (!lists.recording())
            return false;
        lists.append(call);
        return true;
    }
    std::vector<Matrix>& stack();
    TextureImage& textureNamed(unsigned name);
    Vertex arrayVertex(std::size_t index) const;
    RasterState rasterState() const;
    // Whether lines are drawn wider than a pixel, as triangles cut on the CPU.
    bool wideLines() const { return lineWidth_ > 1.5f; }
    std::vector<ShadedVertex> shade(const std::vector<Vertex>& vertices) const;

    Renderer* renderer;
    std::map<unsigned, bool> capabilities;
    int viewportBox[4] = {0, 0, 0, 0};
    std::array<float, 4> clearColour{0, 0, 0, 0};
    unsigned blendSource, blendDestination, culledFace;
    bool depthWrites = true;
    float lineWidth_ = 1;
    Lighting lighting;

    unsigned mode_;
    std::vector<Matrix> modelviewStack{Matrix{}}, projectionStack{Matrix{}}, textureStack{Matrix{}};

    DisplayLists lists;
    Selection selection;
    bool selecting = false;

    std::map<unsigned, TextureImage> textures;
    unsigned boundTexture = 0;
    unsigned nextTexture = 1;
    int unpackAlignment = 4;

    bool inBegin = false;
    unsigned beginMode = 0;
    std::vector<Vertex> pending;
    Vertex currentVertex;
    ClientArray vertexArray, normalArray;
};

} // namespace gl11
