#pragma once
// The Klein bottle as a tube of varying radius swept along a closed loop in
// the plane z = 0. One cubic B-spline carries both: its x and y are the loop,
// its z is the tube's radius there. Moving the nine control points with
// `stage` and `morph` rolls a flat rectangle into a straight tube, bends the
// tube into a loop and closes it into the bottle; `cut` opens the bottle into
// two halves that flatten into Moebius strips.
//
// Callers set stage, morph and cut, then call buildSpine and buildSurface;
// every array is allocated at construction and the builds allocate nothing.
// The drawing operations are declared here too but live in
// klein_tube_drawing.cpp, so that this header and klein_tube.cpp stay free of GL.

#include "geom/vec.h"

#include <vector>

enum KleinStage : int {
    RollRectangle = 0, // morph 0 to 1 rolls a nearly flat rectangle into a straight tube
    BendTube = 1,      // morph 0 to 1 bends the tube into a loop and closes it
    WholeBottle = 2,
    MirroredBottle = 4, // the bottle mirrored in x, carrying the label
    CutBottle = 7,      // the bottle drawn as two halves
};

enum SurfaceStyle : int { Solid = 0, Striped = 1, Translucent = 2 };

// The moving frame of one mesh row, from the spine point P and unit tangent T.
struct SpineFrame {
    Vec3 centre;       // (P.x, P.y, 0)
    Vec3 point;        // P; its z is the radius
    Vec3 up;           // (0, 0, 1)
    Vec3 along;        // up x side: the loop's horizontal direction
    Vec3 side;         // unit horizontal normal of the loop
    Vec3 normalFlat;   // (N.x, N.y, 0) with N = T x side
    double normalRise; // N.z
    double radius;     // P.z
};

class KleinTube {
  public:
    explicit KleinTube(KleinStage stage);

    void setControlPoint(int index, const Vec3& point);
    // The curve point at u, u clamped to [0, 1].
    Vec3 evaluate(double u) const;
    struct PointAndTangent {
        Vec3 point;
        Vec3 tangent; // unit
    };
    // The point at u and the normalised central difference over u +- 0.001.
    PointAndTangent evaluateWithTangent(double u) const;

    // The control points from stage and morph, then one frame per row.
    void buildSpine();
    // vertices and normals from the frames, stage, morph and cut.
    void buildSurface();

    // Mesh point of row j (along the spine) and column i (around the tube).
    int index(int row, int column) const { return row * columns + column; }
    const Vec3& vertex(int row, int column) const { return vertices[index(row, column)]; }
    const Vec3& normal(int row, int column) const { return normals[index(row, column)]; }

    // Drawing, in the current modelview matrix with lighting on
    // (klein_tube_drawing.cpp and klein_label_drawing.cpp).
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

    std::vector<Vec3> controlPoints;
    std::vector<double> knots;
    int controlPointCount = 9;
    int knotCount = 13;
    int degree = 3;
    int style = Solid;
    std::vector<SpineFrame> frames;
    int rows = 100;
    int columns = 50;
    std::vector<Vec3> vertices;
    std::vector<Vec3> normals;
    int stage;
    double morph = 0.0;
    double cut = 0.0;
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
    HalvesCache halves;
    // For each pair of rows the strip's mesh indices, column by column.
    std::vector<unsigned> stripIndices;
};

// The other half of the cut tube: z of every vertex and x, y of every normal
// negated. The outputs are resized to the inputs' size.
void mirrorHalf(const std::vector<Vec3>& vertices, const std::vector<Vec3>& normals,
                std::vector<Vec3>& mirroredVertices, std::vector<Vec3>& mirroredNormals);

// How the halves scene splits its slider value v in [0, 1]: apart (k, 0 to 1)
// is how far the halves have moved apart, over the first half of the slider;
// cut (delta, 0 to 1) how far they have flattened, over the second half. cut
// is a tiny positive value as soon as v is above 0, so that the halves are
// half tubes, and 0 at v = 0, the whole bottle.
struct HalvesMotion {
    double apart = 0.0;
    double cut = 0.0;
};
HalvesMotion halvesMotion(double v);
