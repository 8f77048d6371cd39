#include "scenes/klein/label_texture.h"

#include "scenes/klein/stored_label.h"
#include "ui/captions.h"

#include <GL/gl.h>

namespace {
GLuint labelTexture = 0;
// The picture the texture holds.
const LabelImage* uploaded = nullptr;

bool textureHeld() {
    return labelTexture != 0 && glIsTexture(labelTexture);
}
} // namespace

bool uploadLabelTexture() {
    // The label speaks the visitor's language.
    const LabelImage* image = storedLabelImage(languageCode());
    if (!image)
        return false;
    // The 786,432 bytes go to GL once, and again only for a context that
    // lost the texture or a language that changed.
    const bool kept = textureHeld();
    if (kept && uploaded == image)
        return true;
    if (!kept)
        glGenTextures(1, &labelTexture);
    glBindTexture(GL_TEXTURE_2D, labelTexture);
    uploaded = image;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glBindTexture(GL_TEXTURE_2D, 0);
    return true;
}

bool bindLabelTexture() {
    if (!textureHeld())
        return false;
    glBindTexture(GL_TEXTURE_2D, labelTexture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    return true;
}

void unbindLabelTexture() {
    glBindTexture(GL_TEXTURE_2D, 0);
}
