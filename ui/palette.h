#pragma once
// The colour language shared by the overlay controls.

#include "geom/vec.h"

namespace palette {
constexpr Vec3 idle{0.1, 0.8, 0.8};
constexpr Vec3 buttonHovered{0.5, 1.0, 1.0};
constexpr Vec3 buttonPressed{0.8, 0.1, 0.1};
constexpr Vec3 buttonPressedHovered{1.0, 0.5, 0.5};
constexpr Vec3 knobHovered{0.8, 0.85, 0.85};
constexpr Vec3 knobPressed{0.2, 0.1, 0.8};

// glColor3d of c.
void use(const Vec3& c);
// The colour of a push button in its state.
Vec3 buttonColour(bool pressed, bool hovered);
} // namespace palette
