// The GL 1.1 functions the exhibit calls, under their standard names, each
// forwarding to the one context. Defined here, they take the place of
// Emscripten's own at link time; the WebGL calls stay reachable as
// emscripten_gl*.

#include "web/platform/current_context.h"

#include <GL/gl.h>

#include <cstdint>

gl11::Context& currentContext() {
    static gl11::Context context;
    return context;
}

namespace {
gl11::Context& gl() {
    return currentContext();
}
} // namespace

// State and queries.
void glEnable(GLenum cap) {
    gl().enable(cap, true);
}
void glDisable(GLenum cap) {
    gl().enable(cap, false);
}
GLboolean glIsEnabled(GLenum cap) {
    return gl().isEnabled(cap) ? GL_TRUE : GL_FALSE;
}
void glGetIntegerv(GLenum name, GLint* values) {
    gl().getIntegerv(name, values);
}
void glGetDoublev(GLenum name, GLdouble* values) {
    gl().getDoublev(name, values);
}
void glGetLightfv(GLenum light, GLenum name, GLfloat* values) {
    gl().getLightfv(light, name, values);
}
GLenum glGetError() {
    return GL_NO_ERROR;
}
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    gl().viewport(x, y, width, height);
}
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    gl().clearColor(r, g, b, a);
}
void glClear(GLbitfield mask) {
    gl().clear(mask);
}
void glBlendFunc(GLenum source, GLenum destination) {
    gl().blendFunc(source, destination);
}
void glCullFace(GLenum face) {
    gl().cullFace(face);
}
void glDepthMask(GLboolean on) {
    gl().depthMask(on != GL_FALSE);
}
void glLineWidth(GLfloat width) {
    gl().lineWidth(width);
}
void glFlush() {
    gl().flush();
}
void glLightfv(GLenum light, GLenum name, const GLfloat* values) {
    gl().light(light, name, values);
}
void glLightModelf(GLenum name, GLfloat value) {
    gl().lightModel(name, &value);
}
void glMaterialfv(GLenum face, GLenum name, const GLfloat* values) {
    gl().material(face, name, values);
}
void glMaterialf(GLenum face, GLenum name, GLfloat value) {
    gl().material(face, name, &value);
}
void glColorMaterial(GLenum face, GLenum mode) {
    gl().colorMaterial(face, mode);
}
void glGenTextures(GLsizei count, GLuint* names) {
    gl().genTextures(count, names);
}
void glBindTexture(GLenum target, GLuint name) {
    gl().bindTexture(target, name);
}
GLboolean glIsTexture(GLuint name) {
    return gl().isTexture(name) ? GL_TRUE : GL_FALSE;
}
void glPixelStorei(GLenum name, GLint value) {
    gl().pixelStorei(name, value);
}
void glTexImage2D(GLenum, GLint, GLint, GLsizei width, GLsizei height, GLint, GLenum format, GLenum,
                  const GLvoid* pixels) {
    gl().texImage2D(width, height, format, static_cast<const std::uint8_t*>(pixels));
}
void glTexParameteri(GLenum, GLenum name, GLint value) {
    gl().texParameteri(name, value);
}
void glTexEnvi(GLenum, GLenum name, GLint value) {
    gl().texEnvi(name, value);
}

// Matrices.
void glMatrixMode(GLenum mode) {
    gl().matrixMode(mode);
}
void glLoadIdentity() {
    gl().loadIdentity();
}
void glPushMatrix() {
    gl().pushMatrix();
}
void glPopMatrix() {
    gl().popMatrix();
}
void glMultMatrixd(const GLdouble* m) {
    gl().multMatrix(gl11::fromColumns(m));
}
void glMultMatrixf(const GLfloat* m) {
    double columns[16];
    for (int k = 0; k < 16; ++k)
        columns[k] = m[k];
    gl().multMatrix(gl11::fromColumns(columns));
}
void glTranslated(GLdouble x, GLdouble y, GLdouble z) {
    gl().multMatrix(gl11::translation(x, y, z));
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    gl().multMatrix(gl11::translation(x, y, z));
}
void glRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z) {
    gl().multMatrix(gl11::rotation(angle, x, y, z));
}
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    gl().multMatrix(gl11::rotation(angle, x, y, z));
}
void glScaled(GLdouble x, GLdouble y, GLdouble z) {
    gl().multMatrix(gl11::scaling(x, y, z));
}
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble near,
             GLdouble far) {
    gl().multMatrix(gl11::orthographic(left, right, bottom, top, near, far));
}

// Display lists and selection.
GLuint glGenLists(GLsizei range) {
    return gl().genLists(range);
}
GLboolean glIsList(GLuint list) {
    return gl().isList(list) ? GL_TRUE : GL_FALSE;
}
void glDeleteLists(GLuint list, GLsizei range) {
    gl().deleteLists(list, range);
}
void glNewList(GLuint list, GLenum mode) {
    gl().newList(list, mode);
}
void glEndList() {
    gl().endList();
}
void glCallList(GLuint list) {
    gl().callList(list);
}
void glSelectBuffer(GLsizei size, GLuint* buffer) {
    gl().selectBuffer(size, buffer);
}
GLint glRenderMode(GLenum mode) {
    return gl().renderMode(mode);
}
void glInitNames() {
    gl().initNames();
}
void glPushName(GLuint name) {
    gl().pushName(name);
}
void glPopName() {
    gl().popName();
}
void glLoadName(GLuint name) {
    gl().loadName(name);
}
