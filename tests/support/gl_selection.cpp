#include "tests/support/gl_selection.h"

#include "app/scene.h"
#include "geom/field_of_view.h"
#include "ui/overlay_scale.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace gl_selection {

int nearestSelectionName(const unsigned* buffer, int count, int bufferSize) {
    constexpr unsigned noName = 0xffff;
    unsigned best = noName;
    unsigned bestDepth = 0;
    bool found = false;
    int at = 0;
    // Each record: name count, minimum depth, maximum depth, the names.
    for (int record = 0; record < count && at + 3 <= bufferSize; ++record) {
        const unsigned names = buffer[at];
        const unsigned minDepth = buffer[at + 1];
        if (names > unsigned(bufferSize - at - 3))
            break;
        const unsigned name = names > 0 ? buffer[at + 2 + names] : noName;
        if (!found || minDepth < bestDepth) {
            found = true;
            best = name;
            bestDepth = minDepth;
        }
        at += 3 + int(names);
    }
    return !found || best == noName ? 0 : int(best);
}

int selectAt(const Scene& scene, Vec2 p) {
    constexpr int bufferSize = 512;
    GLuint buffer[bufferSize];
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glSelectBuffer(bufferSize, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0xffff);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    {
        glLoadIdentity();
        const Vec2 at = overlayScale.toWindow(p);
        gluPickMatrix(at.x, at.y, 5, 5, viewport);
        const double aspect = viewport[3] > 0 ? double(viewport[2]) / viewport[3] : 1.0;
        gluPerspective(verticalFieldOfView(aspect), aspect, 1, 20);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        scene.drawModel();
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
    }
    glPopMatrix();
    glFlush();
    const int hits = glRenderMode(GL_RENDER);
    glMatrixMode(GL_MODELVIEW);
    if (hits <= 0)
        return 0;
    return nearestSelectionName(buffer, hits, bufferSize);
}

} // namespace gl_selection
