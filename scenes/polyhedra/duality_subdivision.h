#pragma once
// The duality subdivision of a closed mesh: every face cut into two triangles
// per edge, with corners at the solid's vertices, edge midpoints and face
// centres. Each corner has a second position on the dual (vertex -> centre
// of its dual face, edge midpoint -> dual edge midpoint, face centre -> dual
// vertex on the sphere of radius 2), so blending the two carries the solid
// into its dual. Pure: no GL.

#include "scenes/polyhedra/half_edge_mesh.h"

#include <array>
#include <vector>

// Corner indices of a solid with V vertices and E edges: vertex v is corner
// v, edge k corner V + k, face f corner V + E + f.
struct DualitySubdivision {
    std::vector<Vec3> solidCorners; // P: on the solid
    std::vector<Vec3> dualCorners;  // T: on the dual
    // For face f, for each of its half-edges h from s to e with midpoint
    // corner m: (centre of f, e, m), then (centre of f, m, s).
    std::vector<std::array<int, 3>> triangles;
    // Per triangle: face * 10000 + solid vertex * 100 + (0 or 1, which of the two).
    std::vector<int> tags;
    // The triangles as a closed mesh of their own: face i is triangle i, its
    // positions are solidCorners.
    HalfEdgeMesh triangleMesh;
};

DualitySubdivision dualitySubdivision(const HalfEdgeMesh& solid);

// The fields of a triangle's tag: the solid face it lies in and the one solid
// vertex among its corners.
inline int tagFace(int tag) {
    return tag / 10000;
}
inline int tagVertex(int tag) {
    return (tag / 100) % 100;
}

// Triangle i at blend s (1 on the solid, 0 on the dual), shrunk by 10 %
// towards its centre on the solid so that a gap shows round every triangle.
struct MorphedTriangle {
    std::array<Vec3, 3> corners;
    Vec3 normal; // unit
};
MorphedTriangle morphedTriangle(const DualitySubdivision& subdivision, int i, double s);
