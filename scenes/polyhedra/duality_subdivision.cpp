#include "scenes/polyhedra/duality_subdivision.h"

#include <cmath>

namespace {

Vec3 mean(const std::vector<Vec3>& points, const std::vector<int>& indices) {
    Vec3 sum;
    for (int i : indices)
        sum = sum + points[std::size_t(i)];
    return sum * (1.0 / double(indices.size()));
}

// Below this a cross product is taken as zero: a triangle without a plane.
constexpr double degenerateArea = 1e-12;

} // namespace

DualitySubdivision dualitySubdivision(const HalfEdgeMesh& solid) {
    const int V = solid.vertexCount();
    const int E = solid.edgeCount();
    const int F = solid.faceCount();
    DualitySubdivision d;
    d.solidCorners.resize(std::size_t(V + E + F));
    d.dualCorners.resize(std::size_t(V + E + F));
    std::vector<int> list;

    // Dual vertices first: the others are means of them.
    for (int f = 0; f < F; ++f) {
        const Vec3 c = solid.faceCentroid(f);
        d.solidCorners[std::size_t(V + E + f)] = c;
        // A face centred on the origin has no direction to push out along;
        // it stays where it is rather than becoming not-a-number.
        const double r = length(c);
        d.dualCorners[std::size_t(V + E + f)] = r > 0 ? c * (2.0 / r) : c;
    }
    for (int v = 0; v < V; ++v) {
        d.solidCorners[std::size_t(v)] = solid.vertexPosition(v);
        solid.vertexFaces(v, list);
        for (int& f : list)
            f += V + E;
        d.dualCorners[std::size_t(v)] =
            list.empty() ? solid.vertexPosition(v) : mean(d.dualCorners, list);
    }
    for (int k = 0; k < E; ++k) {
        const auto [end, start] = solid.edgeEnds(2 * k);
        const auto [face, other] = solid.edgeFaces(2 * k);
        d.solidCorners[std::size_t(V + k)] =
            0.5 * (solid.vertexPosition(end) + solid.vertexPosition(start));
        d.dualCorners[std::size_t(V + k)] = 0.5 * (d.dualCorners[std::size_t(V + E + face)] +
                                                   d.dualCorners[std::size_t(V + E + other)]);
    }

    std::vector<int> faceList;
    for (int f = 0; f < F; ++f) {
        const int centre = V + E + f;
        solid.faceHalfEdges(f, list);
        for (int h : list) {
            const auto [e, s] = solid.edgeEnds(h);
            const int m = V + h / 2;
            d.triangles.push_back({centre, e, m});
            d.tags.push_back(f * 10000 + e * 100 + 0);
            d.triangles.push_back({centre, m, s});
            d.tags.push_back(f * 10000 + s * 100 + 1);
        }
    }
    for (const auto& t : d.triangles)
        faceList.insert(faceList.end(), {3, t[0], t[1], t[2]});
    MeshBuildResult built = HalfEdgeMesh::build(d.solidCorners, faceList);
    if (built.mesh)
        d.triangleMesh = std::move(*built.mesh);
    return d;
}

MorphedTriangle morphedTriangle(const DualitySubdivision& d, int i, double s) {
    const std::array<int, 3>& t = d.triangles[std::size_t(i)];
    const std::vector<Vec3>& P = d.solidCorners;
    const std::vector<Vec3>& T = d.dualCorners;
    const Vec3 c0 =
        (P[std::size_t(t[0])] + P[std::size_t(t[1])] + P[std::size_t(t[2])]) * (1.0 / 3);
    MorphedTriangle m;
    for (int j = 0; j < 3; ++j) {
        const std::size_t k = std::size_t(t[std::size_t(j)]);
        const Vec3 x = s * P[k] + (1 - s) * T[k];
        m.corners[std::size_t(j)] = 0.9 * x + (1 - 0.9) * c0;
    }
    Vec3 n = cross(m.corners[1] - m.corners[0], m.corners[2] - m.corners[0]);
    // A triangle squeezed to a line keeps the facing it has on the solid.
    if (!(length(n) > degenerateArea))
        n = cross(P[std::size_t(t[1])] - P[std::size_t(t[0])],
                  P[std::size_t(t[2])] - P[std::size_t(t[0])]);
    m.normal = length(n) > degenerateArea ? normalised(n) : Vec3{0, 0, 1};
    return m;
}
