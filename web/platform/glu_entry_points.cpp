// The GLU functions and GLUT stroke font of the exhibit, over the one context.

#include "web/gl11/quadrics.h"
#include "web/glut/stroke_glyphs.h"
#include "web/platform/current_context.h"

#include <GL/glut.h>

// A quadric holds no settings the exhibit changes: GLU's defaults throughout.
class GLUquadric {};

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble near, GLdouble far) {
    currentContext().multMatrix(gl11::perspective(fovy, aspect, near, far));
}

void gluPickMatrix(GLdouble x, GLdouble y, GLdouble width, GLdouble height, GLint* viewport) {
    currentContext().multMatrix(gl11::pickRegion(x, y, width, height, viewport));
}

GLUquadric* gluNewQuadric() {
    return new GLUquadric;
}

void gluDeleteQuadric(GLUquadric* quadric) {
    delete quadric;
}

void gluDisk(GLUquadric*, GLdouble inner, GLdouble outer, GLint slices, GLint loops) {
    gl11::drawDisk(currentContext(), inner, outer, slices, loops);
}

void gluCylinder(GLUquadric*, GLdouble base, GLdouble top, GLdouble height, GLint slices,
                 GLint stacks) {
    gl11::drawCylinder(currentContext(), base, top, height, slices, stacks);
}

// Only the roman stroke font exists; its address is the font's handle.
void* glutStrokeRoman = nullptr;

void glutStrokeCharacter(void*, int character) {
    if (character < 0 || character >= 128)
        return;
    gl11::Context& gl = currentContext();
    const StrokeGlyph& glyph = strokeGlyphs[character];
    for (int s = glyph.firstStrip; s < glyph.firstStrip + glyph.stripCount; ++s) {
        const StrokeStrip& strip = strokeStrips[s];
        gl.begin(GL_LINE_STRIP);
        for (int p = strip.firstPoint; p < strip.firstPoint + strip.pointCount; ++p)
            gl.vertex(strokePoints[2 * p], strokePoints[2 * p + 1], 0, 1);
        gl.end();
    }
    gl.multMatrix(gl11::translation(glyph.advance, 0, 0));
}

int glutStrokeWidth(void*, int character) {
    return character >= 0 && character < 128 ? strokeGlyphs[character].width : 0;
}
