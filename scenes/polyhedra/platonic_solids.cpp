#include "scenes/polyhedra/platonic_solids.h"

#include <cassert>
#include <cmath>

namespace {

struct SolidTable {
    std::vector<Vec3> positions;
    std::vector<int> faceList; // each face as its corner count, then its corners
};

// Each face written as its corners, all of one corner count.
std::vector<int> faceListOf(int corners, const std::vector<int>& faces) {
    std::vector<int> list;
    for (std::size_t at = 0; at < faces.size(); at += std::size_t(corners)) {
        list.push_back(corners);
        list.insert(list.end(), faces.begin() + long(at), faces.begin() + long(at) + corners);
    }
    return list;
}

HalfEdgeMesh built(const SolidTable& table) {
    MeshBuildResult result = HalfEdgeMesh::build(table.positions, table.faceList);
    assert(result.mesh && "the solid tables describe closed surfaces");
    return result.mesh ? std::move(*result.mesh) : HalfEdgeMesh();
}

} // namespace

HalfEdgeMesh makeTetrahedron() {
    static const SolidTable table{
        {{-1, -1, -1}, {1, 1, -1}, {1, -1, 1}, {-1, 1, 1}},
        faceListOf(3, {0, 1, 2, 1, 0, 3, 2, 1, 3, 0, 2, 3}),
    };
    return built(table);
}

HalfEdgeMesh makeCube() {
    static const SolidTable table = [] {
        SolidTable t;
        for (int i = 0; i < 8; ++i)
            t.positions.push_back({i & 1 ? 1.0 : -1.0, i & 2 ? 1.0 : -1.0, i & 4 ? 1.0 : -1.0});
        t.faceList =
            faceListOf(4, {0, 2, 3, 1, 4, 5, 7, 6, 2, 0, 4, 6, 3, 2, 6, 7, 1, 3, 7, 5, 0, 1, 5, 4});
        return t;
    }();
    return built(table);
}

HalfEdgeMesh makeIcosahedron() {
    static const SolidTable table = [] {
        const double g = (std::sqrt(5.0) - 1) / 2;
        SolidTable t;
        t.positions = {{g, 0, 1},  {-g, 0, 1},  {g, 0, -1}, {-g, 0, -1}, {0, 1, g},  {0, 1, -g},
                       {0, -1, g}, {0, -1, -g}, {1, g, 0},  {1, -g, 0},  {-1, g, 0}, {-1, -g, 0}};
        t.faceList =
            faceListOf(3, {0, 1, 4, 1,  0, 6, 3, 2,  5, 2, 3,  7,  4, 5,  8,  5, 4,  10, 7,  6,
                           9, 6, 7, 11, 8, 9, 0, 9,  8, 2, 11, 10, 1, 10, 11, 3, 0,  4,  8,  0,
                           9, 6, 1, 10, 4, 1, 6, 11, 2, 8, 5,  2,  7, 9,  3,  5, 10, 3,  11, 7});
        return t;
    }();
    return built(table);
}
