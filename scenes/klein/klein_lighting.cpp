#include "scenes/klein/klein_lighting.h"

#include "geom/draw.h"

#include <GL/gl.h>

namespace klein_lighting {

void setShinyMaterial(double r, double g, double b, double a) {
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 1, 1, 1, 1);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, r, g, b, a);
}

void setSurfaceMaterial() {
    setShinyMaterial(surfaceColour[0], surfaceColour[1], surfaceColour[2], surfaceColour[3]);
}

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

} // namespace klein_lighting
