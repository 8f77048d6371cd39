#include "scenes/polyhedra/polyhedra_scene.h"

#include "geom/draw.h"
#include "ui/rotator.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>

PolyhedraScene::PolyhedraScene(const std::string& key, HalfEdgeMesh solid,
                               std::vector<int> faceColours, std::vector<int> vertexColours,
                               const std::string& caption, Rotator& rotator)
    : Scene(key), solidMesh(std::move(solid)), faceColours(std::move(faceColours)),
      vertexColours(std::move(vertexColours)), captionText(caption), rotator(rotator) {
    morphSlider = placed(new Slider, BottomLeft, {250, 20});
    panel->add(morphSlider);
    solidMesh = scaledSolid(std::move(solidMesh));
    dual = dualitySubdivision(solidMesh);
}

Widget* PolyhedraScene::backgroundElement() {
    return &rotator;
}

void PolyhedraScene::updateMorph(double s) {
    if (s == shownBlend && !morph.triangles.empty())
        return;
    shownBlend = s;
    morphAt(dual, faceColours, vertexColours, s, morph);
}

void PolyhedraScene::updateModel(Millis) {
    const double s = morphBlend(morphSlider->value);
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
        for (std::size_t i = 0; i < morph.triangles.size(); ++i) {
            const Vec3& colour = morph.colours[i];
            glColor3d(colour.x, colour.y, colour.z);
            glNormal3dv(morph.triangles[i].normal.data());
            for (const Vec3& x : morph.triangles[i].corners)
                glVertex3dv(x.data());
        }
    }
    glEnd();
    // The outlines, all black, in one call after the triangles they frame;
    // with depth testing the order does not show.
    glColor3d(0, 0, 0);
    glDisable(GL_COLOR_MATERIAL);
    bindArrays(morph.outlines);
    // Each tube's inside is never seen at this width, and the software
    // renderer pays for every thin triangle it sets up.
    glEnable(GL_CULL_FACE);
    glDrawElements(GL_TRIANGLES, GLsizei(morph.outlines.indices.size()), GL_UNSIGNED_INT,
                   morph.outlines.indices.data());
    glDisable(GL_CULL_FACE);
    unbindArrays();
}
