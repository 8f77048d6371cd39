#pragma once
// A closed, consistently oriented polyhedral surface as a half-edge mesh:
// built once from a vertex list and a face list, its connectivity fixed after
// that (only vertex positions may move). Half-edges come in twin pairs 2k and
// 2k + 1 forming edge k, numbered in the order the edges are first met, and
// 2k runs the way of the face that first used the edge. Pure: no GL.

#include "geom/vec.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct MeshVertex {
    Vec3 coords;
    int halfEdge = -1; // one half-edge that ends here
};

struct HalfEdge {
    int twin = -1;
    int next = -1; // the following half-edge around the same face
    int head = -1; // the vertex it ends at
    int face = -1;
};

struct MeshFace {
    int firstHalfEdge = -1;
};

// Why a face list was refused. Every refusal leaves no mesh behind.
enum class MeshBuildError {
    none,
    noFaces,
    truncatedFace,        // a corner count runs past the end of the list
    tooFewCorners,        // a face of fewer than three corners
    vertexOutOfRange,     // a corner names no vertex of the list
    repeatedCorner,       // a face passes through one vertex twice
    repeatedDirectedEdge, // two faces (or one twice) walk an edge the same way
    edgeWithoutTwin,      // an edge has a face on one side only: the surface is open
    unusedVertex,         // a vertex no face touches
    vertexNotOneFan,      // the faces at a vertex do not form a single fan
};

// One line saying what the error means.
std::string describe(MeshBuildError error);

struct MeshBuildResult;

class HalfEdgeMesh {
  public:
    // faceList is face after face, each as its corner count n followed by n
    // vertex indices in the order the face's boundary is walked. A list that
    // is not a closed, consistently oriented surface over all of positions is
    // refused (see MeshBuildError); the builder never loops or reads past
    // the list.
    static MeshBuildResult build(const std::vector<Vec3>& positions,
                                 const std::vector<int>& faceList);

    int vertexCount() const { return int(vertices.size()); }
    int edgeCount() const { return int(halfEdges.size()) / 2; }
    int halfEdgeCount() const { return int(halfEdges.size()); }
    int faceCount() const { return int(faces.size()); }

    // Out of range: the origin, and setting does nothing.
    Vec3 vertexPosition(int v) const;
    void setVertexPosition(int v, const Vec3& p);

    // The list queries clear out, fill it and return its length; an index
    // out of range gives an empty list. The walks stop on coming back to
    // where they started, and after walkLimit steps in any case.
    static constexpr int walkLimit = 1000;
    // From the face's first half-edge, following next.
    int faceHalfEdges(int f, std::vector<int>& out) const;
    // The heads of faceHalfEdges, same order.
    int faceVertices(int f, std::vector<int>& out) const;
    // The half-edges ending at v, from its halfEdge h, stepping h <- twin(next(h)).
    int vertexHalfEdges(int v, std::vector<int>& out) const;
    // The faces of vertexHalfEdges, same order.
    int vertexFaces(int v, std::vector<int>& out) const;

    // The mean of the positions of faceVertices(f); the origin out of range.
    Vec3 faceCentroid(int f) const;
    // (head(h), head(twin(h))): end, then start; (-1, -1) out of range.
    std::pair<int, int> edgeEnds(int h) const;
    // (face(h), face(twin(h))); (-1, -1) out of range.
    std::pair<int, int> edgeFaces(int h) const;

    const HalfEdge& halfEdge(int h) const { return halfEdges[std::size_t(h)]; }
    const MeshVertex& vertex(int v) const { return vertices[std::size_t(v)]; }
    const MeshFace& face(int f) const { return faces[std::size_t(f)]; }

  private:
    bool validVertex(int v) const { return v >= 0 && v < vertexCount(); }
    bool validHalfEdge(int h) const { return h >= 0 && h < halfEdgeCount(); }
    bool validFace(int f) const { return f >= 0 && f < faceCount(); }

    std::vector<MeshVertex> vertices;
    std::vector<HalfEdge> halfEdges;
    std::vector<MeshFace> faces;
};

// The outcome of HalfEdgeMesh::build: a mesh, or none and why, with the
// index of the face (or vertex, for the vertex errors) at fault.
struct MeshBuildResult {
    std::optional<HalfEdgeMesh> mesh;
    MeshBuildError error = MeshBuildError::none;
    int at = -1;
};
