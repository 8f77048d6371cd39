#pragma once
// The duality scenes' model at one blend: the solid scaled onto the sphere
// of radius 2, the blend read from the slider, and the triangles, their
// colours and outline tubes worked out from them. The one computation that
// the scenes' update and the export both run. Pure: no GL.

#include "scenes/polyhedra/duality_subdivision.h"
#include "scenes/polyhedra/half_edge_mesh.h"
#include "scenes/polyhedra/outline_tubes.h"

#include <vector>

// Every vertex of the three solids lands on this sphere.
constexpr double solidRadius = 2.0;
constexpr double outlineRadius = 0.01;

// solid scaled so that its vertex 0 lies at distance solidRadius from the
// centre (unscaled when vertex 0 is at the centre).
HalfEdgeMesh scaledSolid(HalfEdgeMesh solid);

// The blend of the slider's value: 0 for the dual, 1 for the solid.
double morphBlend(double sliderValue);

// Per triangle of the subdivision at blend s: its corners and normal, its
// colour (blendedColour of the tables), and the outline tubes round it.
struct PolyhedraMorph {
    std::vector<MorphedTriangle> triangles;
    std::vector<Vec3> colours;
    TubeMesh outlines;
};
void morphAt(const DualitySubdivision& dual, const std::vector<int>& faceColours,
             const std::vector<int>& vertexColours, double s, PolyhedraMorph& out);
