#include "scenes/polyhedra/duality_subdivision.h"
#include "scenes/polyhedra/half_edge_mesh.h"
#include "scenes/polyhedra/outline_tubes.h"
#include "scenes/polyhedra/platonic_solids.h"
#include "scenes/polyhedra/polyhedra_colours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

namespace {

double gap(const Vec3& a, const Vec3& b) {
    return length(a - b);
}
bool finite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// A solid as the scenes hold it: every vertex on the sphere of radius 2.
HalfEdgeMesh scaled(HalfEdgeMesh mesh) {
    const double k = 2 / length(mesh.vertexPosition(0));
    for (int v = 0; v < mesh.vertexCount(); ++v)
        mesh.setVertexPosition(v, k * mesh.vertexPosition(v));
    return mesh;
}

struct Solid {
    const char* name;
    std::function<HalfEdgeMesh()> make;
    int vertices, edges, faces, valence;
};
const Solid solids[] = {
    {"tetrahedron", makeTetrahedron, 4, 6, 4, 3},
    {"cube", makeCube, 8, 12, 6, 3},
    {"icosahedron", makeIcosahedron, 12, 30, 20, 5},
};

// Every invariant of a closed, consistently oriented mesh that the walks and
// the dual rely on.
void expectClosedMesh(const HalfEdgeMesh& mesh) {
    std::set<std::pair<int, int>> directed;
    std::vector<int> list;
    for (int h = 0; h < mesh.halfEdgeCount(); ++h) {
        const HalfEdge& e = mesh.halfEdge(h);
        ASSERT_EQ(e.twin, h ^ 1) << h;
        ASSERT_GE(e.face, 0) << h;
        ASSERT_NE(e.head, mesh.halfEdge(e.twin).head) << h;
        // Each directed edge once: (tail, head).
        EXPECT_TRUE(directed.insert({mesh.halfEdge(e.twin).head, e.head}).second) << h;
        // The next half-edge leaves from where this one ends.
        EXPECT_EQ(mesh.halfEdge(mesh.halfEdge(e.next).twin).head, e.head) << h;
    }
    int around = 0;
    for (int f = 0; f < mesh.faceCount(); ++f) {
        const int n = mesh.faceHalfEdges(f, list);
        around += n;
        for (int h : list)
            EXPECT_EQ(mesh.halfEdge(h).face, f);
        EXPECT_EQ(mesh.halfEdge(list.back()).next, list.front()) << "face " << f;
    }
    EXPECT_EQ(around, mesh.halfEdgeCount()) << "the faces' walks cover every half-edge once";
    for (int v = 0; v < mesh.vertexCount(); ++v) {
        mesh.vertexHalfEdges(v, list);
        for (int h : list)
            EXPECT_EQ(mesh.halfEdge(h).head, v);
    }
}

TEST(HalfEdgeMesh, SolidsAreClosedSurfacesOfEulerCharacteristicTwo) {
    for (const Solid& solid : solids) {
        SCOPED_TRACE(solid.name);
        const HalfEdgeMesh mesh = solid.make();
        EXPECT_EQ(mesh.vertexCount(), solid.vertices);
        EXPECT_EQ(mesh.edgeCount(), solid.edges);
        EXPECT_EQ(mesh.faceCount(), solid.faces);
        EXPECT_EQ(mesh.vertexCount() - mesh.edgeCount() + mesh.faceCount(), 2);
        expectClosedMesh(mesh);

        std::vector<int> faces;
        for (int v = 0; v < mesh.vertexCount(); ++v) {
            EXPECT_EQ(mesh.vertexFaces(v, faces), solid.valence) << v;
            EXPECT_EQ(std::set<int>(faces.begin(), faces.end()).size(), faces.size()) << v;
        }
        // Half-edge 2k runs the way of the first face that met edge k.
        for (int k = 0; k < mesh.edgeCount(); ++k) {
            const auto [first, second] = mesh.edgeFaces(2 * k);
            EXPECT_LT(first, second) << k;
        }
        // All vertices at one distance from the centre: the tables are right.
        const double r = length(mesh.vertexPosition(0));
        for (int v = 0; v < mesh.vertexCount(); ++v)
            EXPECT_NEAR(length(mesh.vertexPosition(v)), r, 1e-12);
    }
}

TEST(HalfEdgeMesh, FacesWalkTheirCornersInTheListedOrder) {
    const HalfEdgeMesh cube = makeCube();
    std::vector<int> corners;
    cube.faceVertices(2, corners);
    EXPECT_EQ(corners, (std::vector<int>{2, 0, 4, 6}));
    const auto [end, start] = cube.edgeEnds(0);
    EXPECT_EQ(end, 0); // the first edge runs from the first face's last corner
    EXPECT_EQ(start, 1);
    EXPECT_EQ(cube.faceCentroid(1).z, 1.0);
}

// The smallest closed surface: two triangles on the same three corners,
// back to back. Its corners lie round the origin, so each face's centre is
// the origin itself.
const std::vector<Vec3> pillowCorners = {
    {1, 0, 0}, {-0.5, std::sqrt(3.0) / 2, 0}, {-0.5, -std::sqrt(3.0) / 2, 0}};

MeshBuildError refusalOf(const std::vector<Vec3>& positions, const std::vector<int>& list) {
    const MeshBuildResult result = HalfEdgeMesh::build(positions, list);
    EXPECT_EQ(result.mesh.has_value(), result.error == MeshBuildError::none);
    EXPECT_FALSE(describe(result.error).empty());
    return result.error;
}

TEST(HalfEdgeMesh, BuilderRefusesWhatIsNotAClosedOrientedSurface) {
    const std::vector<Vec3> four(4);
    const std::vector<int> tetrahedron = {3, 0, 1, 2, 3, 1, 0, 3, 3, 2, 1, 3, 3, 0, 2, 3};
    EXPECT_EQ(refusalOf(four, tetrahedron), MeshBuildError::none);

    using E = MeshBuildError;
    EXPECT_EQ(refusalOf(four, {}), E::noFaces);
    EXPECT_EQ(refusalOf(four, {3, 0, 1}), E::truncatedFace);
    EXPECT_EQ(refusalOf(four, {2000000000, 0, 1, 2}), E::truncatedFace);
    EXPECT_EQ(refusalOf(four, {2, 0, 1, 2, 1, 0}), E::tooFewCorners);
    EXPECT_EQ(refusalOf(four, {0}), E::tooFewCorners);
    EXPECT_EQ(refusalOf(four, {-3, 0, 1, 2}), E::tooFewCorners);
    EXPECT_EQ(refusalOf(four, {3, 0, 1, 4, 3, 1, 0, 4}), E::vertexOutOfRange);
    EXPECT_EQ(refusalOf(four, {3, 0, 1, -1}), E::vertexOutOfRange);
    EXPECT_EQ(refusalOf(four, {4, 0, 1, 0, 2}), E::repeatedCorner);
    EXPECT_EQ(refusalOf(four, {3, 0, 1, 1}), E::repeatedCorner);
    // One face turned over, and one face given twice.
    EXPECT_EQ(refusalOf(four, {3, 0, 1, 2, 3, 0, 1, 3, 3, 2, 1, 3, 3, 0, 2, 3}),
              E::repeatedDirectedEdge);
    EXPECT_EQ(refusalOf(pillowCorners, {3, 0, 1, 2, 3, 0, 1, 2}), E::repeatedDirectedEdge);
    // A tetrahedron without its last face, and a lone triangle.
    EXPECT_EQ(refusalOf(four, {3, 0, 1, 2, 3, 1, 0, 3, 3, 2, 1, 3}), E::edgeWithoutTwin);
    EXPECT_EQ(refusalOf(pillowCorners, {3, 0, 1, 2}), E::edgeWithoutTwin);
    EXPECT_EQ(refusalOf(std::vector<Vec3>(5), tetrahedron), E::unusedVertex);
    // Two tetrahedra touching at vertex 0 only.
    std::vector<int> touching = tetrahedron;
    for (std::size_t i = 0; i < tetrahedron.size(); i += 4)
        touching.insert(touching.end(), {3, tetrahedron[i + 1] ? tetrahedron[i + 1] + 3 : 0,
                                         tetrahedron[i + 2] ? tetrahedron[i + 2] + 3 : 0,
                                         tetrahedron[i + 3] ? tetrahedron[i + 3] + 3 : 0});
    EXPECT_EQ(refusalOf(std::vector<Vec3>(7), touching), E::vertexNotOneFan);
}

TEST(HalfEdgeMesh, QueriesOutOfRangeAndLongWalksStayBounded) {
    const HalfEdgeMesh mesh = makeTetrahedron();
    std::vector<int> list = {7, 7};
    EXPECT_EQ(mesh.faceHalfEdges(4, list), 0);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(mesh.vertexHalfEdges(-1, list), 0);
    EXPECT_EQ(mesh.edgeEnds(12), std::make_pair(-1, -1));
    EXPECT_EQ(mesh.edgeFaces(-1), std::make_pair(-1, -1));
    EXPECT_EQ(gap(mesh.vertexPosition(4), {}), 0.0);
    EXPECT_EQ(gap(mesh.faceCentroid(-1), {}), 0.0);

    // A pillow of two 1500-gons: closed, but its face walks end at the cap.
    std::vector<Vec3> ring;
    std::vector<int> list2 = {1500};
    for (int k = 0; k < 1500; ++k) {
        ring.push_back({std::cos(k * 2 * pi / 1500), std::sin(k * 2 * pi / 1500), 0});
        list2.push_back(k);
    }
    list2.push_back(1500);
    for (int k = 1499; k >= 0; --k)
        list2.push_back(k);
    MeshBuildResult big = HalfEdgeMesh::build(ring, list2);
    ASSERT_TRUE(big.mesh);
    EXPECT_EQ(big.mesh->faceHalfEdges(0, list), HalfEdgeMesh::walkLimit);
    EXPECT_EQ(big.mesh->vertexFaces(7, list), 2);
}

TEST(DualitySubdivision, CornersAndTaggedTrianglesOfEachSolid) {
    const int corners[] = {14, 26, 62};
    const int triangles[] = {24, 48, 120};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(solids[i].name);
        const HalfEdgeMesh solid = scaled(solids[i].make());
        const DualitySubdivision d = dualitySubdivision(solid);
        const int V = solid.vertexCount();
        EXPECT_EQ(int(d.solidCorners.size()), corners[i]);
        EXPECT_EQ(int(d.triangles.size()), triangles[i]);
        ASSERT_EQ(d.tags.size(), d.triangles.size());
        // The triangles make a closed surface of their own, face i triangle i.
        EXPECT_EQ(d.triangleMesh.faceCount(), triangles[i]);
        expectClosedMesh(d.triangleMesh);

        std::vector<int> faceCorners;
        for (std::size_t t = 0; t < d.triangles.size(); ++t) {
            const int tag = d.tags[t];
            const int f = tagFace(tag);
            const int v = tagVertex(tag);
            EXPECT_EQ(tag % 100, int(t % 2));
            EXPECT_EQ(d.triangles[t][0], V + solid.edgeCount() + f);
            // Exactly one solid vertex, the tagged one, and it is a corner of f.
            int solidVertices = 0;
            for (int c : d.triangles[t])
                solidVertices += c < V;
            EXPECT_EQ(solidVertices, 1);
            EXPECT_EQ(d.triangles[t][t % 2 ? 2 : 1], v);
            solid.faceVertices(f, faceCorners);
            EXPECT_EQ(std::count(faceCorners.begin(), faceCorners.end(), v), 1);
            std::vector<int> meshCorners;
            d.triangleMesh.faceVertices(int(t), meshCorners);
            EXPECT_EQ(meshCorners,
                      (std::vector<int>{d.triangles[t][0], d.triangles[t][1], d.triangles[t][2]}));
        }
        // The dual's vertices are the solid's faces, on the same sphere.
        for (int f = 0; f < solid.faceCount(); ++f)
            EXPECT_NEAR(length(d.dualCorners[std::size_t(V + solid.edgeCount() + f)]), 2, 1e-12);
    }
}

TEST(DualitySubdivision, DualVerticesOfTetrahedronAndCube) {
    const HalfEdgeMesh tetrahedron = scaled(makeTetrahedron());
    const DualitySubdivision t = dualitySubdivision(tetrahedron);
    // The dual tetrahedron points the other way: each face's dual vertex is
    // the opposite vertex turned through the centre.
    for (int f = 0; f < 4; ++f) {
        const Vec3 dual = t.dualCorners[std::size_t(10 + f)];
        double nearest = 10;
        for (int v = 0; v < 4; ++v)
            nearest = std::min(nearest, gap(dual, -1.0 * tetrahedron.vertexPosition(v)));
        EXPECT_LT(nearest, 1e-12) << f;
    }
    const DualitySubdivision c = dualitySubdivision(scaled(makeCube()));
    std::set<std::array<int, 3>> octahedron;
    for (int f = 0; f < 6; ++f) {
        const Vec3 p = c.dualCorners[std::size_t(20 + f)];
        octahedron.insert({int(std::lround(p.x)), int(std::lround(p.y)), int(std::lround(p.z))});
        EXPECT_NEAR(std::fabs(p.x) + std::fabs(p.y) + std::fabs(p.z), 2, 1e-12);
    }
    EXPECT_EQ(octahedron.size(), 6u);
}

double area(const std::array<Vec3, 3>& t) {
    return 0.5 * length(cross(t[1] - t[0], t[2] - t[0]));
}

// The triangles grouped by key (their solid face or solid vertex) all lie in
// one plane at the blend s, before the shrink; answers how many share a key.
std::vector<int> expectGroupsFlat(const DualitySubdivision& d, double s, bool byFace) {
    std::vector<std::vector<Vec3>> points(byFace ? 20 : 12);
    for (std::size_t t = 0; t < d.triangles.size(); ++t) {
        const int key = byFace ? tagFace(d.tags[t]) : tagVertex(d.tags[t]);
        for (int c : d.triangles[t])
            points[std::size_t(key)].push_back(s * d.solidCorners[std::size_t(c)] +
                                               (1 - s) * d.dualCorners[std::size_t(c)]);
    }
    std::vector<int> counts;
    for (const auto& group : points) {
        if (group.empty())
            continue;
        counts.push_back(int(group.size()) / 3);
        const Vec3 n = normalised(cross(group[1] - group[0], group[2] - group[0]));
        for (const Vec3& p : group)
            EXPECT_NEAR(dot(p - group[0], n), 0, 1e-12);
    }
    return counts;
}

TEST(DualitySubdivision, EndsOfTheBlendTileTheSolidAndItsDual) {
    const DualitySubdivision ico = dualitySubdivision(scaled(makeIcosahedron()));
    // The icosahedron's triangles in 6s, the dodecahedron's pentagons in 10s.
    EXPECT_EQ(expectGroupsFlat(ico, 1, true), std::vector<int>(20, 6));
    EXPECT_EQ(expectGroupsFlat(ico, 0, false), std::vector<int>(12, 10));
    const DualitySubdivision cube = dualitySubdivision(scaled(makeCube()));
    EXPECT_EQ(expectGroupsFlat(cube, 1, true), std::vector<int>(6, 8));
    EXPECT_EQ(expectGroupsFlat(cube, 0, false), std::vector<int>(8, 6));

    // At the solid end the triangles are the faces shrunk by 10 % about
    // their own centres: together 81 % of the surface.
    const HalfEdgeMesh solid = scaled(makeCube());
    double total = 0;
    for (int i = 0; i < int(cube.triangles.size()); ++i)
        total += area(morphedTriangle(cube, i, 1).corners);
    const double side = gap(solid.vertexPosition(0), solid.vertexPosition(1));
    EXPECT_NEAR(total, 0.81 * 6 * side * side, 1e-9);
}

TEST(DualitySubdivision, EveryTriangleKeepsAnAreaAndANormalOverTheWholeSlider) {
    for (const Solid& solid : solids) {
        SCOPED_TRACE(solid.name);
        const DualitySubdivision d = dualitySubdivision(scaled(solid.make()));
        // Every value of the slider's hundred columns, and some between.
        for (int step = 0; step <= 396; ++step) {
            const double s = step / 396.0;
            for (int i = 0; i < int(d.triangles.size()); ++i) {
                const MorphedTriangle t = morphedTriangle(d, i, s);
                ASSERT_GT(area(t.corners), 1e-4) << "s " << s << " triangle " << i;
                ASSERT_TRUE(finite(t.normal));
                ASSERT_NEAR(length(t.normal), 1, 1e-12);
            }
        }
    }
}

TEST(DualitySubdivision, FacesCentredOnTheOriginStayFinite) {
    const MeshBuildResult pillow = HalfEdgeMesh::build(pillowCorners, {3, 0, 1, 2, 3, 0, 2, 1});
    ASSERT_TRUE(pillow.mesh);
    EXPECT_EQ(pillow.mesh->vertexCount() - pillow.mesh->edgeCount() + pillow.mesh->faceCount(), 2);
    const DualitySubdivision d = dualitySubdivision(*pillow.mesh);
    for (const Vec3& p : d.dualCorners)
        EXPECT_TRUE(finite(p));
    for (int i = 0; i < int(d.triangles.size()); ++i)
        for (double s : {0.0, 0.5, 1.0})
            EXPECT_TRUE(finite(morphedTriangle(d, i, s).normal));
}

TEST(PolyhedraColours, TablesGiveTheColoursOfTheFacesAndTheirDuals) {
    EXPECT_EQ(gap(paletteColour(6), {1, 0.5, 0}), 0.0);
    EXPECT_EQ(gap(paletteColour(7), {}), 0.0);
    EXPECT_EQ(gap(paletteColour(-1), {}), 0.0);
    // The cube: opposite faces alike; the octahedron: neighbours unlike.
    const HalfEdgeMesh cube = makeCube();
    for (int f = 0; f < 6; ++f)
        for (int g = 0; g < 6; ++g)
            if (gap(cube.faceCentroid(f), -1.0 * cube.faceCentroid(g)) < 1e-12) {
                EXPECT_EQ(cubeFaceColours()[std::size_t(f)], cubeFaceColours()[std::size_t(g)]);
            }
    for (int h = 0; h < cube.halfEdgeCount(); ++h) {
        const auto [end, start] = cube.edgeEnds(h);
        EXPECT_NE(cubeVertexColours()[std::size_t(end)], cubeVertexColours()[std::size_t(start)]);
    }
    EXPECT_EQ(icosahedronFaceColours().size(), 20u);
    EXPECT_EQ(icosahedronVertexColours()[11], 5);
    // Past a table's end: black, not a read out of range.
    EXPECT_EQ(gap(blendedColour(cubeFaceColours(), cubeVertexColours(), 6, 8, 0.5), {}), 0.0);
}

TEST(OutlineTubes, TubesRunRoundTheirSegmentFacingOutwards) {
    TubeMesh mesh;
    const Vec3 a{0.3, -0.2, 1}, b{0.3, 0.7, 1.1};
    appendTube(a, b, 0.01, mesh);
    appendTube(a, a + Vec3{0, 0, 0.000001}, 0.01, mesh);
    appendTube(b, b + Vec3{0.5, 0, 0}, 0.01, mesh);
    ASSERT_EQ(mesh.vertexCount(), 2 * tubeSlices * (tubeStacks + 1));
    const Vec3 axis = normalised(b - a);
    for (int k = 0; k < tubeSlices * (tubeStacks + 1); ++k) {
        const Vec3 p = mesh.position(k) - a;
        EXPECT_NEAR(length(p - dot(p, axis) * axis), 0.01, 1e-7);
        EXPECT_NEAR(dot(mesh.normal(k), axis), 0, 1e-7);
    }
    for (std::size_t i = 0; i < mesh.indices.size(); i += 3) {
        const Vec3 p = mesh.position(int(mesh.indices[i]));
        const Vec3 n = cross(mesh.position(int(mesh.indices[i + 1])) - p,
                             mesh.position(int(mesh.indices[i + 2])) - p);
        EXPECT_GT(dot(n, mesh.normal(int(mesh.indices[i]))), 0) << "wound inwards";
    }
}

} // namespace
