#include "scenes/ring/ring_scene.h"

#include "geom/draw.h"
#include "scenes/ring/ring_culling.h"
#include "scenes/ring/ring_geometry.h"
#include "scenes/ring/ring_state.h"
#include "ui/dial.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>

#include <cmath>
#include <vector>

namespace {

using namespace ring;

constexpr double rimColour[4] = {0.1, 0.1, 0.2, 1.0};
// The alpha has no effect while blending stays off.
constexpr double faceColour[4] = {0.5, 0.55, 0.8, 0.8};
constexpr double edgeColour[4] = {0.8, 0.8, 0.9, 1.0};
constexpr double cutColour[4] = {1.0, 0.1, 0.1, 1.0};
constexpr double cutFaceColour[4] = {1.0, 0.5, 0.5, 1.0};

// The sheets in the order they are drawn: the window rims of the +across
// side, then of the other; the face sheets above the mid-surface on the
// +across side and on the other, then those below on both sides.
constexpr int rimSheets[] = {sheetRims | sheetSide, sheetRims};
constexpr int faceSheets[] = {sheetSide | sheetUpper, sheetUpper, sheetSide, 0};

void setColour(const double (&c)[4]) {
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, c[0], c[1], c[2], c[3]);
}

void sendPair(const StripPair& p) {
    glNormal3dv(p.firstNormal.data());
    glVertex3dv(p.first.data());
    glNormal3dv(p.secondNormal.data());
    glVertex3dv(p.second.data());
}

// Face culling, where the slab is closed: whichever way the camera looks, a
// face turned into the slab lies behind one turned out of it, and leaving
// the inner ones out halves what the renderer fills. cullFace is the
// winding that faces inwards.
void setCulling(bool on, GLenum cullFace) {
    if (on) {
        glCullFace(cullFace);
        glEnable(GL_CULL_FACE);
    } else {
        glDisable(GL_CULL_FACE);
    }
}

// Culling off and back at GL's default, for whatever is drawn next.
void endCulling() {
    glDisable(GL_CULL_FACE);
    glCullFace(GL_BACK);
}

// One sheet; on a cut band its face sheets are red at both ends. Face sheets
// are drawn in runs of quads, culled where the edge tube closes the slab.
void drawSheet(int mode, const std::vector<RingFrame>& frames, bool cut, int edgeSegmentsKept,
               std::vector<StripPair>& strip) {
    sheetStrip(mode, frames, strip);
    const bool faces = !(mode & sheetRims);
    const bool marked = cut && faces;
    // The strips wind counter-clockwise about s * normal; the upper sheet
    // of a side faces out that way, the lower one the other way.
    const GLenum inwards = mode & sheetUpper ? GL_BACK : GL_FRONT;
    const int n = int(strip.size());
    auto sealed = [&](int i) {
        return faces && edgeSealed(edgeParameter(i, (mode & sheetSide) != 0), edgeSegmentsKept);
    };
    for (int start = 0; start + 1 < n;) {
        const bool culled = sealed(start) && sealed(start + 1);
        int end = start + 1;
        while (end + 1 < n && (sealed(end) && sealed(end + 1)) == culled)
            ++end;
        setCulling(culled, inwards);
        glBegin(GL_QUAD_STRIP);
        {
            for (int i = start; i <= end; ++i) {
                // A material change between vertices is allowed inside glBegin.
                if (marked && (i == start || pairMarkedCut(i, n) != pairMarkedCut(i - 1, n)))
                    setColour(pairMarkedCut(i, n) ? cutColour : faceColour);
                sendPair(strip[std::size_t(i)]);
            }
        }
        glEnd();
        start = end;
    }
    endCulling();
}

void drawCutEnds(const std::vector<RingFrame>& frames) {
    if (frames.empty())
        return;
    const int last = int(frames.size()) - 1;
    const struct {
        const RingFrame& frame;
        double halfWidth;
    } ends[2] = {{frames.front(), 0.0}, {frames.back(), windowProfile(last).halfWidth}};
    for (const auto& end : ends)
        for (const auto& quad : cutFaces(end.frame, end.halfWidth)) {
            glBegin(GL_POLYGON);
            {
                glNormal3dv(end.frame.tangent.data());
                for (const Vec3& corner : quad)
                    glVertex3dv(corner.data());
            }
            glEnd();
        }
}

void drawEdgeTube(double phi, double edgeCut, std::vector<StripPair>& strip) {
    const int m = edgeSegmentCount(edgeCut);
    const bool cut = edgeCut > 0;
    RingFrame start = ringFrame(0, phi);
    for (int i = 0; i < m; ++i) {
        const RingFrame end = ringFrame((i + 1) * edgeStep, phi);
        if (cut && (i == 0 || i == m - 1))
            setColour(cutColour);
        else if (cut && i == 1)
            setColour(edgeColour);
        // The strips wind counter-clockwise seen from outside the tube.
        setCulling(segmentSealed(i, m), GL_BACK);
        edgeSegmentStrip(start, end, strip);
        glBegin(GL_TRIANGLE_STRIP);
        {
            for (const StripPair& p : strip)
                sendPair(p);
        }
        glEnd();
        start = end;
    }
    endCulling();
}

void drawBand(double cut, double edgeCut, double phi) {
    std::vector<RingFrame> frames;
    for (int i = 0; i < bandPairCount(cut); ++i)
        frames.push_back(ringFrame(bandParameter(i), phi));
    std::vector<StripPair> strip;
    setColour(rimColour);
    const int edgeSegmentsKept = edgeSegmentCount(edgeCut);
    for (int mode : rimSheets)
        drawSheet(mode, frames, cut > 0, edgeSegmentsKept, strip);
    setColour(faceColour);
    for (int mode : faceSheets)
        drawSheet(mode, frames, cut > 0, edgeSegmentsKept, strip);
    setColour(edgeColour);
    drawEdgeTube(phi, edgeCut, strip);
    setColour(cutFaceColour);
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 0, 0, 0, 0);
    if (cut > 0)
        drawCutEnds(frames);
}

} // namespace

RingScene::RingScene() : Scene("ring") {
    bandSlider = placed(new Slider, BottomLeft, {150, 60});
    edgeSlider = placed(new Slider, BottomLeft, {150, 20});
    phaseDial = placed(new Dial, BottomLeft, {250, 20});
    panel->add(bandSlider);
    panel->add(edgeSlider);
    panel->add(phaseDial);
}

void RingScene::updateModel(Millis now) {
    const RingState state =
        ringState(bandSlider->value, edgeSlider->value, phaseDial->angleAt(now));
    cut = state.cut;
    edgeCut = state.edgeCut;
    phi = state.phi;
    // The model changes only with the controls: once they have rested for a
    // frame it is replayed from its list until they move again; while they
    // move (a spinning dial) it is drawn directly.
    band.update({DrawingKey::of(cut), DrawingKey::of(edgeCut), DrawingKey::of(phi)},
                [this] { drawBand(cut, edgeCut, phi); });
}

void RingScene::drawModel() const {
    glEnable(GL_LIGHT0);
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 1, 1, 1, 1);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 50);
    glPushMatrix();
    {
        glTranslated(0, 0, -10);
        applyViewRotation();
        band.draw([this] { drawBand(cut, edgeCut, phi); });
    }
    glPopMatrix();
}
