#include "scenes/polyhedra/polyhedra_scene.h"

#include "geom/draw.h"
#include "geom/rotator.h"
#include "scenes/polyhedra/polyhedra_colours.h"
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

void setColour(GLenum parameter, const Vec3& c) {
    setMaterial(GL_FRONT_AND_BACK, parameter, c.x, c.y, c.z, 1);
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

void PolyhedraScene::drawModel() {
    const double s = blendOf(morphSlider->value);
    glPushMatrix();
    {
        glTranslated(0, 0, -6);
        applyViewRotation();
        for (int i = 0; i < int(dual.triangles.size()); ++i) {
            const int tag = dual.tags[std::size_t(i)];
            const MorphedTriangle t = morphedTriangle(dual, i, s);
            setColour(GL_AMBIENT_AND_DIFFUSE,
                      blendedColour(faceColours, vertexColours, tagFace(tag), tagVertex(tag), s));
            glBegin(GL_POLYGON);
            {
                glNormal3dv(t.normal.data());
                for (const Vec3& x : t.corners)
                    glVertex3dv(x.data());
            }
            glEnd();
            setColour(GL_AMBIENT_AND_DIFFUSE, {0, 0, 0});
            for (int j = 0; j < 3; ++j)
                drawTube(t.corners[std::size_t(j)], t.corners[std::size_t((j + 1) % 3)],
                         outlineRadius);
        }
    }
    glPopMatrix();
}
