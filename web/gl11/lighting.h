#pragma once
// GL 1.1's lighting state, what glLight, glLightModel, glMaterial and
// glColorMaterial set and glGetLight answers, and the lighting equation of
// the fixed pipeline evaluated per vertex in eye coordinates, for the front
// face and the back face. Colours are RGBA in [0, 1].

#include "web/gl11/transform.h"

#include <array>

namespace gl11 {

using Colour = std::array<float, 4>;

struct Light {
    bool enabled = false;
    Colour ambient{0, 0, 0, 1};
    Colour diffuse{0, 0, 0, 1};
    Colour specular{0, 0, 0, 1};
    // In eye coordinates, carried through the modelview matrix when set.
    std::array<float, 4> position{0, 0, 1, 0};
    std::array<float, 3> spotDirection{0, 0, -1};
    float spotExponent = 0;
    float spotCutoff = 180;
    float constantAttenuation = 1, linearAttenuation = 0, quadraticAttenuation = 0;
};

struct Material {
    Colour ambient{0.2f, 0.2f, 0.2f, 1};
    Colour diffuse{0.8f, 0.8f, 0.8f, 1};
    Colour specular{0, 0, 0, 1};
    Colour emission{0, 0, 0, 1};
    float shininess = 0;
};

class Lighting {
  public:
    static constexpr int lightCount = 8;

    Lighting();

    // glLightfv and glLightf; the position and spot direction are carried
    // through modelview. Unknown lights and names change nothing.
    void setLight(unsigned light, unsigned name, const float* values, const Matrix& modelview);
    // glGetLightfv: fills values (up to four) and answers whether the name is known.
    bool getLight(unsigned light, unsigned name, float* values) const;
    void enableLight(unsigned light, bool on);
    bool lightEnabled(unsigned light) const;
    // Light k, 0 to lightCount - 1.
    const Light& light(int k) const { return lights[std::size_t(k)]; }
    // glLightModelf(v): the scene ambient, the local viewer and two-sided lighting.
    void setModel(unsigned name, const float* values);
    const Colour& modelAmbient() const { return modelAmbient_; }
    bool localViewer() const { return localViewer_; }
    bool twoSided() const { return twoSided_; }
    // glMaterialfv and glMaterialf for GL_FRONT, GL_BACK or both.
    void setMaterial(unsigned face, unsigned name, const float* values);
    const Material& material(bool back) const { return materials[back ? 1 : 0]; }
    // glColorMaterial, and whether GL_COLOR_MATERIAL is on: while it is, the
    // current colour stands for the chosen material colour of the chosen faces.
    void setColourMaterial(unsigned face, unsigned mode);
    void enableColourMaterial(bool on) { colourMaterialOn = on; }
    bool colourMaterialEnabled() const { return colourMaterialOn; }
    unsigned colourMaterialFace() const { return colourFace; }
    unsigned colourMaterialMode() const { return colourMode; }
    // glColor while colour material is on: the tracked colours take it, and keep it.
    void trackColour(const Colour& colour);

    // The lit colour of a vertex at eyePosition with unit (or, without
    // GL_NORMALIZE, as given) eyeNormal whose current colour is colour.
    Colour shade(const Vec4& eyePosition, const std::array<double, 3>& eyeNormal,
                 const Colour& colour, bool back) const;

  private:
    Light* lightAt(unsigned light);
    const Light* lightAt(unsigned light) const;
    Material trackedMaterial(bool back, const Colour& colour) const;

    std::array<Light, lightCount> lights;
    std::array<Material, 2> materials;
    Colour modelAmbient_{0.2f, 0.2f, 0.2f, 1};
    bool localViewer_ = false;
    bool twoSided_ = false;
    bool colourMaterialOn = false;
    unsigned colourFace;
    unsigned colourMode;
};

} // namespace gl11
