#include "web/gl11/context.h"

#include <GL/gl.h>

#include <algorithm>

namespace gl11 {

Context::Context(Renderer* target)
    : renderer(target), blendSource(GL_ONE), blendDestination(GL_ZERO), culledFace(GL_BACK),
      mode_(GL_MODELVIEW) {}

void Context::enable(unsigned cap, bool on) {
    if (compiled([=](Context& c) { c.enable(cap, on); }))
        return;
    if (cap >= GL_LIGHT0 && cap < GL_LIGHT0 + Lighting::lightCount) {
        lighting.enableLight(cap, on);
        return;
    }
    capabilities[cap] = on;
    if (cap == GL_COLOR_MATERIAL) {
        lighting.enableColourMaterial(on);
        // The current colour takes its place at once, as GL does.
        lighting.trackColour(currentVertex.colour);
    }
}

bool Context::isEnabled(unsigned cap) const {
    if (cap >= GL_LIGHT0 && cap < GL_LIGHT0 + Lighting::lightCount)
        return lighting.lightEnabled(cap);
    const auto found = capabilities.find(cap);
    return found != capabilities.end() && found->second;
}

void Context::getIntegerv(unsigned name, int* values) const {
    switch (name) {
    case GL_VIEWPORT:
        std::copy(viewportBox, viewportBox + 4, values);
        break;
    case GL_LIGHT_MODEL_LOCAL_VIEWER:
        values[0] = lighting.localViewer() ? 1 : 0;
        break;
    case GL_LIGHT_MODEL_TWO_SIDE:
        values[0] = lighting.twoSided() ? 1 : 0;
        break;
    case GL_MATRIX_MODE:
        values[0] = int(mode_);
        break;
    case GL_MODELVIEW_STACK_DEPTH:
        values[0] = int(modelviewStack.size());
        break;
    case GL_PROJECTION_STACK_DEPTH:
        values[0] = int(projectionStack.size());
        break;
    case GL_RENDER_MODE:
        values[0] = selecting ? GL_SELECT : GL_RENDER;
        break;
    default:
        break;
    }
}

void Context::getDoublev(unsigned name, double* values) const {
    const Matrix* m = name == GL_MODELVIEW_MATRIX    ? &modelview()
                      : name == GL_PROJECTION_MATRIX ? &projection()
                                                     : nullptr;
    if (m)
        std::copy(m->m, m->m + 16, values);
}

void Context::getLightfv(unsigned light, unsigned name, float* values) const {
    lighting.getLight(light, name, values);
}

void Context::viewport(int x, int y, int width, int height) {
    if (compiled([=](Context& c) { c.viewport(x, y, width, height); }))
        return;
    viewportBox[0] = x;
    viewportBox[1] = y;
    viewportBox[2] = std::max(width, 0);
    viewportBox[3] = std::max(height, 0);
    if (renderer)
        renderer->viewport(x, y, viewportBox[2], viewportBox[3]);
}

void Context::clearColor(float r, float g, float b, float a) {
    if (compiled([=](Context& c) { c.clearColor(r, g, b, a); }))
        return;
    clearColour = {std::clamp(r, 0.0f, 1.0f), std::clamp(g, 0.0f, 1.0f), std::clamp(b, 0.0f, 1.0f),
                   std::clamp(a, 0.0f, 1.0f)};
}

void Context::clear(unsigned mask) {
    if (compiled([=](Context& c) { c.clear(mask); }))
        return;
    if (renderer && !selecting)
        renderer->clear(mask, clearColour, depthWrites);
}

void Context::blendFunc(unsigned source, unsigned destination) {
    if (compiled([=](Context& c) { c.blendFunc(source, destination); }))
        return;
    blendSource = source;
    blendDestination = destination;
}

void Context::cullFace(unsigned face) {
    if (compiled([=](Context& c) { c.cullFace(face); }))
        return;
    culledFace = face;
}

void Context::depthMask(bool on) {
    if (compiled([=](Context& c) { c.depthMask(on); }))
        return;
    depthWrites = on;
}

void Context::lineWidth(float width) {
    if (compiled([=](Context& c) { c.lineWidth(width); }))
        return;
    if (width > 0)
        lineWidth_ = width;
}

void Context::light(unsigned which, unsigned name, const float* values) {
    std::array<float, 4> copy{values[0], 0, 0, 0};
    if (name == GL_POSITION || name == GL_AMBIENT || name == GL_DIFFUSE || name == GL_SPECULAR)
        copy = {values[0], values[1], values[2], values[3]};
    else if (name == GL_SPOT_DIRECTION)
        copy = {values[0], values[1], values[2], 0};
    if (compiled([=](Context& c) { c.light(which, name, copy.data()); }))
        return;
    lighting.setLight(which, name, copy.data(), modelview());
}

void Context::lightModel(unsigned name, const float* values) {
    const std::array<float, 4> copy{values[0], name == GL_LIGHT_MODEL_AMBIENT ? values[1] : 0,
                                    name == GL_LIGHT_MODEL_AMBIENT ? values[2] : 0,
                                    name == GL_LIGHT_MODEL_AMBIENT ? values[3] : 0};
    if (compiled([=](Context& c) { c.lightModel(name, copy.data()); }))
        return;
    lighting.setModel(name, copy.data());
}

void Context::material(unsigned face, unsigned name, const float* values) {
    std::array<float, 4> copy{values[0], 0, 0, 0};
    if (name != GL_SHININESS)
        copy = {values[0], values[1], values[2], values[3]};
    if (compiled([=](Context& c) { c.material(face, name, copy.data()); }))
        return;
    lighting.setMaterial(face, name, copy.data());
}

void Context::colorMaterial(unsigned face, unsigned mode) {
    if (compiled([=](Context& c) { c.colorMaterial(face, mode); }))
        return;
    lighting.setColourMaterial(face, mode);
    lighting.trackColour(currentVertex.colour);
}

void Context::genTextures(int count, unsigned* names) {
    for (int k = 0; k < count; ++k) {
        names[k] = nextTexture++;
        textureNamed(names[k]);
    }
}

void Context::bindTexture(unsigned, unsigned name) {
    if (compiled([=](Context& c) { c.bindTexture(GL_TEXTURE_2D, name); }))
        return;
    boundTexture = name;
    if (name != 0)
        textureNamed(name);
}

TextureImage& Context::textureNamed(unsigned name) {
    const auto found = textures.find(name);
    if (found != textures.end())
        return found->second;
    TextureImage& image = textures[name];
    image.name = name;
    image.minFilter = GL_NEAREST_MIPMAP_LINEAR;
    image.magFilter = GL_LINEAR;
    image.wrapS = image.wrapT = GL_REPEAT;
    return image;
}

bool Context::isTexture(unsigned name) const {
    return name != 0 && textures.count(name) != 0;
}

void Context::pixelStorei(unsigned name, int value) {
    if (name == GL_UNPACK_ALIGNMENT && (value == 1 || value == 2 || value == 4 || value == 8))
        unpackAlignment = value;
}

void Context::texImage2D(int width, int height, unsigned format, const std::uint8_t* pixels) {
    if (boundTexture == 0 || width <= 0 || height <= 0)
        return;
    // Draws held back read the image as it is when they are drawn.
    flush();
    TextureImage& image = textureNamed(boundTexture);
    const int channels = format == GL_RGBA ? 4 : format == GL_RGB ? 3 : 1;
    const int alignment = unpackAlignment;
    const int rowBytes = (width * channels + alignment - 1) / alignment * alignment;
    image.width = width;
    image.height = height;
    image.opaque = channels != 4;
    image.rgba.assign(std::size_t(width) * std::size_t(height) * 4, 255);
    for (int y = 0; y < height && pixels; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* in = pixels + std::size_t(y) * std::size_t(rowBytes) +
                                     std::size_t(x) * std::size_t(channels);
            std::uint8_t* out =
                &image.rgba[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4];
            for (int c = 0; c < 3; ++c)
                out[c] = in[channels == 1 ? 0 : c];
            if (channels == 4)
                out[3] = in[3];
        }
    ++image.version;
}

void Context::texParameteri(unsigned name, int value) {
    if (compiled([=](Context& c) { c.texParameteri(name, value); }))
        return;
    flush();
    if (boundTexture == 0)
        return;
    TextureImage& image = textureNamed(boundTexture);
    unsigned* field = name == GL_TEXTURE_MIN_FILTER   ? &image.minFilter
                      : name == GL_TEXTURE_MAG_FILTER ? &image.magFilter
                      : name == GL_TEXTURE_WRAP_S     ? &image.wrapS
                      : name == GL_TEXTURE_WRAP_T     ? &image.wrapT
                                                      : nullptr;
    if (field) {
        *field = unsigned(value);
        ++image.version;
    }
}

void Context::texEnvi(unsigned, int) {
    // Modulate, GL's default, is the only environment the exhibit uses.
}

} // namespace gl11
