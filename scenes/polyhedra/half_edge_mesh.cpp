#include "scenes/polyhedra/half_edge_mesh.h"

#include <map>

std::string describe(MeshBuildError error) {
    switch (error) {
    case MeshBuildError::none:
        return "no error";
    case MeshBuildError::noFaces:
        return "the face list holds no face";
    case MeshBuildError::truncatedFace:
        return "a face's corner count runs past the end of the face list";
    case MeshBuildError::tooFewCorners:
        return "a face has fewer than three corners";
    case MeshBuildError::vertexOutOfRange:
        return "a face names a vertex that is not in the vertex list";
    case MeshBuildError::repeatedCorner:
        return "a face passes through the same vertex twice";
    case MeshBuildError::repeatedDirectedEdge:
        return "an edge is walked in the same direction twice: faces overlap or are not "
               "consistently oriented";
    case MeshBuildError::edgeWithoutTwin:
        return "an edge has a face on one side only: the surface is not closed";
    case MeshBuildError::unusedVertex:
        return "a vertex belongs to no face";
    case MeshBuildError::vertexNotOneFan:
        return "the faces around a vertex do not form one fan";
    }
    return "unknown error";
}

namespace {

MeshBuildResult refusal(MeshBuildError error, int at) {
    MeshBuildResult result;
    result.error = error;
    result.at = at;
    return result;
}

} // namespace

MeshBuildResult HalfEdgeMesh::build(const std::vector<Vec3>& positions,
                                    const std::vector<int>& faceList) {
    HalfEdgeMesh mesh;
    for (const Vec3& p : positions)
        mesh.vertices.push_back({p, -1});
    const int vertexTotal = mesh.vertexCount();

    // Directed (tail, head) to the half-edge running that way; for the build only.
    std::map<std::pair<int, int>, int> directed;
    // The face that last named each vertex, to find a corner named twice.
    std::vector<int> namedBy(positions.size(), -1);

    std::size_t at = 0;
    while (at < faceList.size()) {
        const int f = mesh.faceCount();
        const int n = faceList[at];
        if (n < 3)
            return refusal(MeshBuildError::tooFewCorners, f);
        if (std::size_t(n) > faceList.size() - at - 1)
            return refusal(MeshBuildError::truncatedFace, f);
        const int* corners = faceList.data() + at + 1;
        at += std::size_t(n) + 1;
        for (int c = 0; c < n; ++c) {
            const int v = corners[c];
            if (v < 0 || v >= vertexTotal)
                return refusal(MeshBuildError::vertexOutOfRange, f);
            if (namedBy[std::size_t(v)] == f)
                return refusal(MeshBuildError::repeatedCorner, f);
            namedBy[std::size_t(v)] = f;
        }

        int prev = corners[n - 1];
        int first = -1;
        int previousHalfEdge = -1;
        for (int c = 0; c < n; ++c) {
            const int cur = corners[c];
            int h;
            const auto found = directed.find({prev, cur});
            if (found != directed.end()) {
                h = found->second;
                if (mesh.halfEdges[std::size_t(h)].face != -1)
                    return refusal(MeshBuildError::repeatedDirectedEdge, f);
                mesh.halfEdges[std::size_t(h)].face = f;
            } else {
                h = mesh.halfEdgeCount();
                mesh.halfEdges.push_back({h + 1, -1, cur, f});
                mesh.halfEdges.push_back({h, -1, prev, -1});
                directed[{prev, cur}] = h;
                directed[{cur, prev}] = h + 1;
            }
            if (c > 0)
                mesh.halfEdges[std::size_t(previousHalfEdge)].next = h;
            else
                first = h;
            if (mesh.vertices[std::size_t(cur)].halfEdge == -1)
                mesh.vertices[std::size_t(cur)].halfEdge = h;
            previousHalfEdge = h;
            prev = cur;
        }
        mesh.halfEdges[std::size_t(previousHalfEdge)].next = first;
        mesh.faces.push_back({first});
    }
    if (mesh.faceCount() == 0)
        return refusal(MeshBuildError::noFaces, -1);

    // Closed: every half-edge has found its face.
    for (const HalfEdge& e : mesh.halfEdges)
        if (e.face == -1)
            return refusal(MeshBuildError::edgeWithoutTwin,
                           mesh.halfEdges[std::size_t(e.twin)].face);

    // Every vertex on the surface, with all of its half-edges in one fan,
    // so that the walk round a vertex meets every face there.
    std::vector<int> incoming(positions.size(), 0);
    for (const HalfEdge& e : mesh.halfEdges)
        ++incoming[std::size_t(e.head)];
    std::vector<int> fan;
    for (int v = 0; v < vertexTotal; ++v) {
        if (mesh.vertices[std::size_t(v)].halfEdge == -1)
            return refusal(MeshBuildError::unusedVertex, v);
        if (mesh.vertexHalfEdges(v, fan) != incoming[std::size_t(v)])
            return refusal(MeshBuildError::vertexNotOneFan, v);
    }

    MeshBuildResult result;
    result.mesh = std::move(mesh);
    return result;
}

Vec3 HalfEdgeMesh::vertexPosition(int v) const {
    return validVertex(v) ? vertices[std::size_t(v)].coords : Vec3{};
}

void HalfEdgeMesh::setVertexPosition(int v, const Vec3& p) {
    if (validVertex(v))
        vertices[std::size_t(v)].coords = p;
}

int HalfEdgeMesh::faceHalfEdges(int f, std::vector<int>& out) const {
    out.clear();
    if (!validFace(f))
        return 0;
    const int start = faces[std::size_t(f)].firstHalfEdge;
    for (int h = start; validHalfEdge(h) && int(out.size()) < walkLimit;) {
        out.push_back(h);
        h = halfEdges[std::size_t(h)].next;
        if (h == start)
            break;
    }
    return int(out.size());
}

int HalfEdgeMesh::faceVertices(int f, std::vector<int>& out) const {
    faceHalfEdges(f, out);
    for (int& h : out)
        h = halfEdges[std::size_t(h)].head;
    return int(out.size());
}

int HalfEdgeMesh::vertexHalfEdges(int v, std::vector<int>& out) const {
    out.clear();
    if (!validVertex(v))
        return 0;
    const int start = vertices[std::size_t(v)].halfEdge;
    for (int h = start; validHalfEdge(h) && int(out.size()) < walkLimit;) {
        out.push_back(h);
        const int next = halfEdges[std::size_t(h)].next;
        if (!validHalfEdge(next))
            break;
        h = halfEdges[std::size_t(next)].twin;
        if (h == start)
            break;
    }
    return int(out.size());
}

int HalfEdgeMesh::vertexFaces(int v, std::vector<int>& out) const {
    vertexHalfEdges(v, out);
    for (int& h : out)
        h = halfEdges[std::size_t(h)].face;
    return int(out.size());
}

Vec3 HalfEdgeMesh::faceCentroid(int f) const {
    std::vector<int> corners;
    if (faceVertices(f, corners) == 0)
        return {};
    Vec3 sum;
    for (int v : corners)
        sum = sum + vertices[std::size_t(v)].coords;
    return sum * (1.0 / double(corners.size()));
}

std::pair<int, int> HalfEdgeMesh::edgeEnds(int h) const {
    if (!validHalfEdge(h))
        return {-1, -1};
    const HalfEdge& e = halfEdges[std::size_t(h)];
    return {e.head, halfEdges[std::size_t(e.twin)].head};
}

std::pair<int, int> HalfEdgeMesh::edgeFaces(int h) const {
    if (!validHalfEdge(h))
        return {-1, -1};
    const HalfEdge& e = halfEdges[std::size_t(h)];
    return {e.face, halfEdges[std::size_t(e.twin)].face};
}
