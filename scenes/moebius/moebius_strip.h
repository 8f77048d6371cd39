#pragma once
// The band behind every Moebius scene: a strip of width 1 and thickness 0.05
// laid along a centre-line that bends from a straight segment of length 1
// into a circle of circumference 15, twisted about that line by a total angle
// (radians; π makes the Moebius strip). Every drawing is built from one frame
// at a position x along the band, 0 to 1 (and beyond, for the wheels).
//
// The geometry (frames, twist, lift, the wheel list) is pure: the time comes
// in as an argument, read by the caller. The drawing is DrawnMoebiusStrip's
// (drawn_moebius_strip.h), the only part that calls GL.

#include "geom/drawing_key.h"
#include "geom/pick_box.h"
#include "geom/ramp.h"
#include "geom/vec.h"
#include "scenes/moebius/strip_faces.h"

#include <vector>

// Which drawing DrawnMoebiusStrip::draw performs; any other value draws nothing.
enum MoebiusMode : int {
    SquareToStrip = 0,
    Wheels = 1,
    CutInTwo = 3,
    Sliding = 4,
    CutInThree = 5,
    Map = 6,
};

// A point of the centre-line with the band's unit directions there.
struct StripFrame {
    Vec3 centre; // P
    Vec3 across; // D, along the width
    Vec3 normal; // N, along the thickness
};

// One sample pair of a face: its normal and the points of its two long edges.
struct FaceSample {
    Vec3 normal;
    Vec3 first;
    Vec3 second;
};

// One sheet of the map as it is drawn: pairs of points sent as a quad strip
// or, for a short line across the band, as one polygon (first and second of
// the first pair, then second and first of the next), under the selection
// name that a press on it finds, with the side that is culled.
struct MapSheet {
    int name; // a region 1 to 6; 0 the band's edges; PickBox::unnamedName a line
    bool polygon;
    PickBox::Culled culled;
    std::vector<FaceSample> pairs;
};

class MoebiusStrip {
  public:
    virtual ~MoebiusStrip() = default;

    // The frame at x. Straight and untwisted while bend is 0; otherwise an arc
    // of length flatLength..closedLength whose cross-section has turned by
    // twist * bend from one end to the other. Finite for every finite x and
    // every bend in [0, 1], however small.
    StripFrame stripFrame(double x) const;
    // twist = angle, snapped to the nearest multiple of π within π / 10 so that
    // the closed band meets itself exactly at whole numbers of half turns. A
    // non-finite angle leaves twist as it was.
    void setTwistFromAngle(double angle);
    // How far, 0 to 1, the pieces of a cut band have moved apart at x: the cut
    // opens first at x = 0.25 and reaches the whole band at lift 1.
    double liftShare(double x) const;

    // The frames at x = i / 256, i = 0..256, for bend and twist as the last
    // updateFrames found them.
    const std::vector<StripFrame>& faceFrames() const { return frames; }
    // Works the face frames out again when bend, twist or the lengths have
    // changed since the last time.
    void updateFrames();
    // bend and lift from value and mode: the square bends into the ring with
    // value; in the other modes the ring is closed and value lifts the cut
    // pieces apart, except on the sliding band, which slides instead. Then
    // the face frames for them.
    void updateShape();
    // The face sample at a frame of position x, with the lift offset.
    FaceSample faceSample(const StripFace& face, const StripFrame& frame, double x) const;
    // The same with a constant offset (g, h) across and along the normal, no lift.
    static FaceSample shiftedSample(const FaceSection& face, double g, double h,
                                    const StripFrame& frame);
    // A face of a table (in half-widths and half-thicknesses) in model units.
    StripFace scaledFace(const StripFace& face) const;

    // The samples every drawing and the export take along the band: a face
    // at x = i / (256 detail), i = 0..256 detail, lifted (at detail 1 the
    // face frames, so after updateFrames); the same from x0 to x1 in n
    // steps (none for n < 1); a face shifted by (g, h) along the whole band.
    std::vector<FaceSample> faceSamples(const StripFace& face, int detail = 1) const;
    std::vector<FaceSample> faceSamples(const StripFace& face, double x0, double x1, int n) const;
    std::vector<FaceSample> shiftedSamples(const FaceSection& face, double g, double h,
                                           int detail = 1) const;

    // The map's sheets in the order they are drawn: the black lines, the
    // regions 1 to 6, the edges; as the last updateShape shaped the band.
    const std::vector<MapSheet>& mapSheets() const { return sheets; }
    // The name of the nearest map sheet in box, the band seen through the
    // scene's modelview (the strip adds its own turn), as selection mode
    // would find it: a region 1 to 6, or 0 for a line, an edge or nothing.
    int mapNameAt(PickBox& box, const Mat4& sceneModelview) const;
    // The strip's own turn into the scenes' view, applied after the scene's.
    static Mat4 ownTurn();
    // A point of the strip where that turn puts it in the scene's model space.
    static Vec3 turned(const Vec3& p);

    // The wheels: each rolls from x = 1 at the moment it was added, 0.1 of
    // the band per second. Adding is refused at maxWheels, since every wheel
    // is drawn every frame: 30 are more than stand end to end on the band (15
    // long, a wheel 0.6 across) and still draw well within a frame. Times are
    // the program's clock (geom/clock.h).
    static constexpr int maxWheels = 30;
    void addWheel(Millis now);
    void removeFirstWheel();
    void clearWheels();
    // The positions of the wheels at now, oldest first.
    std::vector<double> wheelPositions(Millis now) const;
    // The angle a wheel has turned through after rolling distance along the
    // band (model units), degrees in (-360, 360): reduced in double, so that it
    // stays exact in a float however long the exhibit runs.
    static double wheelRollDegrees(double distance);

    double flatLength = 1.0;
    double closedLength = 15.0;
    double bend = 0;
    double lift = 0;
    double width = 1.0;
    double thickness = 0.05;
    int regionState[6] = {0, 0, 0, 0, 0, 0}; // regions 1 to 6: 0 grey, k coloured
    std::vector<Ramp> wheels;
    double value = 0;
    int mode = SquareToStrip;
    double twist = pi;
    int cutStyle = 0;
    int bandStyle = 0;

  private:
    // The map's sheets again when the band's shape has changed.
    void updateMap();
    void addMapPatch(int name, double va, double vb, double ua, double ub);
    void addMapLine(double va, double vb, double ua, double ub);

    std::vector<StripFrame> frames;
    std::vector<MapSheet> sheets;
    DrawingKey sheetsBuiltFrom;
    DrawingKey framesBuiltFrom; // bend, twist and the lengths
};
