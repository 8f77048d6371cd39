// The GL 1.1 vertex functions the exhibit calls, immediate mode and client
// arrays, forwarding to the one context.

#include "web/platform/current_context.h"

#include <GL/gl.h>

namespace {
gl11::Context& gl() {
    return currentContext();
}
} // namespace

void glBegin(GLenum mode) {
    gl().begin(mode);
}
void glEnd() {
    gl().end();
}
void glVertex2d(GLdouble x, GLdouble y) {
    gl().vertex(x, y, 0, 1);
}
void glVertex2f(GLfloat x, GLfloat y) {
    gl().vertex(x, y, 0, 1);
}
void glVertex2i(GLint x, GLint y) {
    gl().vertex(x, y, 0, 1);
}
void glVertex3d(GLdouble x, GLdouble y, GLdouble z) {
    gl().vertex(x, y, z, 1);
}
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    gl().vertex(x, y, z, 1);
}
void glVertex3dv(const GLdouble* v) {
    gl().vertex(v[0], v[1], v[2], 1);
}
void glNormal3d(GLdouble x, GLdouble y, GLdouble z) {
    gl().normal(x, y, z);
}
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    gl().normal(x, y, z);
}
void glNormal3dv(const GLdouble* v) {
    gl().normal(v[0], v[1], v[2]);
}
void glColor3d(GLdouble r, GLdouble g, GLdouble b) {
    gl().color(float(r), float(g), float(b), 1);
}
void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    gl().color(r, g, b, 1);
}
void glColor4d(GLdouble r, GLdouble g, GLdouble b, GLdouble a) {
    gl().color(float(r), float(g), float(b), float(a));
}
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    gl().color(r, g, b, a);
}
void glTexCoord2d(GLdouble s, GLdouble t) {
    gl().texCoord(s, t);
}
void glRectd(GLdouble x1, GLdouble y1, GLdouble x2, GLdouble y2) {
    gl().rect(x1, y1, x2, y2);
}
void glEnableClientState(GLenum array) {
    gl().enableClientState(array, true);
}
void glDisableClientState(GLenum array) {
    gl().enableClientState(array, false);
}
void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    gl().vertexPointer(size, type, stride, pointer);
}
void glNormalPointer(GLenum type, GLsizei stride, const GLvoid* pointer) {
    gl().normalPointer(type, stride, pointer);
}
void glDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
    gl().drawElements(mode, count, type, indices);
}
void glDrawArrays(GLenum mode, GLint first, GLsizei count) {
    gl().drawArrays(mode, first, count);
}
