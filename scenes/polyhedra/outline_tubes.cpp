#include "scenes/polyhedra/outline_tubes.h"

#include <cmath>

void TubeMesh::clear() {
    VertexArrays::clear();
    indices.clear();
}

namespace {

// The ring directions of the slices, round the local z axis.
struct SliceAngles {
    double cosines[tubeSlices];
    double sines[tubeSlices];
    SliceAngles() {
        for (int j = 0; j < tubeSlices; ++j) {
            const double angle = 2 * pi * j / tubeSlices;
            cosines[j] = std::cos(angle);
            sines[j] = std::sin(angle);
        }
    }
};

} // namespace

void appendTube(const Vec3& a, const Vec3& b, double radius, TubeMesh& mesh) {
    static const SliceAngles angles;
    const Vec3 d = b - a;
    const double l = length(d);
    if (l < 0.00001)
        return;
    const Vec3 axis = d * (1.0 / l);
    // Any unit vector across the axis will do: the slices cover the round.
    const Vec3 helper = std::fabs(axis.x) < 0.6 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
    const Vec3 u = normalised(cross(axis, helper));
    const Vec3 v = cross(axis, u);

    const unsigned base = unsigned(mesh.vertexCount());
    for (int i = 0; i <= tubeStacks; ++i) {
        const Vec3 centre = a + d * (double(i) / tubeStacks);
        for (int j = 0; j < tubeSlices; ++j) {
            const Vec3 n = angles.cosines[j] * u + angles.sines[j] * v;
            mesh.append(centre + radius * n, n);
        }
    }
    for (int i = 0; i < tubeStacks; ++i)
        for (int j = 0; j < tubeSlices; ++j) {
            const unsigned k = base + unsigned(i * tubeSlices + j);
            const unsigned right = base + unsigned(i * tubeSlices + (j + 1) % tubeSlices);
            mesh.indices.insert(mesh.indices.end(), {k, right, right + tubeSlices, k,
                                                     right + tubeSlices, k + tubeSlices});
        }
}
