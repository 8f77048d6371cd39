#include "geom/vertex_arrays.h"

#include <algorithm>

namespace {

Vec3 triple(const std::vector<float>& values, int k) {
    const std::size_t at = std::size_t(k) * 3;
    return {values[at], values[at + 1], values[at + 2]};
}

void appendTriple(std::vector<float>& values, const Vec3& v) {
    values.insert(values.end(), {float(v.x), float(v.y), float(v.z)});
}

} // namespace

Vec3 VertexArrays::position(int k) const {
    return triple(positions, k);
}

Vec3 VertexArrays::normal(int k) const {
    return triple(normals, k);
}

void VertexArrays::clear() {
    positions.clear();
    normals.clear();
}

void VertexArrays::append(const Vec3& position, const Vec3& normal) {
    appendTriple(positions, position);
    appendTriple(normals, normal);
}

void VertexArrays::assign(const std::vector<Vec3>& points, const std::vector<Vec3>& pointNormals) {
    clear();
    const std::size_t count = std::min(points.size(), pointNormals.size());
    positions.reserve(3 * count);
    normals.reserve(3 * count);
    for (std::size_t i = 0; i < count; ++i)
        append(points[i], pointNormals[i]);
}
