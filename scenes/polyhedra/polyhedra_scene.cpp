#include "scenes/polyhedra/polyhedra_scene.h"

#include "geom/draw.h"
#include "scenes/polyhedra/polyhedra_colours.h"
#include "ui/rotator.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// Every vertex of the three solids lands on this sphere.
constexpr double solidRadius = 2.0;
constexpr double outlineRadius = 0.01;

// The blend of the slider's value: 0 for the dual, 1 for the solid.
double blendOf(double value) {
    if (!(value > 0))
        return 0;
    return value < 1 ? value : 1;
}

} // namespace

PolyhedraScene::PolyhedraScene(const std::string& key, HalfEdgeMesh solid,
                               std::vector<int> faceColours, std::vector<int> vertexColours,
                               const std::string& caption, Rotator& rotator)
    : Scene(key), solidMesh(std::move(solid)), faceColours(std::move(faceColours)),
      vertexColours(std::move(vertexColours)), captionText(caption), rotator(rotator) {
    morphSlider = placed(new Slider, BottomLeft, {250, 20});
    panel->add(morphSlider);

    const double r = length(solidMesh.vertexPosition(0));
    const double k = r > 0 && std::isfinite(r) ? solidRadius / r : 1.0;
    for (int v = 0; v < solidMesh.vertexCount(); ++v)
        solidMesh.setVertexPosition(v, k * solidMesh.vertexPosition(v));
    dual = dualitySubdivision(solidMesh);
}

Widget* PolyhedraScene::backgroundElement() {
    return &rotator;
}

void PolyhedraScene::updateMorph(double s) {
    if (s == morphBlend && !morphed.empty())
        return;
    morphBlend = s;
    morphed.clear();
    colours.clear();
    outlines.clear();
    for (int i = 0; i < int(dual.triangles.size()); ++i) {
        const int tag = dual.tags[std::size_t(i)];
        const MorphedTriangle t = morphedTriangle(dual, i, s);
        morphed.push_back(t);
        colours.push_back(
            blendedColour(faceColours, vertexColours, tagFace(tag), tagVertex(tag), s));
        for (int j = 0; j < 3; ++j)
            appendTube(t.corners[std::size_t(j)], t.corners[std::size_t((j + 1) % 3)],
                       outlineRadius, outlines);
    }
}

void PolyhedraScene::updateModel(Millis) {
    const double s = blendOf(morphSlider->value);
    updateMorph(s);
    // The surface changes only with the slider: once it has rested for a
    // frame the surface is replayed from its list.
    surface.update({DrawingKey::of(s)}, [this] { drawMorph(); });
}

void PolyhedraScene::drawModel() const {
    glPushMatrix();
    {
        glTranslated(0, 0, -6);
        applyViewRotation();
        surface.draw([this] { drawMorph(); });
    }
    glPopMatrix();
}

void PolyhedraScene::drawMorph() const {
    // Each triangle's colour is its ambient and diffuse material. Set
    // through glColor it travels with the vertices: a glMaterial call
    // between triangles would make the renderer start over for each.
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glBegin(GL_TRIANGLES);
    {
        for (std::size_t i = 0; i < morphed.size(); ++i) {
            glColor3d(colours[i].x, colours[i].y, colours[i].z);
            glNormal3dv(morphed[i].normal.data());
            for (const Vec3& x : morphed[i].corners)
                glVertex3dv(x.data());
        }
    }
    glEnd();
    // The outlines, all black, in one call after the triangles they frame;
    // with depth testing the order does not show.
    glColor3d(0, 0, 0);
    glDisable(GL_COLOR_MATERIAL);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, outlines.positions.data());
    glNormalPointer(GL_FLOAT, 0, outlines.normals.data());
    // Each tube's inside is never seen at this width, and the software
    // renderer pays for every thin triangle it sets up.
    glEnable(GL_CULL_FACE);
    glDrawElements(GL_TRIANGLES, GLsizei(outlines.indices.size()), GL_UNSIGNED_INT,
                   outlines.indices.data());
    glDisable(GL_CULL_FACE);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}
