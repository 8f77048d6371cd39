#include "ui/palette.h"

#include <GL/gl.h>

namespace palette {
void use(const Vec3& c) {
    glColor3d(c.x, c.y, c.z);
}

Vec3 buttonColour(bool pressed, bool hovered) {
    if (pressed)
        return hovered ? buttonPressedHovered : buttonPressed;
    return hovered ? buttonHovered : idle;
}
} // namespace palette
