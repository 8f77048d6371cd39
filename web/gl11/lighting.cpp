#include "web/gl11/lighting.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace gl11 {

namespace {

Colour four(const float* v) {
    return {v[0], v[1], v[2], v[3]};
}

bool appliesTo(unsigned face, bool back) {
    return face == GL_FRONT_AND_BACK || face == (back ? GL_BACK : GL_FRONT);
}

double dot3(const double* a, const double* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

void normalise3(double* v) {
    const double length = std::sqrt(dot3(v, v));
    if (length > 0)
        for (int k = 0; k < 3; ++k)
            v[k] /= length;
}

} // namespace

Lighting::Lighting() : colourFace(GL_FRONT_AND_BACK), colourMode(GL_AMBIENT_AND_DIFFUSE) {
    // Light 0 alone is white by default.
    lights[0].diffuse = {1, 1, 1, 1};
    lights[0].specular = {1, 1, 1, 1};
}

Light* Lighting::lightAt(unsigned light) {
    return light >= GL_LIGHT0 && light < GL_LIGHT0 + lightCount ? &lights[light - GL_LIGHT0]
                                                                : nullptr;
}

const Light* Lighting::lightAt(unsigned light) const {
    return const_cast<Lighting*>(this)->lightAt(light);
}

void Lighting::setLight(unsigned light, unsigned name, const float* v, const Matrix& modelview) {
    Light* l = lightAt(light);
    if (!l)
        return;
    switch (name) {
    case GL_AMBIENT:
        l->ambient = four(v);
        break;
    case GL_DIFFUSE:
        l->diffuse = four(v);
        break;
    case GL_SPECULAR:
        l->specular = four(v);
        break;
    case GL_POSITION: {
        const Vec4 eye = modelview * Vec4{v[0], v[1], v[2], v[3]};
        l->position = {float(eye.x), float(eye.y), float(eye.z), float(eye.w)};
        break;
    }
    case GL_SPOT_DIRECTION: {
        const Vec4 eye = modelview * Vec4{v[0], v[1], v[2], 0};
        l->spotDirection = {float(eye.x), float(eye.y), float(eye.z)};
        break;
    }
    case GL_SPOT_EXPONENT:
        l->spotExponent = v[0];
        break;
    case GL_SPOT_CUTOFF:
        l->spotCutoff = v[0];
        break;
    case GL_CONSTANT_ATTENUATION:
        l->constantAttenuation = v[0];
        break;
    case GL_LINEAR_ATTENUATION:
        l->linearAttenuation = v[0];
        break;
    case GL_QUADRATIC_ATTENUATION:
        l->quadraticAttenuation = v[0];
        break;
    default:
        break;
    }
}

bool Lighting::getLight(unsigned light, unsigned name, float* v) const {
    const Light* l = lightAt(light);
    if (!l)
        return false;
    switch (name) {
    case GL_AMBIENT:
        std::copy(l->ambient.begin(), l->ambient.end(), v);
        return true;
    case GL_DIFFUSE:
        std::copy(l->diffuse.begin(), l->diffuse.end(), v);
        return true;
    case GL_SPECULAR:
        std::copy(l->specular.begin(), l->specular.end(), v);
        return true;
    case GL_POSITION:
        std::copy(l->position.begin(), l->position.end(), v);
        return true;
    case GL_SPOT_DIRECTION:
        std::copy(l->spotDirection.begin(), l->spotDirection.end(), v);
        return true;
    default:
        return false;
    }
}

void Lighting::enableLight(unsigned light, bool on) {
    if (Light* l = lightAt(light))
        l->enabled = on;
}

bool Lighting::lightEnabled(unsigned light) const {
    const Light* l = lightAt(light);
    return l && l->enabled;
}

void Lighting::setModel(unsigned name, const float* v) {
    if (name == GL_LIGHT_MODEL_AMBIENT)
        modelAmbient_ = four(v);
    else if (name == GL_LIGHT_MODEL_LOCAL_VIEWER)
        localViewer_ = v[0] != 0;
    else if (name == GL_LIGHT_MODEL_TWO_SIDE)
        twoSided_ = v[0] != 0;
}

void Lighting::setMaterial(unsigned face, unsigned name, const float* v) {
    for (bool back : {false, true}) {
        if (!appliesTo(face, back))
            continue;
        Material& m = materials[back ? 1 : 0];
        switch (name) {
        case GL_AMBIENT:
            m.ambient = four(v);
            break;
        case GL_DIFFUSE:
            m.diffuse = four(v);
            break;
        case GL_AMBIENT_AND_DIFFUSE:
            m.ambient = m.diffuse = four(v);
            break;
        case GL_SPECULAR:
            m.specular = four(v);
            break;
        case GL_EMISSION:
            m.emission = four(v);
            break;
        case GL_SHININESS:
            m.shininess = v[0];
            break;
        default:
            break;
        }
    }
}

void Lighting::setColourMaterial(unsigned face, unsigned mode) {
    colourFace = face;
    colourMode = mode;
}

void Lighting::trackColour(const Colour& colour) {
    if (!colourMaterialOn)
        return;
    for (bool back : {false, true})
        materials[back ? 1 : 0] = trackedMaterial(back, colour);
}

Material Lighting::trackedMaterial(bool back, const Colour& colour) const {
    Material m = materials[back ? 1 : 0];
    if (!colourMaterialOn || !appliesTo(colourFace, back))
        return m;
    switch (colourMode) {
    case GL_AMBIENT:
        m.ambient = colour;
        break;
    case GL_DIFFUSE:
        m.diffuse = colour;
        break;
    case GL_AMBIENT_AND_DIFFUSE:
        m.ambient = m.diffuse = colour;
        break;
    case GL_SPECULAR:
        m.specular = colour;
        break;
    case GL_EMISSION:
        m.emission = colour;
        break;
    default:
        break;
    }
    return m;
}

Colour Lighting::shade(const Vec4& eye, const std::array<double, 3>& eyeNormal,
                       const Colour& colour, bool back) const {
    const Material m = trackedMaterial(back, colour);
    double n[3] = {eyeNormal[0], eyeNormal[1], eyeNormal[2]};
    if (back)
        for (double& c : n)
            c = -c;
    const double w = eye.w != 0 ? eye.w : 1;
    const double p[3] = {eye.x / w, eye.y / w, eye.z / w};

    double sum[3];
    for (int c = 0; c < 3; ++c)
        sum[c] = double(m.emission[c]) + double(m.ambient[c]) * modelAmbient_[c];
    for (const Light& l : lights) {
        if (!l.enabled)
            continue;
        double toLight[3];
        double attenuation = 1;
        if (l.position[3] != 0) {
            for (int c = 0; c < 3; ++c)
                toLight[c] = l.position[c] / l.position[3] - p[c];
            const double d = std::sqrt(dot3(toLight, toLight));
            attenuation = 1 / (l.constantAttenuation + l.linearAttenuation * d +
                               l.quadraticAttenuation * d * d);
        } else {
            for (int c = 0; c < 3; ++c)
                toLight[c] = l.position[c];
        }
        normalise3(toLight);
        if (l.spotCutoff != 180) {
            double direction[3] = {l.spotDirection[0], l.spotDirection[1], l.spotDirection[2]};
            normalise3(direction);
            const double cosine = -dot3(toLight, direction);
            if (cosine < std::cos(l.spotCutoff * 3.14159265358979323846 / 180))
                continue;
            attenuation *= std::pow(std::max(cosine, 0.0), double(l.spotExponent));
        }
        const double diffuse = dot3(n, toLight);
        double specular = 0;
        if (diffuse > 0) {
            double half[3];
            for (int c = 0; c < 3; ++c)
                half[c] = toLight[c];
            if (localViewer_) {
                double toEye[3] = {-p[0], -p[1], -p[2]};
                normalise3(toEye);
                for (int c = 0; c < 3; ++c)
                    half[c] += toEye[c];
            } else {
                half[2] += 1;
            }
            normalise3(half);
            const double facing = std::max(dot3(n, half), 0.0);
            specular = facing > 0 || m.shininess == 0 ? std::pow(facing, double(m.shininess)) : 0;
        }
        for (int c = 0; c < 3; ++c)
            sum[c] += attenuation * (double(m.ambient[c]) * l.ambient[c] +
                                     std::max(diffuse, 0.0) * m.diffuse[c] * l.diffuse[c] +
                                     specular * m.specular[c] * l.specular[c]);
    }
    Colour out;
    for (int c = 0; c < 3; ++c)
        out[std::size_t(c)] = float(std::clamp(sum[c], 0.0, 1.0));
    out[3] = std::clamp(m.diffuse[3], 0.0f, 1.0f);
    return out;
}

} // namespace gl11
