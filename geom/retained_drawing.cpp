#include "geom/retained_drawing.h"

#include <GL/gl.h>

RetainedDrawing::~RetainedDrawing() {
    // Without a current context glIsList answers false and nothing is freed.
    if (list != 0 && glIsList(list))
        glDeleteLists(list, 1);
}

bool RetainedDrawing::prepare(DrawingKey::Parts parts) {
    if (!key.matches(parts)) {
        key.keep(parts);
        recorded = false;
        if (when == WhenRepeated)
            return false;
    }
    return !holdsList();
}

bool RetainedDrawing::holdsList() const {
    // A list the context no longer knows (a new context) is recorded again.
    return recorded && glIsList(list);
}

void RetainedDrawing::beginRecording() {
    if (list == 0 || !glIsList(list))
        list = glGenLists(1);
    glNewList(list, GL_COMPILE);
}

void RetainedDrawing::endRecording() {
    glEndList();
    recorded = true;
    ++recordingCount;
}

void RetainedDrawing::callList() const {
    glCallList(list);
}
