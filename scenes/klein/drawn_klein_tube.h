#pragma once
// A KleinTube that draws itself with GL, in the current modelview matrix
// with lighting on, in one of its display styles, and keeps what drawing
// reuses from frame to frame: the display lists of its meshes, the halves of
// the cut bottle and the strips' index arrays.

#include "scenes/klein/klein_tube.h"

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
    // Quad strips between rows r and r + 1 for r = r0, r0 + step, ... < r1,
    // over columns c0 to c1 inclusive.
    void drawStrips(int r0, int r1, int step, int c0, int c1);
    // The same with texture coordinates: t from t0 at row r0 to t1 at row r1,
    // s from 1 - s0 at column c0 to 1 - s1 at column c1.
    void drawTexturedStrips(int r0, int r1, int step, int c0, int c1, double t0, double t1,
                            double s0, double s1);
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
    // The halves of the cut bottle, kept while the stage, morph, cut and
    // frames stay the same: a frame of the cut bottle builds its half surface only when the
    // slider has moved, and the whole tube's mesh is never disturbed.
    struct HalvesCache {
        bool valid = false;
        double cut = 0.0;
        int stage = 0;
        double morph = 0.0;
        std::vector<SpineFrame> frames;
        std::vector<Vec3> firstVertices, firstNormals;
        std::vector<Vec3> secondVertices, secondNormals;
    };
    void updateHalves(double halfCut);
    // The mesh as GL vertex arrays: begin points GL at the arrays, then each
    // drawMeshStrips call draws strips as drawStrips does.
    void beginMeshArrays(const std::vector<Vec3>& meshVertices,
                         const std::vector<Vec3>& meshNormals);
    void drawMeshStrips(int r0, int r1, int step, int c0, int c1);
    void endMeshArrays();

    // Runs of strips, five ints each: r0, r1, step, c0, c1.
    using StripRuns = std::vector<int>;
    // A GL display list of runs of strips of one mesh, with the mesh and
    // runs it holds, kept while neither changes: a frame of a scene at rest
    // replays it instead of sending every vertex again.
    struct StripList {
        unsigned list = 0;
        bool compiled = false;
        std::vector<Vec3> vertices, normals;
        StripRuns runs;
    };
    // Draws the runs of the mesh through the list, compiling it first when
    // the mesh or the runs are not those it holds.
    void drawThroughList(StripList& cache, const std::vector<Vec3>& meshVertices,
                         const std::vector<Vec3>& meshNormals, const StripRuns& runs);
    // The runs of the list's mesh from vertex arrays; the list again, or the
    // same from arrays when it is not compiled.
    void drawRuns(const StripList& cache);
    void replayList(const StripList& cache);
    void drawMesh(const std::vector<Vec3>& meshVertices, const std::vector<Vec3>& meshNormals,
                  StripList& cache);
    // The whole mesh, the halves' two meshes, and the label's translucent body.
    StripList surfaceList, firstHalfList, secondHalfList, bodyList;
    StripRuns scratchRuns;
    // The highlight pass over the runs of the list's mesh, under light 0.
    void drawHighlights(const StripList& cache);
    std::vector<unsigned char> highlightMarks;
    std::vector<unsigned> highlightTriangles;
    HalvesCache halves;
    // For each pair of rows the strip's mesh indices, column by column.
    std::vector<unsigned> stripIndices;
};
