#pragma once
// A MoebiusStrip that draws itself with GL, with the current GL matrix: every
// face, cap, map patch and wheel as quad strips and polygons from the frames
// the strip works out, and the display list of the wheels scene's band.

#include "scenes/moebius/moebius_strip.h"

class DrawnMoebiusStrip : public MoebiusStrip {
  public:
    void drawFace(double a, double b, double c, double d, double e, double f, double g) const;
    void drawFaceRange(double a, double b, double c, double d, double e, double f, double g,
                       double x0, double x1, int n) const;
    void drawFaceShifted(double a, double b, double c, double d, double e, double f, double g,
                         double h) const;
    void drawEndCaps(double a, double b, double c, double d, double x0, double x1) const;
    void drawBand() const;
    void drawCutInTwo() const;
    void drawCutInThree() const;
    void drawSliding();
    void drawMapPatch(double va, double vb, double ua, double ub) const;
    void drawMapLine(double va, double vb, double ua, double ub) const;
    void drawMap() const;
    // Every wheel at its position now, in its three materials.
    void drawWheels();
    // Places the wheel at x into the frame's wheels, for drawWheels to draw.
    void drawWheel(double x) const;
    void drawPieces() const;
    void drawTranslucentBand() const;
    // Pushes the matrix, turns the band into the scenes' view, derives bend
    // and lift from value and mode, draws by mode and pops.
    void draw();

    bool listDirty = true; // the band's display list must be recorded again
    // The GL name of that list, 0 until the first draw asks GL for one: a
    // fixed number could be one another scene's list already holds.
    unsigned bandList = 0;
    // How often the band's display list has been recorded (for tests).
    int listRecordings = 0;

  private:
    void face(const StripFace& f) const;
    // Culls the inner side of broad faces (from their first two samples),
    // keeps both sides of the rest and of anything drawn see-through.
    void chooseCulling(const StripFace& face, const FaceSample& s0, const FaceSample& s1,
                       const StripFrame& frame) const;
    mutable bool seeThrough = false;
    void faces(const StripFace* first, int count) const;
};
