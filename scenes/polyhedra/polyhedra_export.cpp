#include "scenes/polyhedra/polyhedra_export.h"

#include "scenes/polyhedra/platonic_solids.h"
#include "scenes/polyhedra/polyhedra_colours.h"
#include "scenes/polyhedra/polyhedra_morph.h"

#include <algorithm>

namespace {

// Closer than this, two corners are one point.
constexpr double weldDistance = 1e-9;
// Below this a triangle's doubled area counts as none.
constexpr double flatArea = 1e-12;

// The surface at blend s as one closed mesh. The scene shrinks each triangle
// a little towards its centre to show a gap round it; a print needs the
// surface whole, so the triangles keep their corners shared, coloured each
// as the scene colours it. Corners that meet are welded and triangles that
// have shrunk to nothing dropped, so that every edge stays in two triangles,
// and the whole is turned to face out (the icosahedron's faces run
// clockwise).
ClosedMesh morphedMesh(const DualitySubdivision& dual, const PolyhedraMorph& morph, double s) {
    ClosedMesh mesh;
    mesh.name = "faces";
    std::vector<int> welded;
    for (std::size_t k = 0; k < dual.solidCorners.size(); ++k) {
        const Vec3 x = s * dual.solidCorners[k] + (1 - s) * dual.dualCorners[k];
        const auto same = std::find_if(mesh.points.begin(), mesh.points.end(),
                                       [&](const Vec3& p) { return length(p - x) < weldDistance; });
        welded.push_back(int(same - mesh.points.begin()));
        if (same == mesh.points.end())
            mesh.points.push_back(x);
    }
    double volume = 0;
    for (std::size_t i = 0; i < dual.triangles.size(); ++i) {
        std::array<int, 3> t;
        for (std::size_t j = 0; j < 3; ++j)
            t[j] = welded[std::size_t(dual.triangles[i][j])];
        const Vec3& a = mesh.points[std::size_t(t[0])];
        const Vec3& b = mesh.points[std::size_t(t[1])];
        const Vec3& c = mesh.points[std::size_t(t[2])];
        if (!(length(cross(b - a, c - a)) > flatArea))
            continue;
        volume += dot(a, cross(b, c));
        mesh.triangles.push_back(t);
        mesh.triangleColours.push_back(morph.colours[i]);
    }
    if (volume < 0)
        for (std::array<int, 3>& t : mesh.triangles)
            std::swap(t[1], t[2]);
    return mesh;
}

// The scene shrinks each triangle towards its centre on the solid, which away
// from the solid end lies off the morphed face's plane: the outlines hover
// over their faces, near the tetrahedron's dual end by three times their
// radius. On a print they would be loose rings, so each triangle's outline
// is moved along the face's normal into its plane, by this.
Vec3 ontoFace(const DualitySubdivision& dual, std::size_t i, double s,
              const MorphedTriangle& drawn) {
    Vec3 x[3];
    for (std::size_t j = 0; j < 3; ++j) {
        const std::size_t k = std::size_t(dual.triangles[i][j]);
        x[j] = s * dual.solidCorners[k] + (1 - s) * dual.dualCorners[k];
    }
    const Vec3 n = normalised(cross(x[1] - x[0], x[2] - x[0]));
    const Vec3 centre = (drawn.corners[0] + drawn.corners[1] + drawn.corners[2]) * (1.0 / 3);
    return -dot(centre - x[0], n) * n;
}

// Outline tube k of the morph moved by shift, its two rings of tubeSlices
// vertices as drawn with detail - 1 more between them along its length.
SurfaceSheet outlineSheet(const TubeMesh& outlines, int k, int detail, const Vec3& shift) {
    SurfaceSheet sheet;
    sheet.name = "outline";
    sheet.kind = SheetKind::boundary;
    sheet.rows = detail + 1;
    sheet.columns = tubeSlices;
    sheet.columnJoin = SeamJoin::straight;
    sheet.colour = {0, 0, 0};
    const int base = k * (tubeStacks + 1) * tubeSlices;
    for (int i = 0; i <= detail; ++i)
        for (int j = 0; j < tubeSlices; ++j) {
            const Vec3 from = outlines.position(base + j);
            const Vec3 to = outlines.position(base + tubeStacks * tubeSlices + j);
            sheet.points.push_back(shift +
                                   (i == detail ? to : from + (double(i) / detail) * (to - from)));
        }
    return sheet;
}

SceneModel polyhedraModel(HalfEdgeMesh solid, const std::vector<int>& faceColours,
                          const std::vector<int>& vertexColours, const ModelRequest& request) {
    static_assert(tubeStacks == 1, "an outline is read as its two end rings");
    const double s = morphBlend(request.values.empty() ? 0.0 : request.values[0]);
    const DualitySubdivision dual = dualitySubdivision(scaledSolid(std::move(solid)));
    PolyhedraMorph morph;
    morphAt(dual, faceColours, vertexColours, s, morph);
    SceneModel model;
    model.meshes.push_back(morphedMesh(dual, morph, s));
    const int detail = std::max(1, request.detail);
    int k = 0;
    for (std::size_t i = 0; i < morph.triangles.size(); ++i) {
        const Vec3 shift = ontoFace(dual, i, s, morph.triangles[i]);
        const std::array<Vec3, 3>& c = morph.triangles[i].corners;
        // As appendTube, which leaves out a tube along a vanishing side.
        for (std::size_t j = 0; j < 3; ++j)
            if (!(length(c[(j + 1) % 3] - c[j]) < 0.00001))
                model.sheets.push_back(outlineSheet(morph.outlines, k++, detail, shift));
    }
    return model;
}

} // namespace

SceneModel tetratetraModel(const ModelRequest& request) {
    return polyhedraModel(makeTetrahedron(), tetrahedronFaceColours(), tetrahedronVertexColours(),
                          request);
}

SceneModel cubeoctaModel(const ModelRequest& request) {
    return polyhedraModel(makeCube(), cubeFaceColours(), cubeVertexColours(), request);
}

SceneModel icododecaModel(const ModelRequest& request) {
    return polyhedraModel(makeIcosahedron(), icosahedronFaceColours(), icosahedronVertexColours(),
                          request);
}
