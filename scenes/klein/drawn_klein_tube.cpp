// The Klein tube's stages, and its surface solid, striped or translucent with highlights.
//
// Every formula lives in klein_tube.cpp and label_layout.cpp; the drawing
// files only turn their results into GL calls. The mesh goes to GL as
// single-precision vertex arrays (geom/vertex_arrays.h), made when the mesh
// is built, a quad strip per pair of rows, kept in a retained drawing
// keyed by the stage, the morph and the style it shows. A scene at rest thus
// replays its lists and builds nothing; a frame whose control has moved
// builds the mesh once and sends it from its arrays. The
// translucent styles' highlight pass draws again only the quads that can
// shine.

#include "scenes/klein/drawn_klein_tube.h"

#include "geom/draw.h"
#include "scenes/klein/highlight_cull.h"
#include "scenes/klein/klein_lighting.h"
#include "scenes/klein/label_texture.h"

#include <GL/gl.h>

#include <algorithm>
#include <initializer_list>

using namespace klein_lighting;

namespace {

// The material's specular in the highlight pass.
constexpr double highlightSpecular = 1;

} // namespace

void DrawnKleinTube::update(int newStage, double newMorph, int newStyle) {
    style = newStyle;
    if (stripIndices.empty()) {
        // Row pair b, column i: mesh point (b, i), then (b + 1, i).
        stripIndices.resize(std::size_t(rows - 1) * columns * 2);
        for (int b = 0; b + 1 < rows; ++b)
            for (int i = 0; i < columns; ++i) {
                stripIndices[std::size_t(b * columns + i) * 2] = unsigned(index(b, i));
                stripIndices[std::size_t(b * columns + i) * 2 + 1] = unsigned(index(b + 1, i));
            }
    }
    if (meshBuiltFrom.changes({DrawingKey::of(newStage), DrawingKey::of(newMorph)})) {
        stage = newStage;
        morph = newMorph;
        halfFlattening = 0;
        buildSpine();
        buildSurface();
        if (stage == CutBottle)
            buildHalves();
        wholeArrays.assign(vertices, normals);
    }
    const DrawingKey::Parts key = {DrawingKey::of(stage), DrawingKey::of(morph),
                                   DrawingKey::of(style)};
    switch (stage) {
    case MirroredBottle:
        labelled = uploadLabelTexture();
        bodyDrawing.update({DrawingKey::of(morph), DrawingKey::of(labelled)},
                           [this] { sendRuns(wholeArrays, bodyRuns()); });
        break;
    case CutBottle:
        firstHalfDrawing.update(key, [this] { sendRuns(firstHalfArrays, styleRuns()); });
        secondHalfDrawing.update(key, [this] { sendRuns(secondHalfArrays, styleRuns()); });
        break;
    default:
        surfaceDrawing.update(key, [this] { sendRuns(wholeArrays, styleRuns()); });
        break;
    }
}

void DrawnKleinTube::drawStage() const {
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

DrawnKleinTube::Runs DrawnKleinTube::styleRuns() const {
    const int step = style == Striped ? 2 : 1;
    return {{0, rows - 1, step, 0, columns - 1}};
}

void DrawnKleinTube::drawSurface() const {
    drawMesh(wholeMesh(), surfaceDrawing, styleRuns());
}

void DrawnKleinTube::drawMesh(const MeshView& mesh, const RetainedDrawing& drawing,
                              const Runs& runs) const {
    setSurfaceMaterial();
    const bool translucent = style == Translucent;
    if (translucent) {
        beginTranslucentLight(0);
        // The far side shows through.
        glDisable(GL_DEPTH_TEST);
    }
    drawing.draw([&] { sendRuns(mesh.arrays, runs); });
    if (translucent) {
        beginHighlights();
        drawHighlights(drawing, mesh, runs);
        glDisable(GL_BLEND);
        glEnable(GL_DEPTH_TEST);
    }
}

void DrawnKleinTube::sendRuns(const VertexArrays& arrays, const Runs& runs) const {
    bindArrays(arrays);
    for (const MeshRun& run : runs)
        sendStrips(run);
    unbindArrays();
}

void DrawnKleinTube::sendStrips(const MeshRun& run) const {
    if (run.step < 1 || run.c0 < 0 || run.c1 >= columns || run.c1 < run.c0)
        return;
    for (int r = run.r0; r < run.r1; r += run.step) {
        if (r < 0 || r + 1 >= rows)
            continue;
        glDrawElements(GL_QUAD_STRIP, 2 * (run.c1 - run.c0 + 1), GL_UNSIGNED_INT,
                       &stripIndices[std::size_t(r * columns + run.c0) * 2]);
    }
}

void DrawnKleinTube::drawHighlights(const RetainedDrawing& drawing, const MeshView& mesh,
                                    const Runs& runs) const {
    SpecularLight light;
    float position[4], specular[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    glGetLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    GLint localViewer = 0;
    glGetIntegerv(GL_LIGHT_MODEL_LOCAL_VIEWER, &localViewer);
    // Only a positional light is worked out; anything else draws every quad.
    if (!cullHighlights || position[3] == 0) {
        drawing.draw([&] { sendRuns(mesh.arrays, runs); });
        return;
    }
    glGetDoublev(GL_MODELVIEW_MATRIX, light.modelview);
    light.lightPosition = Vec3{position[0], position[1], position[2]} * (1.0 / position[3]);
    light.localViewer = localViewer != 0;
    light.strength = std::max({specular[0], specular[1], specular[2]}) * highlightSpecular;
    light.shininess = shininess;
    // A tenth of the half step below which an 8-bit channel rounds to 0.
    std::vector<unsigned char> highlightMarks;
    markHighlighted(light, mesh.vertices, mesh.normals, 0.05 / 255, highlightMarks);

    // The quads that may add light, gathered into one list of triangles:
    // one draw call instead of one per run of quads.
    std::vector<unsigned> highlightTriangles;
    for (const MeshRun& run : runs) {
        if (run.step < 1 || run.c0 < 0 || run.c1 >= columns)
            continue;
        for (int r = std::max(run.r0, 0); r < run.r1 && r + 1 < rows; r += run.step)
            for (int q = run.c0; q < run.c1; ++q) {
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
    bindArrays(mesh.arrays);
    glDrawElements(GL_TRIANGLES, GLsizei(highlightTriangles.size()), GL_UNSIGNED_INT,
                   highlightTriangles.data());
    unbindArrays();
}
