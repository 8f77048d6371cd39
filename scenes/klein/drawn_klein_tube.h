#pragma once
// A KleinTube that draws itself with GL, in the current modelview matrix
// with lighting on, in one of its display styles, and keeps what drawing
// reuses from frame to frame: the retained drawings of its meshes, the halves
// of the cut bottle and the strips' index arrays.

#include "geom/retained_drawing.h"
#include "scenes/klein/klein_tube.h"

struct StripRun;

// A run of quad strips of the mesh: between rows r and r + 1 for r = r0,
// r0 + step, ... below r1, over columns c0 to c1 inclusive. Five ints and no
// padding, so that a list of runs is a key of the drawing that draws it.
struct MeshRun {
    int r0 = 0, r1 = 0, step = 1, c0 = 0, c1 = 0;
};

class DrawnKleinTube : public KleinTube {
  public:
    using KleinTube::KleinTube;

    // Turns the model into its place and draws what the stage shows.
    void drawStage();
    // The mesh as quad strips in the current style.
    void drawSurface();
    // The rectangle's four coloured edges, as thin hexagonal tubes.
    void drawSeamMarks();
    // Along mesh row (or column) round((count - 1) * a), hue from h0 to h1.
    void drawRowMark(double a, double h0, double h1);
    void drawColumnMark(double a, double h0, double h1);
    // The run's strips with texture coordinates: t from t0 at row r0 to t1 at
    // row r1, s from 1 - s0 at column c0 to 1 - s1 at column c1.
    void drawTexturedStrips(const StripRun& run);
    // The mirrored bottle with the opaque label at the row morph places it
    // on, the rest translucent.
    void drawLabelled();
    // The bottle cut lengthwise, the halves moved apart and flattened by
    // morph (0 to 1). Leaves the mesh of the whole tube.
    void drawHalves();

    int style = Solid;
    // The translucent styles' highlight pass skips the quads that cannot add
    // anything to the picture (highlight_cull.h); false draws them all, to
    // the same picture.
    bool cullHighlights = true;

  private:
    using Runs = std::vector<MeshRun>;
    // The halves of the cut bottle, built again only when the values they
    // are built from change: a frame of the cut bottle builds its half
    // surface only when the slider has moved, and the whole tube's mesh is
    // never disturbed.
    struct Halves {
        DrawingKey builtFrom; // flattening, stage, morph and spine frames
        std::vector<Vec3> firstVertices, firstNormals;
        std::vector<Vec3> secondVertices, secondNormals;
    };
    void updateHalves(double flattening);

    // The runs of a mesh in the current style, kept in drawing and keyed by
    // the mesh and the runs; the translucent style adds its highlights.
    void drawMesh(const std::vector<Vec3>& meshVertices, const std::vector<Vec3>& meshNormals,
                  RetainedDrawing& drawing);
    void drawRuns(RetainedDrawing& drawing, const std::vector<Vec3>& meshVertices,
                  const std::vector<Vec3>& meshNormals, const Runs& runs);
    // The runs from GL vertex arrays, a quad strip per pair of rows.
    void sendRuns(const std::vector<Vec3>& meshVertices, const std::vector<Vec3>& meshNormals,
                  const Runs& runs);
    // begin points GL at the arrays, then each sendStrips call draws a run.
    void beginMeshArrays(const std::vector<Vec3>& meshVertices,
                         const std::vector<Vec3>& meshNormals);
    void sendStrips(const MeshRun& run);
    void endMeshArrays();
    // The highlight pass over the runs drawing has just drawn, under light 0.
    void drawHighlights(RetainedDrawing& drawing, const std::vector<Vec3>& meshVertices,
                        const std::vector<Vec3>& meshNormals, const Runs& runs);

    // The whole mesh, the halves' two meshes, and the label's translucent
    // body; each is recorded once it is drawn twice alike, so that the
    // frames of a moving slider draw straight from the arrays.
    RetainedDrawing surfaceDrawing{RetainedDrawing::WhenRepeated};
    RetainedDrawing firstHalfDrawing{RetainedDrawing::WhenRepeated};
    RetainedDrawing secondHalfDrawing{RetainedDrawing::WhenRepeated};
    RetainedDrawing bodyDrawing{RetainedDrawing::WhenRepeated};
    Runs scratchRuns;
    std::vector<unsigned char> highlightMarks;
    std::vector<unsigned> highlightTriangles;
    Halves halves;
    // For each pair of rows the strip's mesh indices, column by column.
    std::vector<unsigned> stripIndices;
};
