#include "web/gl11/wide_lines.h"

#include <cmath>

namespace gl11 {

std::vector<ShadedVertex> wideLineTriangles(const std::vector<ShadedVertex>& segments, float width,
                                            int viewportWidth, int viewportHeight) {
    std::vector<ShadedVertex> triangles;
    if (viewportWidth <= 0 || viewportHeight <= 0)
        return triangles;
    for (std::size_t k = 0; k + 1 < segments.size(); k += 2) {
        const ShadedVertex& a = segments[k];
        const ShadedVertex& b = segments[k + 1];
        if (a.clip[3] == 0 || b.clip[3] == 0)
            continue;
        const float across = (b.clip[0] / b.clip[3] - a.clip[0] / a.clip[3]) * float(viewportWidth);
        const float up = (b.clip[1] / b.clip[3] - a.clip[1] / a.clip[3]) * float(viewportHeight);
        const bool xMajor = std::fabs(across) >= std::fabs(up);
        // Half the width in normalised device units along the minor axis.
        const std::size_t axis = xMajor ? 1 : 0;
        const float half = width / float(xMajor ? viewportHeight : viewportWidth);
        auto shifted = [&](const ShadedVertex& v, float sign) {
            ShadedVertex s = v;
            s.clip[axis] += sign * half * v.clip[3];
            return s;
        };
        const ShadedVertex a0 = shifted(a, -1), a1 = shifted(a, 1);
        const ShadedVertex b0 = shifted(b, -1), b1 = shifted(b, 1);
        for (const ShadedVertex* v : {&a0, &b0, &b1, &a0, &b1, &a1})
            triangles.push_back(*v);
    }
    return triangles;
}

} // namespace gl11
