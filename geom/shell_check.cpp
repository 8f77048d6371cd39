// The checks of a printable part: every edge in exactly two triangles, used
// once in each direction; no triangle of zero area; positive volume.

#include "geom/solid.h"

#include <cstdint>
#include <unordered_map>

namespace {

std::uint64_t edgeKey(int from, int to) {
    return (std::uint64_t(std::uint32_t(from)) << 32) | std::uint32_t(to);
}

// Twice the area below which a triangle counts as degenerate, in square
// millimetres: far below anything a printer resolves, far above rounding.
constexpr double degenerateArea = 1e-12;

} // namespace

ShellReport checkShell(const Solid& part) {
    ShellReport report;
    // How often each directed edge is used.
    std::unordered_map<std::uint64_t, int> uses;
    uses.reserve(part.triangles.size() * 3);
    for (const auto& t : part.triangles) {
        for (int k = 0; k < 3; ++k)
            ++uses[edgeKey(t[k], t[(k + 1) % 3])];
        const Vec3& a = part.points[std::size_t(t[0])];
        const Vec3& b = part.points[std::size_t(t[1])];
        const Vec3& c = part.points[std::size_t(t[2])];
        const Vec3 n = cross(b - a, c - a);
        if (length(n) <= degenerateArea || t[0] == t[1] || t[1] == t[2] || t[2] == t[0])
            ++report.degenerateTriangles;
        report.volume += dot(a, cross(b, c)) / 6.0;
    }
    for (const auto& [key, count] : uses) {
        const int from = int(std::uint32_t(key >> 32));
        const int to = int(std::uint32_t(key));
        const auto back = uses.find(edgeKey(to, from));
        const int reverse = back == uses.end() ? 0 : back->second;
        // Each undirected edge is looked at from its smaller end only.
        if (from > to && reverse > 0)
            continue;
        if (count + reverse == 1)
            ++report.openEdges;
        else if (count + reverse > 2)
            ++report.overusedEdges;
        else if (count != 1 || reverse != 1)
            ++report.misorientedEdges;
    }
    return report;
}
