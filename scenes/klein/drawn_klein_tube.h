#pragma once
// A KleinTube that draws itself with GL, in the current modelview matrix
// with lighting on, in one of its display styles. update, at the scene's
// update step, builds the meshes the stage shows (only when the stage or the
// morph has changed) and keeps their retained drawings, keyed by those same
// values and the style; drawing then only shows them.

#include "geom/drawing_key.h"
#include "geom/retained_drawing.h"
#include "geom/vertex_arrays.h"
#include "scenes/klein/klein_tube.h"

struct StripRun;

// A run of quad strips of the mesh: between rows r and r + 1 for r = r0,
// r0 + step, ... below r1, over columns c0 to c1 inclusive.
struct MeshRun {
    int r0 = 0, r1 = 0, step = 1, c0 = 0, c1 = 0;
};

class DrawnKleinTube : public KleinTube {
  public:
    using KleinTube::KleinTube;

    // The tube at newStage and newMorph in newStyle (a SurfaceStyle), with
    // the GL context current: builds what changed and records what has
    // rested.
    void update(int newStage, double newMorph, int newStyle);

    // Turns the model into its place and draws what the stage shows.
    void drawStage() const;
    // The mesh as quad strips in the current style.
    void drawSurface() const;
    // The rectangle's four coloured edges, as thin hexagonal tubes
    // (seam_marks.h).
    void drawSeamMarks() const;
    // The run's strips with texture coordinates: t from t0 at row r0 to t1 at
    // row r1, s from 1 - s0 at column c0 to 1 - s1 at column c1.
    void drawTexturedStrips(const StripRun& run) const;
    // The mirrored bottle with the opaque label at the row morph places it
    // on, the rest translucent.
    void drawLabelled() const;
    // The bottle cut lengthwise, the halves moved apart and flattened by
    // morph (0 to 1).
    void drawHalves() const;

    int style = Solid;
    // The translucent styles' highlight pass skips the quads that cannot add
    // anything to the picture (highlight_cull.h); false draws them all, to
    // the same picture.
    bool cullHighlights = true;

  private:
    using Runs = std::vector<MeshRun>;
    // The two halves of the cut bottle at the current morph, built from the
    // whole tube's frames with the tube's own arrays, which are then the
    // whole tube's mesh again.
    void buildHalves();
    // The runs of the whole mesh in the current style.
    Runs styleRuns() const;
    // The runs of the labelled bottle's translucent body: all but the label
    // where the label is shown.
    Runs bodyRuns() const;

    // A mesh: its points and normals as built, and the same as GL's arrays.
    struct MeshView {
        const std::vector<Vec3>& vertices;
        const std::vector<Vec3>& normals;
        const VertexArrays& arrays;
    };
    MeshView wholeMesh() const { return {vertices, normals, wholeArrays}; }

    // The runs of a mesh in the current style from drawing; the translucent
    // style adds its highlights.
    void drawMesh(const MeshView& mesh, const RetainedDrawing& drawing, const Runs& runs) const;
    // The runs from GL vertex arrays, a quad strip per pair of rows.
    void sendRuns(const VertexArrays& arrays, const Runs& runs) const;
    // One run's strips, with the mesh's arrays bound.
    void sendStrips(const MeshRun& run) const;
    // The highlight pass over the runs drawing has just drawn, under light 0.
    void drawHighlights(const RetainedDrawing& drawing, const MeshView& mesh,
                        const Runs& runs) const;

    // Stage and morph the meshes were built for.
    DrawingKey meshBuiltFrom;
    // Whether the label's picture is on the GPU, so that the labelled bottle
    // shows it.
    bool labelled = false;
    // The whole mesh, the halves' two meshes, and the label's translucent
    // body; each is recorded once an update brings its key twice, so that
    // the frames of a moving slider draw straight from the arrays.
    RetainedDrawing surfaceDrawing{RetainedDrawing::WhenRepeated};
    RetainedDrawing firstHalfDrawing{RetainedDrawing::WhenRepeated};
    RetainedDrawing secondHalfDrawing{RetainedDrawing::WhenRepeated};
    RetainedDrawing bodyDrawing{RetainedDrawing::WhenRepeated};
    std::vector<Vec3> firstHalfVertices, firstHalfNormals;
    std::vector<Vec3> secondHalfVertices, secondHalfNormals;
    // The whole mesh and the halves' meshes as GL's arrays, made whenever
    // the meshes are built.
    VertexArrays wholeArrays, firstHalfArrays, secondHalfArrays;
    // For each pair of rows the strip's mesh indices, column by column.
    std::vector<unsigned> stripIndices;
};
