#pragma once
// A MoebiusStrip that draws itself with GL, with the current GL matrix: every
// face, cap, map patch and wheel as quad strips and polygons from the frames
// the strip works out, and the wheels scene's band kept in a retained
// drawing. update, at the scene's update step, shapes the band and places
// the wheels; draw only shows them.

#include "geom/retained_drawing.h"
#include "scenes/moebius/moebius_strip.h"
#include "scenes/moebius/wheel_batch.h"

#include <array>
#include <cstddef>

class DrawnMoebiusStrip : public MoebiusStrip {
  public:
    // The band's shape from value and mode, the wheels where they are at
    // now, and the wheels scene's band recorded once it has rested; with the
    // GL context current.
    void update(Millis now);
    // Pushes the matrix, turns the band into the scenes' view, draws by mode
    // as the last update shaped it and pops.
    void draw() const;

    // How often the wheels scene's band has been recorded (for tests).
    int bandRecordings() const { return wheelsBand.recordings(); }

  private:
    // Which sides of a broad face are drawn: the outer one only (the band is
    // a closed body), or both, for anything seen through.
    enum class Sides { Outside, Both };

    // A face in absolute units along the whole band, lifted apart by lift.
    void drawFace(const StripFace& face, Sides sides) const;
    // The same from x0 to x1 in n steps.
    void drawFaceRange(const StripFace& face, double x0, double x1, int n) const;
    // A face along the whole band shifted by (g, h) across and along the
    // normal.
    void drawFaceShifted(const FaceSection& face, double g, double h) const;
    // Culls the inner side of broad faces (from their first two samples)
    // when only the outside is drawn; keeps both sides of the rest.
    void chooseCulling(const FaceSection& face, const FaceSample& s0, const FaceSample& s1,
                       const StripFrame& frame, Sides sides) const;
    // The faces of a table, in half-widths and half-thicknesses.
    template <std::size_t n>
    void faces(const std::array<StripFace, n>& table, Sides sides = Sides::Outside) const {
        for (const StripFace& face : table)
            drawScaledFace(face, sides);
    }
    void drawScaledFace(const StripFace& face, Sides sides) const;
    // The polygons closing the band's ends at x0 and x1.
    void drawEndCaps(double a, double b, double c, double d, double x0, double x1) const;

    void drawBand() const;
    void drawCutInTwo() const;
    void drawCutInThree() const;
    void drawSliding() const;
    void drawPieces() const;
    void drawTranslucentBand() const;
    // The band of the wheels scene in its style.
    void drawWheelsBand() const;

    // The map: its regions as patches of both faces, their border lines,
    // the edges, from the sheets update worked out.
    void drawMap() const;

    // Places every wheel where it is at now into the batches.
    void placeWheels(Millis now);
    // The batches in the wheels' three materials.
    void drawWheels() const;

    WheelBatches wheelBatches;
    // Keyed by the band style and the values that shape the band.
    RetainedDrawing wheelsBand;
};
