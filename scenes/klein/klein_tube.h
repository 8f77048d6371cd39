#pragma once
// The Klein bottle as a tube of varying radius swept along a closed loop in
// the plane z = 0. One cubic B-spline carries both: its x and y are the loop,
// its z is the tube's radius there. Moving the nine control points with
// `stage` and `morph` rolls a flat rectangle into a straight tube, bends the
// tube into a loop and closes it into the bottle; `halfFlattening` makes the
// mesh one half of the bottle cut lengthwise, flattened into a Moebius strip.
//
// Callers set stage, morph and halfFlattening, then call buildSpine and
// buildSurface;
// every array is allocated at construction and the builds allocate nothing.
// DrawnKleinTube (drawn_klein_tube.h) draws it; this header and
// klein_tube.cpp stay free of GL.

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
    // rows by columns mesh points (at least 2 each); the screen shows 100 by 50.
    explicit KleinTube(KleinStage stage, int rows = 100, int columns = 50);

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
    // vertices and normals from the frames, stage, morph and halfFlattening.
    void buildSurface();

    // Mesh point of row j (along the spine) and column i (around the tube).
    int index(int row, int column) const { return row * columns + column; }
    const Vec3& vertex(int row, int column) const { return vertices[index(row, column)]; }
    const Vec3& normal(int row, int column) const { return normals[index(row, column)]; }

    std::vector<Vec3> controlPoints;
    std::vector<double> knots;
    int controlPointCount = 9;
    int knotCount = 13;
    int degree = 3;
    std::vector<SpineFrame> frames;
    int rows = 100;
    int columns = 50;
    std::vector<Vec3> vertices;
    std::vector<Vec3> normals;
    int stage;
    double morph = 0.0;
    // 0: the whole tube. Above 0: the upper half of the tube cut lengthwise,
    // blended by that share (up to 1) with the same half laid flat across
    // the loop as a band of width 1.
    double halfFlattening = 0.0;
};

// The other half of the cut tube: z of every vertex and x, y of every normal
// negated. The outputs are resized to the inputs' size.
void mirrorHalf(const std::vector<Vec3>& vertices, const std::vector<Vec3>& normals,
                std::vector<Vec3>& mirroredVertices, std::vector<Vec3>& mirroredNormals);

// How the halves scene splits its slider value v in [0, 1]: apart (k, 0 to 1)
// is how far the halves have moved apart, over the first half of the slider;
// flattening (delta, 0 to 1) how far they have flattened, over the second
// half, the tube's halfFlattening. It is a tiny positive value as soon as v
// is above 0, so that the halves are half tubes, and 0 at v = 0, the whole
// bottle.
struct HalvesMotion {
    double apart = 0.0;
    double flattening = 0.0;
};
HalvesMotion halvesMotion(double v);
