#include "scenes/polyhedra/polyhedra_morph.h"

#include "scenes/polyhedra/polyhedra_colours.h"

#include <cmath>

HalfEdgeMesh scaledSolid(HalfEdgeMesh solid) {
    const double r = length(solid.vertexPosition(0));
    const double k = r > 0 && std::isfinite(r) ? solidRadius / r : 1.0;
    for (int v = 0; v < solid.vertexCount(); ++v)
        solid.setVertexPosition(v, k * solid.vertexPosition(v));
    return solid;
}

double morphBlend(double value) {
    if (!(value > 0))
        return 0;
    return value < 1 ? value : 1;
}

void morphAt(const DualitySubdivision& dual, const std::vector<int>& faceColours,
             const std::vector<int>& vertexColours, double s, PolyhedraMorph& out) {
    out.triangles.clear();
    out.colours.clear();
    out.outlines.clear();
    for (int i = 0; i < int(dual.triangles.size()); ++i) {
        const int tag = dual.tags[std::size_t(i)];
        const MorphedTriangle t = morphedTriangle(dual, i, s);
        out.triangles.push_back(t);
        out.colours.push_back(
            blendedColour(faceColours, vertexColours, tagFace(tag), tagVertex(tag), s));
        for (int j = 0; j < 3; ++j)
            appendTube(t.corners[std::size_t(j)], t.corners[std::size_t((j + 1) % 3)],
                       outlineRadius, out.outlines);
    }
}
