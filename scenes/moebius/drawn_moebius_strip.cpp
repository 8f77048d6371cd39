#include "scenes/moebius/drawn_moebius_strip.h"

#include "geom/draw.h"
#include "scenes/moebius/strip_map.h"
#include "scenes/moebius/wheel_model.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

struct Rgba {
    double r, g, b, a;
};
constexpr Rgba seaGreen{0.2, 0.9, 0.7, 1};
constexpr Rgba blue{0.2, 0.3, 0.8, 1};
constexpr Rgba yellow{0.9, 0.9, 0.2, 1};
constexpr Rgba darkBlue{0.1, 0.1, 0.2, 1};
constexpr Rgba black{0, 0, 0, 1};
constexpr Rgba translucentSeaGreen{0.2, 0.9, 0.7, 0.5};

// The strip's whole length as 256 steps.
constexpr int faceSteps = 256;
constexpr double faceStep = 0.00390625;

void material(const Rgba& c) {
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, c.r, c.g, c.b, c.a);
}

void send(const FaceSample& s) {
    glNormal3dv(s.normal.data());
    glVertex3dv(s.first.data());
    glVertex3dv(s.second.data());
}

// The band and its pieces are closed bodies, so the inner side of a broad
// face never shows: culling it halves what the rasteriser fills. The winding
// of a quad strip's first quad (first, second, then on along the band)
// against the side the face looks out to says which side to cull. The
// front face stays GL's counter-clockwise one, on which two-sided lighting
// depends.
void keepOutside(const FaceSample& s0, const FaceSample& s1, const Vec3& outward) {
    const Vec3 winding = cross(s0.second - s0.first, s1.first - s0.first);
    glCullFace(dot(winding, outward) > 0 ? GL_BACK : GL_FRONT);
    glEnable(GL_CULL_FACE);
}

// For the thin faces, the lines and anything seen through.
void keepBothSides() {
    glDisable(GL_CULL_FACE);
}

} // namespace

void DrawnMoebiusStrip::drawFace(double a, double b, double c, double d, double e, double f,
                                 double g) const {
    const StripFace face{a, b, c, d, e, f, g};
    const std::vector<StripFrame>& table = faceFrames();
    chooseCulling(face, faceSample(face, table[0], 0), faceSample(face, table[1], faceStep),
                  table[0]);
    glBegin(GL_QUAD_STRIP);
    {
        for (int i = 0; i <= faceSteps; ++i)
            send(faceSample(face, table[i], i * faceStep));
    }
    glEnd();
}

void DrawnMoebiusStrip::drawFaceRange(double a, double b, double c, double d, double e, double f,
                                      double g, double x0, double x1, int n) const {
    if (n < 1)
        return;
    const StripFace face{a, b, c, d, e, f, g};
    std::vector<FaceSample> samples(std::size_t(n) + 1);
    StripFrame first;
    for (int k = 0; k <= n; ++k) {
        const double x = ((n - k) * x0 + k * x1) / n;
        const StripFrame frame = stripFrame(x);
        if (k == 0)
            first = frame;
        samples[k] = faceSample(face, frame, x);
    }
    chooseCulling(face, samples[0], samples[1], first);
    glBegin(GL_QUAD_STRIP);
    {
        for (const FaceSample& sample : samples)
            send(sample);
    }
    glEnd();
}

void DrawnMoebiusStrip::drawFaceShifted(double a, double b, double c, double d, double e, double f,
                                        double g, double h) const {
    const StripFace face{a, b, c, d, e, f, 0};
    const std::vector<StripFrame>& table = faceFrames();
    chooseCulling(face, shiftedSample(face, g, h, table[0]), shiftedSample(face, g, h, table[1]),
                  table[0]);
    glBegin(GL_QUAD_STRIP);
    {
        for (int i = 0; i <= faceSteps; ++i)
            send(shiftedSample(face, g, h, table[i]));
    }
    glEnd();
}

void DrawnMoebiusStrip::chooseCulling(const StripFace& face, const FaceSample& s0,
                                      const FaceSample& s1, const StripFrame& frame) const {
    // A broad face lies at one side of the thickness and looks out that way.
    const bool broad = face.b == face.d && face.b != 0 && face.a != face.c;
    if (broad && !seeThrough)
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

void DrawnMoebiusStrip::face(const StripFace& f) const {
    const double w = width / 2;
    const double h = thickness / 2;
    drawFace(f.a * w, f.b * h, f.c * w, f.d * h, f.e, f.f, f.g);
}

void DrawnMoebiusStrip::faces(const StripFace* first, int count) const {
    for (int i = 0; i < count; ++i)
        face(first[i]);
}

void DrawnMoebiusStrip::drawBand() const {
    using namespace strip_faces;
    material(seaGreen);
    faces(bandBroad.data(), int(bandBroad.size()));
    material(blue);
    faces(bandEdges.data(), int(bandEdges.size()));
    // Closed, the band has no ends to show.
    if (bend < 1)
        drawEndCaps(-width / 2, -thickness / 2, width / 2, thickness / 2, 0, 1);
}

void DrawnMoebiusStrip::drawCutInTwo() const {
    using namespace strip_faces;
    material(seaGreen);
    faces(cutInTwoBroad.data(), int(cutInTwoBroad.size()));
    material(blue);
    faces(cutInTwoEdges.data(), int(cutInTwoEdges.size()));
}

void DrawnMoebiusStrip::drawCutInThree() const {
    using namespace strip_faces;
    const bool middleShown = cutStyle < 2;
    material(seaGreen);
    faces(cutInThreeOuterBroad.data(), int(cutInThreeOuterBroad.size()));
    if (middleShown) {
        if (cutStyle > 0)
            material(yellow);
        faces(cutInThreeMiddleBroad.data(), int(cutInThreeMiddleBroad.size()));
    }
    material(blue);
    faces(cutInThreeOuterEdges.data(), int(cutInThreeOuterEdges.size()));
    if (middleShown)
        faces(cutInThreeMiddleEdges.data(), int(cutInThreeMiddleEdges.size()));
}

void DrawnMoebiusStrip::drawSliding() {
    bend = 1;
    lift = 0;
    const strip_faces::SlidingOffset offset = strip_faces::slidingOffset(value, width);
    const strip_faces::SlidingFaces all = strip_faces::slidingFaces(width, thickness / 2);
    // Band A (g = 1) is shifted by (-p, q), band B (g = -1) by (p, -q).
    auto shifted = [&](const StripFace& f) {
        drawFaceShifted(f.a, f.b, f.c, f.d, f.e, f.f, -f.g * offset.p, f.g * offset.q);
    };
    material(seaGreen);
    for (const StripFace& f : all.broad)
        shifted(f);
    material(darkBlue);
    for (const StripFace& f : all.borders)
        shifted(f);
    material(blue);
    for (const StripFace& f : all.edges)
        shifted(f);
}

void DrawnMoebiusStrip::drawMapPatch(double va, double vb, double ua, double ub) const {
    const double A = (va - 0.5) * width;
    const double B = (vb - 0.5) * width;
    const double h = thickness / 2;
    const int n = std::max(1, 10 + int(246 * (ub - ua)));
    std::vector<StripFrame> table(std::size_t(n) + 1);
    for (int k = 0; k <= n; ++k)
        table[k] = stripFrame(ua + k * (ub - ua) / n);
    for (double side : {h, -h}) {
        const Vec3 lifted0 = table[0].centre + side * table[0].normal;
        const Vec3 lifted1 = table[1].centre + side * table[1].normal;
        keepOutside({{}, lifted0 + A * table[0].across, lifted0 + B * table[0].across},
                    {{}, lifted1 + A * table[1].across, lifted1 + B * table[1].across},
                    (side > 0 ? 1.0 : -1.0) * table[0].normal);
        glBegin(GL_QUAD_STRIP);
        {
            for (const StripFrame& frame : table) {
                const Vec3 lifted = frame.centre + side * frame.normal;
                glNormal3dv(frame.normal.data());
                glVertex3dv((lifted + A * frame.across).data());
                glVertex3dv((lifted + B * frame.across).data());
            }
        }
        glEnd();
    }
}

void DrawnMoebiusStrip::drawMapLine(double va, double vb, double ua, double ub) const {
    const double A = (va - 0.5) * width;
    const double B = (vb - 0.5) * width;
    const double h = thickness / 2;
    const StripFrame start = stripFrame(ua);
    const StripFrame end = stripFrame(ub);
    keepBothSides();
    for (double side : {h, -h}) {
        const Vec3 p0 = start.centre + side * start.normal;
        const Vec3 p1 = end.centre + side * end.normal;
        glBegin(GL_POLYGON);
        {
            glNormal3dv(start.normal.data());
            glVertex3dv((p0 + A * start.across).data());
            glVertex3dv((p0 + B * start.across).data());
            glNormal3dv(end.normal.data());
            glVertex3dv((p1 + B * end.across).data());
            glVertex3dv((p1 + A * end.across).data());
        }
        glEnd();
    }
}

void DrawnMoebiusStrip::drawMap() const {
    // The lines come before any name is loaded and the edges under name 0:
    // a press on either finds no region and turns the view.
    material(black);
    for (const strip_map::Piece& line : strip_map::longLines)
        drawMapPatch(line.va, line.vb, line.ua, line.ub);
    for (const strip_map::Piece& line : strip_map::crossLines)
        drawMapLine(line.va, line.vb, line.ua, line.ub);
    for (int k = 1; k <= strip_map::regionCount; ++k) {
        glLoadName(GLuint(k));
        const strip_map::Colour& c = strip_map::stateColour(regionState[k - 1]);
        material({c.r, c.g, c.b, c.a});
        const strip_map::Region& region = strip_map::regions[k - 1];
        for (int i = 0; i < region.pieceCount; ++i) {
            const strip_map::Piece& p = region.pieces[i];
            drawMapPatch(p.va, p.vb, p.ua, p.ub);
        }
    }
    glLoadName(0);
    material(blue);
    faces(strip_faces::bandEdges.data(), int(strip_faces::bandEdges.size()));
}

namespace {

// Every wheel of a frame, placed on the CPU and drawn as one array of quads
// per material: a hundred wheels cost three draws instead of three hundred.
struct WheelBatch {
    std::vector<float> points;
    std::vector<float> normals;
    std::vector<unsigned> quads;

    void clear() {
        points.clear();
        normals.clear();
        quads.clear();
    }
    void add(const WheelPart& part, const WheelPlacement& placement) {
        const unsigned base = unsigned(points.size() / 3);
        for (std::size_t i = 0; i < part.points.size(); ++i) {
            const Vec3 p = placement.point(part.points[i]);
            const Vec3 n = placement.direction(part.normals[i]);
            points.insert(points.end(), {float(p.x), float(p.y), float(p.z)});
            normals.insert(normals.end(), {float(n.x), float(n.y), float(n.z)});
        }
        for (unsigned q : part.quads)
            quads.push_back(base + q);
    }
    // Culls the inside of the part.
    void draw(bool outsideCounterClockwise) const {
        if (quads.empty())
            return;
        glCullFace(outsideCounterClockwise ? GL_BACK : GL_FRONT);
        glEnable(GL_CULL_FACE);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, points.data());
        glNormalPointer(GL_FLOAT, 0, normals.data());
        glDrawElements(GL_QUADS, GLsizei(quads.size()), GL_UNSIGNED_INT, quads.data());
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        glDisable(GL_CULL_FACE);
    }
};

// Kept from frame to frame so that their storage is reused; bounded by the
// cap on the number of wheels.
WheelBatch tyres;
WheelBatch rims;
WheelBatch topSides;
WheelBatch bottomSides;
WheelBatch spokes;

} // namespace

void DrawnMoebiusStrip::drawWheel(double x) const {
    const WheelPlacement placement = wheelPlacement(stripFrame(x), thickness, x * closedLength);
    const WheelModel& model = wheelModel();
    tyres.add(model.tyre, placement);
    rims.add(model.rim, placement);
    topSides.add(model.topSide, placement);
    bottomSides.add(model.bottomSide, placement);
    spokes.add(model.spokes, placement);
}

void DrawnMoebiusStrip::drawWheels() {
    for (WheelBatch* batch : {&tyres, &rims, &topSides, &bottomSides, &spokes})
        batch->clear();
    for (double x : wheelPositions())
        drawWheel(x);
    if (wheels.empty())
        return;
    const float tyre[4] = {0.5f, 0.5f, 0.7f, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, tyre);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, tyre);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 120);
    const WheelModel& model = wheelModel();
    tyres.draw(model.tyre.outsideCounterClockwise);
    rims.draw(model.rim.outsideCounterClockwise);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 0.5, 0.5, 0.9, 1);
    topSides.draw(model.topSide.outsideCounterClockwise);
    bottomSides.draw(model.bottomSide.outsideCounterClockwise);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 0.8, 0.7, 0.8, 1);
    spokes.draw(model.spokes.outsideCounterClockwise);
}

void DrawnMoebiusStrip::drawPieces() const {
    const double w = width / 2;
    const double h = thickness / 2;
    for (int i = 0; i < 20; ++i) {
        const double x0 = i * 0.05;
        const double x1 = x0 + 0.037500000000000006; // three quarters of the step
        material(seaGreen);
        drawFaceRange(w, h, -w, h, 0, -1, 0, x0, x1, 10);
        drawFaceRange(-w, -h, w, -h, 0, 1, 0, x0, x1, 10);
        material(blue);
        drawEndCaps(-w, -h, w, h, x0, x1);
        drawFaceRange(w, -h, w, h, -1, 0, 0, x0, x1, 10);
        drawFaceRange(-w, h, -w, -h, 1, 0, 0, x0, x1, 10);
    }
}

void DrawnMoebiusStrip::drawTranslucentBand() const {
    material(translucentSeaGreen);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Both sides of every face show through.
    seeThrough = true;
    faces(strip_faces::bandBroad.data(), int(strip_faces::bandBroad.size()));
    faces(strip_faces::bandEdges.data(), int(strip_faces::bandEdges.size()));
    seeThrough = false;
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}

void DrawnMoebiusStrip::draw() {
    glPushMatrix();
    {
        glRotated(90, 0, 0, 1);
        glRotated(-90, 0, 1, 0);
        // The scenes keep value within [0, 1]; fmin and fmax keep the band
        // within its stages whatever it is.
        const double stage = std::fmin(std::fmax(value, 0.0), 1.0);
        if (mode > 0) {
            bend = 1;
            lift = value;
        } else {
            lift = 0;
            bend = stage;
        }
        setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 1, 1, 1, 1);
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 100);
        switch (mode) {
        case SquareToStrip:
            drawBand();
            break;
        case Wheels:
            // The band of the wheels scene, recorded once per band style.
            if (bandList == 0) {
                bandList = glGenLists(1);
                listDirty = true;
            }
            if (listDirty) {
                glNewList(bandList, GL_COMPILE);
                {
                    if (bandStyle == 1)
                        drawPieces();
                    else if (bandStyle == 2)
                        drawTranslucentBand();
                    else
                        drawBand();
                }
                glEndList();
                listDirty = false;
                ++listRecordings;
            }
            drawWheels();
            glCallList(bandList);
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
