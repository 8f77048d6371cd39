// The matrix stacks, display lists and selection mode of the context.

#include "web/gl11/context.h"

#include <GL/gl.h>

namespace gl11 {

namespace {
// GL 1.1's guaranteed depths: 32 for the modelview stack, 2 for the others;
// the subset allows 32 for each.
constexpr std::size_t maximumDepth = 32;
} // namespace

std::vector<Matrix>& Context::stack() {
    return mode_ == GL_PROJECTION ? projectionStack
           : mode_ == GL_TEXTURE  ? textureStack
                                  : modelviewStack;
}

Matrix& Context::current() {
    return stack().back();
}

void Context::matrixMode(unsigned mode) {
    if (compiled([=](Context& c) { c.matrixMode(mode); }))
        return;
    if (mode == GL_MODELVIEW || mode == GL_PROJECTION || mode == GL_TEXTURE)
        mode_ = mode;
}

void Context::loadIdentity() {
    if (compiled([](Context& c) { c.loadIdentity(); }))
        return;
    current() = Matrix{};
}

void Context::pushMatrix() {
    if (compiled([](Context& c) { c.pushMatrix(); }))
        return;
    std::vector<Matrix>& s = stack();
    if (s.size() < maximumDepth)
        s.push_back(s.back());
}

void Context::popMatrix() {
    if (compiled([](Context& c) { c.popMatrix(); }))
        return;
    std::vector<Matrix>& s = stack();
    if (s.size() > 1)
        s.pop_back();
}

void Context::multMatrix(const Matrix& m) {
    if (compiled([=](Context& c) { c.multMatrix(m); }))
        return;
    current() = current() * m;
}

void Context::newList(unsigned list, unsigned) {
    if (!lists.recording())
        lists.start(list);
}

void Context::callList(unsigned list) {
    if (compiled([=](Context& c) { c.callList(list); }))
        return;
    lists.replay(list, *this);
}

void Context::selectBuffer(int size, std::uint32_t* buffer) {
    selection.setBuffer(size, buffer);
}

int Context::renderMode(unsigned mode) {
    int answer = 0;
    if (selecting)
        answer = selection.end();
    selecting = mode == GL_SELECT;
    if (selecting)
        selection.begin();
    return answer;
}

void Context::initNames() {
    if (compiled([](Context& c) { c.initNames(); }))
        return;
    if (selecting)
        selection.initNames();
}

void Context::pushName(unsigned name) {
    if (compiled([=](Context& c) { c.pushName(name); }))
        return;
    if (selecting)
        selection.pushName(name);
}

void Context::popName() {
    if (compiled([](Context& c) { c.popName(); }))
        return;
    if (selecting)
        selection.popName();
}

void Context::loadName(unsigned name) {
    if (compiled([=](Context& c) { c.loadName(name); }))
        return;
    if (selecting)
        selection.loadName(name);
}

} // namespace gl11
