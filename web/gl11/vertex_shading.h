#pragma once
// What a vertex shader needs to transform and light a vertex given in object
// coordinates exactly as Context and Lighting::shade do on the CPU: the
// matrices and the lighting state packed as an array of vec4 uniforms, and
// the GLSL ES 3.00 vertex shader that reads them. The layout and its reader
// are kept together here, free of WebGL, so that the native tests compile the
// same shader on Mesa and compare it with the CPU's colours.

#include "web/gl11/lighting.h"

#include <array>

namespace gl11 {

struct VertexShading {
    // Slots before the first light, and slots each enabled light takes.
    static constexpr int fixedSlots = 24, slotsPerLight = 7;
    static constexpr int maximumSlots = fixedSlots + slotsPerLight * Lighting::lightCount;

    std::array<std::array<float, 4>, maximumSlots> slots{};
    // How many slots hold this state: the enabled lights alone follow the fixed ones.
    int used = fixedSlots;

    // How many lights are enabled, and so how many the shader adds up.
    int lights() const { return (used - fixedSlots) / slotsPerLight; }

    bool operator==(const VertexShading& other) const;
};

// The shading of a draw under these matrices with lighting on (lit) or off;
// normalise is GL_NORMALIZE.
VertexShading packShading(const Matrix& modelview, const Matrix& projection, bool lit,
                          bool normalise, const Lighting& lighting);

// The body of the vertex shader, after "#version 300 es", LIGHTS defined as
// the number of lights enabled, and TWO_SIDED and TEXTURED where wanted. Its inputs are at
// locations 0 to 3: position (vec4), normal (vec3), colour (vec4) and texCoord (vec2); the uniform
// is "shading"; it writes frontColour, backColour with TWO_SIDED and texel with TEXTURED.
extern const char* const litVertexShader;

} // namespace gl11
