// DrawnKleinTube: the stage dispatcher, the surface in
// its three styles, the seam marks of the rectangle, the labelled bottle and
// the bottle cut in two. Every formula lives in klein_tube.cpp and
// label_layout.cpp; this file only turns their results into GL calls.
//
// The mesh goes to GL as vertex arrays, a quad strip per pair of rows, the
// same vertices in the same order as one glNormal and glVertex call each,
// compiled into a display list that is kept while the mesh and the strips
// stay the same. A scene at rest thus replays its lists; a frame whose
// control has moved sends the mesh from its arrays. The translucent styles'
// highlight pass draws again only the quads that can shine.

#include "scenes/klein/drawn_klein_tube.h"

#include "geom/draw.h"
#include "scenes/klein/highlight_cull.h"
#include "scenes/klein/label_layout.h"
#include "scenes/klein/label_texture.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <utility>

namespace {

constexpr double shininess = 50;
// The material's specular in the highlight pass.
constexpr double highlightSpecular = 1;
// Green, a little transparent where blending is on.
constexpr double surfaceColour[4] = {0.15, 0.7, 0.1, 0.3};
constexpr double markRadius = 0.04;
constexpr double markBrightness = 4;
// How far the halves of the cut bottle move apart, and the height of the
// axis the second one swings over about.
constexpr double halvesGap = 2.65;

void setShinyMaterial(double r, double g, double b, double a) {
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 1, 1, 1, 1);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, r, g, b, a);
}

// Light 4 in place of light 0, in eye space in front of the viewer, for the
// translucent body; specular is its highlight strength.
void beginTranslucentLight(double specular) {
    glDisable(GL_LIGHT0);
    glEnable(GL_LIGHT4);
    glPushMatrix();
    {
        glLoadIdentity();
        setLight(GL_LIGHT4, GL_POSITION, 0, 0, 10);
    }
    glPopMatrix();
    setLight(GL_LIGHT4, GL_AMBIENT, 0.3, 0.3, 0.3);
    setLight(GL_LIGHT4, GL_DIFFUSE, 0.8, 0.8, 0.8);
    setLight(GL_LIGHT4, GL_SPECULAR, specular, specular, specular);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

// Back to light 0 and a black, shiny material, so that drawing the same
// strips again adds only their highlights on top of what is drawn.
void beginHighlights() {
    glDisable(GL_LIGHT4);
    glEnable(GL_LIGHT0);
    setShinyMaterial(0, 0, 0, 1);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}

void sendPoint(const Vec3& normal, const Vec3& vertex) {
    glNormal3dv(normal.data());
    glVertex3dv(vertex.data());
}

// a scaled to unit length; a zero vector stays zero.
Vec3 unitOrZero(const Vec3& a) {
    const double l = length(a);
    return l > 0 ? a * (1.0 / l) : a;
}

// One mark along count mesh points, given the point, normal and side vector
// of each: a hexagonal tube of radius 0.04, hue from h0 to h1.
template <typename PointAt> void drawMark(int count, double h0, double h1, PointAt pointAt) {
    constexpr double sector = 1.0471975511965976;
    for (int s = 0; s < 6; ++s) {
        const double psi1 = s * sector;
        const double psi0 = s == 0 ? 5.235987755982989 : (s - 1) * sector;
        glBegin(GL_QUAD_STRIP);
        {
            for (int t = 0; t < count; ++t) {
                const double f = count > 1 ? double(t) / (count - 1) : 0;
                hueColour((1 - f) * h0 + f * h1, markBrightness);
                Vec3 v, n, side;
                pointAt(t, v, n, side);
                const Vec3 n1 = std::cos(psi1) * side - std::sin(psi1) * n;
                const Vec3 n0 = std::cos(psi0) * side - std::sin(psi0) * n;
                sendPoint(n1, v + markRadius * n1);
                sendPoint(n0, v + markRadius * n0);
            }
        }
        glEnd();
    }
}

// The mesh line nearest to a (0 to 1) of count lines.
int lineIndex(double a, int count) {
    const double k = std::trunc((count - 1) * a + 0.5);
    if (!(k > 0))
        return 0;
    return k > count - 1 ? count - 1 : int(k);
}

} // namespace

void DrawnKleinTube::drawStage() {
    glPushMatrix();
    {
        if (stage == MirroredBottle)
            glRotated(180, 0, 0, 1);
        else
            glRotated(180, 1, 0, 0);
        switch (stage) {
        case RollRectangle:
        case BendTube:
            drawSurface();
            drawSeamMarks();
            break;
        case WholeBottle:
            buildSpine();
            buildSurface();
            drawSurface();
            break;
        case MirroredBottle:
            drawLabelled();
            break;
        case CutBottle:
            drawHalves();
            break;
        default:
            drawSurface();
            break;
        }
    }
    glPopMatrix();
}

void DrawnKleinTube::drawSurface() {
    drawMesh(vertices, normals, surfaceList);
}

void DrawnKleinTube::drawMesh(const std::vector<Vec3>& meshVertices,
                              const std::vector<Vec3>& meshNormals, StripList& cache) {
    setShinyMaterial(surfaceColour[0], surfaceColour[1], surfaceColour[2], surfaceColour[3]);
    const bool translucent = style == Translucent;
    if (translucent) {
        beginTranslucentLight(0);
        // The far side shows through.
        glDisable(GL_DEPTH_TEST);
    }
    const int step = style == Striped ? 2 : 1;
    scratchRuns = {0, rows - 1, step, 0, columns - 1};
    drawThroughList(cache, meshVertices, meshNormals, scratchRuns);
    if (translucent) {
        beginHighlights();
        drawHighlights(cache);
        glDisable(GL_BLEND);
        glEnable(GL_DEPTH_TEST);
    }
}

namespace {
bool sameMesh(const std::vector<Vec3>& a, const std::vector<Vec3>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(Vec3)) == 0;
}
} // namespace

void DrawnKleinTube::drawThroughList(StripList& cache, const std::vector<Vec3>& meshVertices,
                                     const std::vector<Vec3>& meshNormals, const StripRuns& runs) {
    const bool same = cache.runs == runs && sameMesh(cache.vertices, meshVertices) &&
                      sameMesh(cache.normals, meshNormals);
    if (!same) {
        // A mesh seen for the first time goes straight from its arrays: it is
        // compiled only once it comes back unchanged, so that the frames of a
        // moving slider do not pay for lists they will not replay.
        cache.vertices = meshVertices;
        cache.normals = meshNormals;
        cache.runs = runs;
        cache.compiled = false;
        drawRuns(cache);
        return;
    }
    if (!cache.compiled || !glIsList(cache.list)) {
        if (cache.list == 0 || !glIsList(cache.list))
            cache.list = glGenLists(1);
        glNewList(cache.list, GL_COMPILE);
        drawRuns(cache);
        glEndList();
        cache.compiled = true;
    }
    glCallList(cache.list);
}

void DrawnKleinTube::drawRuns(const StripList& cache) {
    beginMeshArrays(cache.vertices, cache.normals);
    const StripRuns& runs = cache.runs;
    for (std::size_t k = 0; k + 4 < runs.size(); k += 5)
        drawMeshStrips(runs[k], runs[k + 1], runs[k + 2], runs[k + 3], runs[k + 4]);
    endMeshArrays();
}

void DrawnKleinTube::replayList(const StripList& cache) {
    if (cache.compiled && glIsList(cache.list))
        glCallList(cache.list);
    else
        drawRuns(cache);
}

void DrawnKleinTube::beginMeshArrays(const std::vector<Vec3>& meshVertices,
                                     const std::vector<Vec3>& meshNormals) {
    if (stripIndices.empty()) {
        // Row pair b, column i: mesh point (b, i), then (b + 1, i).
        stripIndices.resize(std::size_t(rows - 1) * columns * 2);
        for (int b = 0; b + 1 < rows; ++b)
            for (int i = 0; i < columns; ++i) {
                stripIndices[std::size_t(b * columns + i) * 2] = unsigned(index(b, i));
                stripIndices[std::size_t(b * columns + i) * 2 + 1] = unsigned(index(b + 1, i));
            }
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_DOUBLE, sizeof(Vec3), meshVertices.data());
    glNormalPointer(GL_DOUBLE, sizeof(Vec3), meshNormals.data());
}

void DrawnKleinTube::drawMeshStrips(int r0, int r1, int step, int c0, int c1) {
    if (step < 1 || c0 < 0 || c1 >= columns || c1 < c0)
        return;
    for (int r = r0; r < r1; r += step) {
        if (r < 0 || r + 1 >= rows)
            continue;
        glDrawElements(GL_QUAD_STRIP, 2 * (c1 - c0 + 1), GL_UNSIGNED_INT,
                       &stripIndices[std::size_t(r * columns + c0) * 2]);
    }
}

void DrawnKleinTube::endMeshArrays() {
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
}

void DrawnKleinTube::drawHighlights(const StripList& cache) {
    SpecularLight light;
    float position[4], specular[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    glGetLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    GLint localViewer = 0;
    glGetIntegerv(GL_LIGHT_MODEL_LOCAL_VIEWER, &localViewer);
    // Only a positional light is worked out; anything else draws every quad.
    if (!cullHighlights || position[3] == 0) {
        replayList(cache);
        return;
    }
    glGetDoublev(GL_MODELVIEW_MATRIX, light.modelview);
    light.lightPosition = Vec3{position[0], position[1], position[2]} * (1.0 / position[3]);
    light.localViewer = localViewer != 0;
    light.strength = std::max({specular[0], specular[1], specular[2]}) * highlightSpecular;
    light.shininess = shininess;
    // A tenth of the half step below which an 8-bit channel rounds to 0.
    markHighlighted(light, cache.vertices, cache.normals, 0.05 / 255, highlightMarks);

    // The quads that may add light, gathered into one list of triangles:
    // one draw call instead of one per run of quads.
    highlightTriangles.clear();
    const StripRuns& runs = cache.runs;
    for (std::size_t k = 0; k + 4 < runs.size(); k += 5) {
        const int r0 = runs[k], r1 = runs[k + 1], step = runs[k + 2];
        const int c0 = runs[k + 3], c1 = runs[k + 4];
        if (step < 1 || c0 < 0 || c1 >= columns)
            continue;
        for (int r = std::max(r0, 0); r < r1 && r + 1 < rows; r += step)
            for (int q = c0; q < c1; ++q) {
                const unsigned a = unsigned(index(r, q)), b = unsigned(index(r + 1, q));
                const unsigned c = unsigned(index(r, q + 1)), d = unsigned(index(r + 1, q + 1));
                if (!(highlightMarks[a] | highlightMarks[b] | highlightMarks[c] |
                      highlightMarks[d]))
                    continue;
                // Cut along the diagonal from a to d, where the renderer cuts
                // a strip's quad, so that the highlight lands pixel for pixel
                // where the strip's would.
                for (unsigned v : {c, a, d, a, b, d})
                    highlightTriangles.push_back(v);
            }
    }
    if (highlightTriangles.empty())
        return;
    beginMeshArrays(cache.vertices, cache.normals);
    glDrawElements(GL_TRIANGLES, GLsizei(highlightTriangles.size()), GL_UNSIGNED_INT,
                   highlightTriangles.data());
    endMeshArrays();
}

void DrawnKleinTube::drawSeamMarks() {
    setShinyMaterial(0, 0, 0, 1);
    // The colour drives only the ambient term; the shine stays specular.
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT);
    glEnable(GL_COLOR_MATERIAL);
    // Both long sides share one ramp, as they meet when the rectangle closes
    // into a tube; the short sides, the circles joined to make the bottle,
    // run their ramps in opposite directions so that equal colours meet.
    drawColumnMark(0, 0, 0.25);
    drawColumnMark(1, 0, 0.25);
    drawRowMark(0, 0.5, 0.25);
    drawRowMark(1, 0.25, 0.5);
    glDisable(GL_COLOR_MATERIAL);
}

void DrawnKleinTube::drawRowMark(double a, double h0, double h1) {
    const int row = lineIndex(a, rows);
    drawMark(columns, h0, h1, [&](int t, Vec3& v, Vec3& n, Vec3& side) {
        v = vertex(row, t);
        n = normal(row, t);
        // Backwards along the row.
        const Vec3 d = t > 0 ? vertex(row, t - 1) - v : v - vertex(row, t + 1);
        side = unitOrZero(cross(n, d));
    });
}

void DrawnKleinTube::drawColumnMark(double a, double h0, double h1) {
    const int column = lineIndex(a, columns);
    drawMark(rows, h0, h1, [&](int t, Vec3& v, Vec3& n, Vec3& side) {
        v = vertex(t, column);
        n = normal(t, column);
        side = cross(n, frames[t].along);
    });
}

void DrawnKleinTube::drawStrips(int r0, int r1, int step, int c0, int c1) {
    beginMeshArrays(vertices, normals);
    drawMeshStrips(r0, r1, step, c0, c1);
    endMeshArrays();
}

void DrawnKleinTube::drawTexturedStrips(int r0, int r1, int step, int c0, int c1, double t0,
                                        double t1, double s0, double s1) {
    glEnable(GL_TEXTURE_2D);
    if (step >= 1 && c0 >= 0 && c1 < columns && r1 > r0) {
        const double dt = (t1 - t0) / (r1 - r0);
        const double ds = c1 > c0 ? (s1 - s0) / (c1 - c0) : 0;
        for (int r = r0, m = 0; r < r1; r += step, m += step) {
            if (r < 0 || r + 1 >= rows)
                continue;
            const double ta = t0 + dt * m;
            const double tb = t0 + dt * (m + 1);
            glBegin(GL_QUAD_STRIP);
            {
                for (int w = 0; w <= c1 - c0; ++w) {
                    const int c = c0 + w;
                    // The picture is stored mirrored: 1 - s reads it the right way.
                    const double s = 1 - (s0 + ds * w);
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

void DrawnKleinTube::drawLabelled() {
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 0.2, 0.2, 0.2, 1);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 10);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 0.7, 0.7, 0.7, 1);
    const LabelLayout layout = labelLayout(labelPlacement(morph, rows));

    // The label, opaque. Without a picture its place is left to the
    // translucent body below.
    const bool labelled = bindLabelTexture();
    if (labelled) {
        for (int k = 0; k < layout.labelRuns; ++k) {
            const StripRun& run = layout.label[k];
            drawTexturedStrips(run.r0, run.r1, 1, run.c0, run.c1, run.t0, run.t1, run.s0, run.s1);
        }
        unbindLabelTexture();
    }

    // The rest of the bottle, translucent; the depth test stays on so that
    // the label hides what lies behind it, but the body writes no depth.
    beginTranslucentLight(0);
    glDepthMask(GL_FALSE);
    setShinyMaterial(surfaceColour[0], surfaceColour[1], surfaceColour[2], surfaceColour[3]);
    scratchRuns.clear();
    auto addRuns = [&](const StripRun* runs, int count) {
        for (int k = 0; k < count; ++k)
            for (int v : {runs[k].r0, runs[k].r1, 1, runs[k].c0, runs[k].c1})
                scratchRuns.push_back(v);
    };
    addRuns(layout.rest, layout.restRuns);
    if (!labelled)
        addRuns(layout.label, layout.labelRuns);
    drawThroughList(bodyList, vertices, normals, scratchRuns);
    beginHighlights();
    drawHighlights(bodyList);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
}

void DrawnKleinTube::updateHalves(double halfCut) {
    const bool same =
        halves.valid && halves.cut == halfCut && halves.stage == stage && halves.morph == morph &&
        halves.frames.size() == frames.size() &&
        std::memcmp(halves.frames.data(), frames.data(), frames.size() * sizeof(SpineFrame)) == 0;
    if (same)
        return;
    // Build the half surface into the tube's arrays and swap it out, so that
    // the whole tube's mesh is back in place without being built again.
    halves.firstVertices = vertices;
    halves.firstNormals = normals;
    cut = halfCut;
    buildSurface();
    std::swap(vertices, halves.firstVertices);
    std::swap(normals, halves.firstNormals);
    cut = 0;
    mirrorHalf(halves.firstVertices, halves.firstNormals, halves.secondVertices,
               halves.secondNormals);
    halves.cut = halfCut;
    halves.stage = stage;
    halves.morph = morph;
    halves.frames = frames;
    halves.valid = true;
}

void DrawnKleinTube::drawHalves() {
    // The halves are cut from the whole tube.
    if (cut != 0) {
        cut = 0;
        buildSurface();
    }
    const HalvesMotion motion = halvesMotion(morph);
    const double k = motion.apart;
    updateHalves(motion.cut);
    glPushMatrix();
    {
        glTranslated(0, -halvesGap * k, 0);
        drawMesh(halves.firstVertices, halves.firstNormals, firstHalfList);
    }
    glPopMatrix();
    if (k > 0) {
        // The other half swings over about an axis parallel to x.
        glPushMatrix();
        {
            glTranslated(0, -halvesGap * k, 0);
            glTranslated(0, halvesGap, 0);
            glRotated(180 * k, 1, 0, 0);
            glTranslated(0, -halvesGap, 0);
            drawMesh(halves.secondVertices, halves.secondNormals, secondHalfList);
        }
        glPopMatrix();
    }
}
