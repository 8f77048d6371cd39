#include "scenes/ring/ring_scene.h"

#include "geom/draw.h"
#include "scenes/ring/ring_geometry.h"
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

void setColour(const double (&c)[4]) {
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, c[0], c[1], c[2], c[3]);
}

void sendPair(const StripPair& p) {
    glNormal3dv(p.firstNormal.data());
    glVertex3dv(p.first.data());
    glNormal3dv(p.secondNormal.data());
    glVertex3dv(p.second.data());
}

// One sheet; on a cut band its face sheets are red at both ends.
void drawSheet(int mode, const std::vector<RingFrame>& frames, bool cut,
               std::vector<StripPair>& strip) {
    sheetStrip(mode, frames, strip);
    const bool marked = cut && !(mode & sheetRims);
    const int n = int(strip.size());
    glBegin(GL_QUAD_STRIP);
    {
        for (int i = 0; i < n; ++i) {
            // A material change between vertices is allowed inside glBegin.
            if (marked && (i == 0 || pairMarkedCut(i, n) != pairMarkedCut(i - 1, n)))
                setColour(pairMarkedCut(i, n) ? cutColour : faceColour);
            sendPair(strip[std::size_t(i)]);
        }
    }
    glEnd();
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
        edgeSegmentStrip(start, end, strip);
        glBegin(GL_TRIANGLE_STRIP);
        {
            for (const StripPair& p : strip)
                sendPair(p);
        }
        glEnd();
        start = end;
    }
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

void RingScene::drawModel() {
    glEnable(GL_LIGHT0);
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 1, 1, 1, 1);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 50);

    const double cut = bandSlider->value;
    // Everything turns with the phase once per 2 pi; folding it in keeps a
    // dial that has spun for days as exact as a fresh one.
    const double phi =
        std::isfinite(phaseDial->angle) ? std::remainder(phaseDial->angle, 2 * pi) : 0;
    std::vector<RingFrame> frames;
    for (int i = 0; i < bandPairCount(cut); ++i)
        frames.push_back(ringFrame(bandParameter(i), phi));
    std::vector<StripPair> strip;

    glPushMatrix();
    {
        glTranslated(0, 0, -10);
        applyViewRotation();
        setColour(rimColour);
        for (int mode : {6, 4})
            drawSheet(mode, frames, cut > 0, strip);
        setColour(faceColour);
        for (int mode : {3, 1, 2, 0})
            drawSheet(mode, frames, cut > 0, strip);
        setColour(edgeColour);
        drawEdgeTube(phi, edgeSlider->value, strip);
        setColour(cutFaceColour);
        setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 0, 0, 0, 0);
        if (cut > 0)
            drawCutEnds(frames);
    }
    glPopMatrix();
}
