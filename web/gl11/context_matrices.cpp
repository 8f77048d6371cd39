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

namespace {

ObjectVertex objectVertex(const Vertex& v) {
    ObjectVertex o;
    o.position = {float(v.position.x), float(v.position.y), float(v.position.z),
                  float(v.position.w)};
    o.normal = {float(v.normal[0]), float(v.normal[1]), float(v.normal[2])};
    o.colour = v.colour;
    o.texCoord = {float(v.texCoord[0]), float(v.texCoord[1])};
    return o;
}

} // namespace

void Context::record(unsigned mode, const std::vector<Vertex>& vertices) {
    const PrimitiveIndices primitives = assembleIndices(mode, vertices.size());
    if (primitives.kind == PrimitiveKind::Points || primitives.indices.empty()) {
        // Points reach selection alone, on the CPU path.
        lists.append([mode, vertices](Context& c) { c.submit(mode, vertices); });
        return;
    }
    RecordedPrimitives recorded;
    recorded.mode = mode;
    recorded.vertices = vertices;
    recorded.geometry = lists.geometry();
    RetainedGeometry& geometry = *lists.geometry();
    recorded.first = int(geometry.indices.size());
    recorded.count = int(primitives.indices.size());
    recorded.lines = primitives.kind == PrimitiveKind::Lines;
    const auto base = std::uint32_t(geometry.vertices.size());
    for (const Vertex& v : vertices)
        geometry.vertices.push_back(objectVertex(v));
    for (std::uint32_t k : primitives.indices)
        geometry.indices.push_back(base + k);
    lists.append([recorded = std::move(recorded)](Context& c) { c.drawRecorded(recorded); });
}

void Context::drawRecorded(const RecordedPrimitives& p) {
    // Wide lines are cut into triangles in window coordinates, and selection
    // needs the clip coordinates on the CPU.
    if (!renderer || !renderer->drawsRetained() || selecting || (p.lines && wideLines())) {
        submit(p.mode, p.vertices);
        return;
    }
    RetainedDraw draw;
    draw.geometry = p.geometry;
    draw.first = p.first;
    draw.count = p.count;
    draw.lines = p.lines;
    draw.state = rasterState();
    draw.shading = packShading(modelview(), projection(), isEnabled(GL_LIGHTING),
                               isEnabled(GL_NORMALIZE), lighting);
    renderer->drawRetained(draw);
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
