#pragma once
// The colours of the duality scenes: a palette of seven, and per solid one
// palette index for each of its faces and one for each of its vertices
// (that is, for each face of the dual). Pure: no GL.

#include "geom/vec.h"

#include <vector>

// Red, green, blue, yellow, cyan, magenta, orange; black for any other index.
Vec3 paletteColour(int index);

// The tables are made on first use, so scenes built during static
// initialisation can read them whatever the order of construction.

// The tetrahedron: each face and each vertex its own colour.
const std::vector<int>& tetrahedronFaceColours();
const std::vector<int>& tetrahedronVertexColours();
// Opposite cube faces share a colour (z = +-1 red, x = +-1 green, y = +-1
// blue); the octahedron's faces alternate red and green.
const std::vector<int>& cubeFaceColours();
const std::vector<int>& cubeVertexColours();
// Icosahedron face k in colour k mod 5, dodecahedron face of vertex k in k mod 6.
const std::vector<int>& icosahedronFaceColours();
const std::vector<int>& icosahedronVertexColours();

// The colour of a triangle in solid face f around solid vertex v at blend s:
// s of the face's colour and 1 - s of the vertex's. A face or vertex past its
// table counts as black.
Vec3 blendedColour(const std::vector<int>& faceColours, const std::vector<int>& vertexColours,
                   int f, int v, double s);
