// The Moebius band by mode: bent, cut in two or three, sliding, and the wheels' band.

#include "scenes/moebius/drawn_moebius_strip.h"

#include "geom/clock.h"
#include "geom/draw.h"
#include "scenes/moebius/strip_drawing.h"

#include <GL/gl.h>

#include <cmath>

using namespace strip_drawing;

namespace {

// The samples as one quad strip.
void sendStrip(const std::vector<FaceSample>& samples) {
    glBegin(GL_QUAD_STRIP);
    {
        for (const FaceSample& sample : samples)
            send(sample);
    }
    glEnd();
}

} // namespace

void DrawnMoebiusStrip::drawFace(const StripFace& face, Sides sides) const {
    const std::vector<FaceSample> samples = faceSamples(face);
    chooseCulling(face, samples[0], samples[1], faceFrames()[0], sides);
    sendStrip(samples);
}

void DrawnMoebiusStrip::drawFaceRange(const StripFace& face, double x0, double x1, int n) const {
    if (n < 1)
        return;
    const std::vector<FaceSample> samples = faceSamples(face, x0, x1, n);
    chooseCulling(face, samples[0], samples[1], stripFrame(x0), Sides::Outside);
    sendStrip(samples);
}

void DrawnMoebiusStrip::drawFaceShifted(const FaceSection& face, double g, double h) const {
    const std::vector<FaceSample> samples = shiftedSamples(face, g, h);
    chooseCulling(face, samples[0], samples[1], faceFrames()[0], Sides::Outside);
    sendStrip(samples);
}

void DrawnMoebiusStrip::chooseCulling(const FaceSection& face, const FaceSample& s0,
                                      const FaceSample& s1, const StripFrame& frame,
                                      Sides sides) const {
    // A broad face lies at one side of the thickness and looks out that way.
    const bool broad = face.b == face.d && face.b != 0 && face.a != face.c;
    if (broad && sides == Sides::Outside)
        keepOutside(s0, s1, (face.b > 0 ? 1.0 : -1.0) * frame.normal);
    else
        keepBothSides();
}

void DrawnMoebiusStrip::drawEndCaps(double a, double b, double c, double d, double x0,
                                    double x1) const {
    keepBothSides();
    for (double x : {x0, x1}) {
        const StripFrame frame = stripFrame(x);
        const Vec3& P = frame.centre;
        const Vec3& D = frame.across;
        const Vec3& N = frame.normal;
        const Vec3 corners[4] = {P + a * D + b * N, P + a * D + d * N, P + c * D + d * N,
                                 P + c * D + b * N};
        glBegin(GL_POLYGON);
        {
            glNormal3dv(cross(N, D).data());
            for (const Vec3& corner : corners)
                glVertex3dv(corner.data());
        }
        glEnd();
    }
}

void DrawnMoebiusStrip::drawScaledFace(const StripFace& f, Sides sides) const {
    drawFace(scaledFace(f), sides);
}

void DrawnMoebiusStrip::drawBand() const {
    using namespace strip_faces;
    material(seaGreen);
    faces(bandBroad);
    material(blue);
    faces(bandEdges);
    // Closed, the band has no ends to show.
    if (bend < 1)
        drawEndCaps(-width / 2, -thickness / 2, width / 2, thickness / 2, 0, 1);
}

void DrawnMoebiusStrip::drawCutInTwo() const {
    using namespace strip_faces;
    material(seaGreen);
    faces(cutInTwoBroad);
    material(blue);
    faces(cutInTwoEdges);
}

void DrawnMoebiusStrip::drawCutInThree() const {
    using namespace strip_faces;
    const bool middleShown = cutStyle < 2;
    material(seaGreen);
    faces(cutInThreeOuterBroad);
    if (middleShown) {
        if (cutStyle > 0)
            material(yellow);
        faces(cutInThreeMiddleBroad);
    }
    material(blue);
    faces(cutInThreeOuterEdges);
    if (middleShown)
        faces(cutInThreeMiddleEdges);
}

void DrawnMoebiusStrip::drawSliding() const {
    const strip_faces::SlidingOffset offset = strip_faces::slidingOffset(value, width);
    const strip_faces::SlidingFaces all = strip_faces::slidingFaces(width, thickness / 2);
    // Band A is shifted by (-p, q), band B by (p, -q).
    auto shifted = [&](const SlidingFace& f) {
        drawFaceShifted(f, -f.band * offset.p, f.band * offset.q);
    };
    material(seaGreen);
    for (const SlidingFace& f : all.broad)
        shifted(f);
    material(darkBlue);
    for (const SlidingFace& f : all.borders)
        shifted(f);
    material(blue);
    for (const SlidingFace& f : all.edges)
        shifted(f);
}

void DrawnMoebiusStrip::drawPieces() const {
    const double w = width / 2;
    const double h = thickness / 2;
    for (int i = 0; i < 20; ++i) {
        const double x0 = i * 0.05;
        const double x1 = x0 + 0.037500000000000006; // three quarters of the step
        material(seaGreen);
        drawFaceRange({{w, h, -w, h, 0, -1}, 0}, x0, x1, 10);
        drawFaceRange({{-w, -h, w, -h, 0, 1}, 0}, x0, x1, 10);
        material(blue);
        drawEndCaps(-w, -h, w, h, x0, x1);
        drawFaceRange({{w, -h, w, h, -1, 0}, 0}, x0, x1, 10);
        drawFaceRange({{-w, h, -w, -h, 1, 0}, 0}, x0, x1, 10);
    }
}

void DrawnMoebiusStrip::drawTranslucentBand() const {
    material(translucentSeaGreen);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Both sides of every face show through.
    faces(strip_faces::bandBroad, Sides::Both);
    faces(strip_faces::bandEdges, Sides::Both);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}

void DrawnMoebiusStrip::drawWheelsBand() const {
    if (bandStyle == 1)
        drawPieces();
    else if (bandStyle == 2)
        drawTranslucentBand();
    else
        drawBand();
}

void DrawnMoebiusStrip::update(Millis now) {
    updateShape();
    if (mode != Wheels)
        return;
    placeWheels(now);
    // The band is recorded again only for a new style or shape.
    wheelsBand.update({DrawingKey::of(bandStyle), DrawingKey::of(bend), DrawingKey::of(lift),
                       DrawingKey::of(twist), DrawingKey::of(width), DrawingKey::of(thickness),
                       DrawingKey::of(flatLength), DrawingKey::of(closedLength)},
                      [this] { drawWheelsBand(); });
}

void DrawnMoebiusStrip::draw() const {
    glPushMatrix();
    {
        glRotated(90, 0, 0, 1);
        glRotated(-90, 0, 1, 0);
        setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 1, 1, 1, 1);
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 100);
        switch (mode) {
        case SquareToStrip:
            drawBand();
            break;
        case Wheels:
            // The wheels first, then the band from its list. The order
            // shows: the translucent band blends over the wheels, and the
            // band, which sets only its colours, shines with the specular
            // and shininess the wheels leave.
            drawWheels();
            wheelsBand.draw([this] { drawWheelsBand(); });
            break;
        case CutInTwo:
            drawCutInTwo();
            break;
        case Sliding:
            drawSliding();
            break;
        case CutInThree:
            drawCutInThree();
            break;
        case Map:
            drawMap();
            break;
        default:
            break;
        }
        // Whatever the faces chose, the next drawing gets GL's defaults.
        keepBothSides();
        glCullFace(GL_BACK);
    }
    glPopMatrix();
}
