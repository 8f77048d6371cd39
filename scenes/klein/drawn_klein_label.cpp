// The mirrored bottle: the label opaque and textured, the rest translucent.

#include "scenes/klein/drawn_klein_tube.h"

#include "geom/draw.h"
#include "scenes/klein/klein_lighting.h"
#include "scenes/klein/label_layout.h"
#include "scenes/klein/label_texture.h"

#include <GL/gl.h>

using namespace klein_lighting;

void DrawnKleinTube::drawTexturedStrips(const StripRun& run) const {
    glEnable(GL_TEXTURE_2D);
    if (run.c0 >= 0 && run.c1 < columns && run.r1 > run.r0) {
        const double dt = (run.t1 - run.t0) / (run.r1 - run.r0);
        const double ds = run.c1 > run.c0 ? (run.s1 - run.s0) / (run.c1 - run.c0) : 0;
        for (int r = run.r0, m = 0; r < run.r1; ++r, ++m) {
            if (r < 0 || r + 1 >= rows)
                continue;
            const double ta = run.t0 + dt * m;
            const double tb = run.t0 + dt * (m + 1);
            glBegin(GL_QUAD_STRIP);
            {
                for (int w = 0; w <= run.c1 - run.c0; ++w) {
                    const int c = run.c0 + w;
                    // The picture is stored mirrored: 1 - s reads it the right way.
                    const double s = 1 - (run.s0 + ds * w);
                    glTexCoord2d(s, ta);
                    sendPoint(normal(r, c), vertex(r, c));
                    glTexCoord2d(s, tb);
                    sendPoint(normal(r + 1, c), vertex(r + 1, c));
                }
            }
            glEnd();
        }
    }
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
}

DrawnKleinTube::Runs DrawnKleinTube::bodyRuns() const {
    const LabelLayout layout = labelLayout(labelPlacement(morph, rows));
    Runs runs;
    auto addRuns = [&](const StripRun* from, int count) {
        for (int k = 0; k < count; ++k)
            runs.push_back({from[k].r0, from[k].r1, 1, from[k].c0, from[k].c1});
    };
    addRuns(layout.rest, layout.restRuns);
    if (!labelled)
        addRuns(layout.label, layout.labelRuns);
    return runs;
}

void DrawnKleinTube::drawLabelled() const {
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 0.2, 0.2, 0.2, 1);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 10);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 0.7, 0.7, 0.7, 1);
    const LabelLayout layout = labelLayout(labelPlacement(morph, rows));

    // The label, opaque. Without a picture its place is left to the
    // translucent body below.
    if (labelled && bindLabelTexture()) {
        for (int k = 0; k < layout.labelRuns; ++k)
            drawTexturedStrips(layout.label[k]);
        unbindLabelTexture();
    }

    // The rest of the bottle, translucent; the depth test stays on so that
    // the label hides what lies behind it, but the body writes no depth.
    beginTranslucentLight(0);
    glDepthMask(GL_FALSE);
    setSurfaceMaterial();
    const Runs runs = bodyRuns();
    bodyDrawing.draw([&] { sendRuns(wholeArrays, runs); });
    beginHighlights();
    drawHighlights(bodyDrawing, wholeMesh(), runs);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
}
