#include "web/gl11/vertex_shading.h"

#include <GL/gl.h>

#include <cmath>
#include <cstring>

namespace gl11 {

namespace {

// Slots of the fixed part; each light's slots follow in the order of lightSlot.
enum Slot {
    modelviewSlot = 0,
    // The projection times the modelview, multiplied in double precision as
    // the CPU path does, so that a list drawn here meets the depths of
    // geometry drawn beside it on the CPU.
    clipSlot = 4,
    normalSlot = 8,
    switchesSlot = 11,
    colourMaterialSlot = 12,
    modelAmbientSlot = 13,
    frontMaterialSlot = 14,
    backMaterialSlot = 19,
};

// Colour material's mode as the shader numbers it; 0 tracks nothing.
float modeNumber(unsigned mode) {
    switch (mode) {
    case GL_AMBIENT:
        return 1;
    case GL_DIFFUSE:
        return 2;
    case GL_AMBIENT_AND_DIFFUSE:
        return 3;
    case GL_SPECULAR:
        return 4;
    case GL_EMISSION:
        return 5;
    default:
        return 0;
    }
}

// Bit 1 the front, bit 2 the back.
float faceBits(unsigned face) {
    return face == GL_FRONT_AND_BACK ? 3 : face == GL_FRONT ? 1 : face == GL_BACK ? 2 : 0;
}

static_assert(VertexShading::maximumSlots == 80, "the shader's array of shading slots");

} // namespace

bool VertexShading::operator==(const VertexShading& other) const {
    return used == other.used &&
           std::memcmp(slots.data(), other.slots.data(), std::size_t(used) * sizeof slots[0]) == 0;
}

VertexShading packShading(const Matrix& modelview, const Matrix& projection, bool lit,
                          bool normalise, const Lighting& lighting) {
    VertexShading s;
    auto& at = s.slots;
    const Matrix clip = projection * modelview;
    const auto normals = normalMatrix(modelview);
    for (std::size_t c = 0; c < 4; ++c)
        for (std::size_t r = 0; r < 4; ++r) {
            at[modelviewSlot + c][r] = float(modelview.m[c * 4 + r]);
            at[clipSlot + c][r] = float(clip.m[c * 4 + r]);
            if (c < 3 && r < 3)
                at[normalSlot + c][r] = float(normals[r][c]);
        }
    at[colourMaterialSlot] = {
        lighting.colourMaterialEnabled() ? faceBits(lighting.colourMaterialFace()) : 0,
        modeNumber(lighting.colourMaterialMode()), 0, 0};
    at[modelAmbientSlot] = lighting.modelAmbient();
    for (int back = 0; back < 2; ++back) {
        const Material& m = lighting.material(back != 0);
        const std::size_t first = back ? backMaterialSlot : frontMaterialSlot;
        at[first] = m.ambient;
        at[first + 1] = m.diffuse;
        at[first + 2] = m.specular;
        at[first + 3] = m.emission;
        at[first + 4] = {m.shininess, 0, 0, 0};
    }
    int count = 0;
    for (int k = 0; lit && k < Lighting::lightCount; ++k) {
        const Light& l = lighting.light(k);
        if (!l.enabled)
            continue;
        auto* slot =
            &at[std::size_t(VertexShading::fixedSlots + VertexShading::slotsPerLight * count++)];
        slot[0] = l.ambient;
        slot[1] = l.diffuse;
        slot[2] = l.specular;
        slot[3] = l.position;
        slot[4] = {l.spotDirection[0], l.spotDirection[1], l.spotDirection[2], l.spotExponent};
        const bool spot = l.spotCutoff != 180;
        slot[5] = {spot ? float(std::cos(l.spotCutoff * 3.14159265358979323846 / 180)) : -1,
                   spot ? 1.0f : 0.0f, 0, 0};
        slot[6] = {l.constantAttenuation, l.linearAttenuation, l.quadraticAttenuation, 0};
    }
    at[switchesSlot] = {lit ? 1.0f : 0.0f, normalise ? 1.0f : 0.0f,
                        lighting.localViewer() ? 1.0f : 0.0f, float(count)};
    s.used = VertexShading::fixedSlots + VertexShading::slotsPerLight * count;
    return s;
}

// The CPU's lighting step for step (Lighting::shade); a zero vector is left
// as it is where the CPU's normalisation leaves it, and 0 to the power 0 is 1
// as in C, where GLSL leaves both undefined. The lights are added by name, not
// in a loop, so that every uniform is read at an index known when the shader
// is compiled: a software rasteriser otherwise fetches each one per vertex.
// What the two faces share (the way to each light, its attenuation and
// spot) is worked out once for both.
const char* const litVertexShader = R"(
layout(location = 0) in vec4 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec4 colour;
layout(location = 3) in vec2 texCoord;
uniform vec4 shading[24 + 7 * LIGHTS];
out vec4 frontColour;
#ifdef TWO_SIDED
out vec4 backColour;
#endif
#ifdef TEXTURED
out vec2 texel;
#endif

struct Material {
    vec4 ambient, diffuse, specular, emission;
    float shininess;
};

vec3 unit(vec3 v) {
    float l = length(v);
    return l > 0.0 ? v / l : v;
}

float power(float x, float y) {
    return y == 0.0 ? 1.0 : x > 0.0 ? pow(x, y) : 0.0;
}

// The material of the face at slot first (bit face), the vertex's colour in
// place of the colours colour material tracks.
Material material(int first, float face) {
    Material m = Material(shading[first], shading[first + 1], shading[first + 2],
                          shading[first + 3], shading[first + 4].x);
    float faces = shading[12].x, mode = shading[12].y;
    if (faces == 3.0 || faces == face) {
        if (mode == 1.0 || mode == 3.0) m.ambient = colour;
        if (mode == 2.0 || mode == 3.0) m.diffuse = colour;
        if (mode == 4.0) m.specular = colour;
        if (mode == 5.0) m.emission = colour;
    }
    return m;
}

// One side's share of a light: facing is the normal's cosine with the way to
// the light, towards its cosine with the halfway vector.
vec3 share(Material m, int first, float facing, float towards) {
    float specular = facing > 0.0 ? power(max(towards, 0.0), m.shininess) : 0.0;
    return m.ambient.rgb * shading[first].rgb +
           max(facing, 0.0) * m.diffuse.rgb * shading[first + 1].rgb +
           specular * m.specular.rgb * shading[first + 2].rgb;
}

Material front, back;
vec3 frontSum, backSum;

void addLight(int first, vec3 n, vec3 p) {
    vec4 at = shading[first + 3];
    vec3 toLight = at.xyz;
    float attenuation = 1.0;
    if (at.w != 0.0) {
        toLight = at.xyz / at.w - p;
        float d = length(toLight);
        vec3 a = shading[first + 6].xyz;
        attenuation = 1.0 / (a.x + a.y * d + a.z * d * d);
    }
    toLight = unit(toLight);
    vec4 spot = shading[first + 4], cutoff = shading[first + 5];
    if (cutoff.y != 0.0) {
        float cosine = -dot(toLight, unit(spot.xyz));
        if (cosine < cutoff.x) return;
        attenuation *= power(max(cosine, 0.0), spot.w);
    }
    vec3 halfway = unit(toLight + (shading[11].z != 0.0 ? unit(-p) : vec3(0.0, 0.0, 1.0)));
    float facing = dot(n, toLight), towards = dot(n, halfway);
    frontSum += attenuation * share(front, first, facing, towards);
#ifdef TWO_SIDED
    backSum += attenuation * share(back, first, -facing, -towards);
#endif
}

void main() {
    gl_Position = mat4(shading[4], shading[5], shading[6], shading[7]) * position;
#ifdef TEXTURED
    texel = texCoord;
#endif
    frontColour = colour;
#ifdef TWO_SIDED
    backColour = colour;
#endif
    if (shading[11].x == 0.0) return;
    vec4 eye = mat4(shading[0], shading[1], shading[2], shading[3]) * position;
    vec3 p = eye.xyz / (eye.w != 0.0 ? eye.w : 1.0);
    vec3 n = mat3(shading[8].xyz, shading[9].xyz, shading[10].xyz) * normal;
    if (shading[11].y != 0.0) n = unit(n);
    front = material(14, 1.0);
    frontSum = front.emission.rgb + front.ambient.rgb * shading[13].rgb;
#ifdef TWO_SIDED
    back = material(19, 2.0);
    backSum = back.emission.rgb + back.ambient.rgb * shading[13].rgb;
#endif
    // One call a light, each at slots fixed when the shader is compiled: a
    // loop over the lights had SwiftShader fetch their uniforms at indices
    // worked out per vertex, which was slower than lighting on the CPU.
#if LIGHTS > 0
    addLight(24, n, p);
#endif
#if LIGHTS > 1
    addLight(31, n, p);
#endif
#if LIGHTS > 2
    addLight(38, n, p);
#endif
#if LIGHTS > 3
    addLight(45, n, p);
#endif
#if LIGHTS > 4
    addLight(52, n, p);
#endif
#if LIGHTS > 5
    addLight(59, n, p);
#endif
#if LIGHTS > 6
    addLight(66, n, p);
#endif
#if LIGHTS > 7
    addLight(73, n, p);
#endif
    frontColour = vec4(clamp(frontSum, 0.0, 1.0), clamp(front.diffuse.a, 0.0, 1.0));
#ifdef TWO_SIDED
    backColour = vec4(clamp(backSum, 0.0, 1.0), clamp(back.diffuse.a, 0.0, 1.0));
#endif
})";

} // namespace gl11
