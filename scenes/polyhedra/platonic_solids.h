#pragma once
// The three source solids of the duality scenes, each a new mesh built from
// fixed tables: the tetrahedron and the cube with faces counter-clockwise
// seen from outside, the icosahedron clockwise (the scenes light both sides,
// so nothing depends on it). Pure: no GL.

#include "scenes/polyhedra/half_edge_mesh.h"

// 4 vertices at (+-1, +-1, +-1) with an odd count of minus signs, 4 faces.
HalfEdgeMesh makeTetrahedron();
// 8 vertices: vertex i at x = +1 when bit 0 of i is set, else -1; y from
// bit 1, z from bit 2. 6 faces.
HalfEdgeMesh makeCube();
// 12 vertices at the cyclic permutations of (+-g, 0, +-1), g the golden
// ratio's reciprocal; 20 faces.
HalfEdgeMesh makeIcosahedron();
