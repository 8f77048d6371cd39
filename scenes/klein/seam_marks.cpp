#include "scenes/klein/seam_marks.h"

#include <cmath>

namespace {

// a scaled to unit length; a zero vector stays zero.
Vec3 unitOrZero(const Vec3& a) {
    const double l = length(a);
    return l > 0 ? a * (1.0 / l) : a;
}

// The mesh line nearest to a (0 to 1) of count lines.
int lineIndex(double a, int count) {
    const double k = std::trunc((count - 1) * a + 0.5);
    if (!(k > 0))
        return 0;
    return k > count - 1 ? count - 1 : int(k);
}

} // namespace

std::vector<MarkPoint> markPoints(const KleinTube& tube, const SeamMark& mark) {
    std::vector<MarkPoint> points;
    if (mark.alongRow) {
        const int row = lineIndex(mark.at, tube.rows);
        for (int t = 0; t < tube.columns; ++t) {
            const Vec3& v = tube.vertex(row, t);
            const Vec3& n = tube.normal(row, t);
            // Backwards along the row.
            const Vec3 d = t > 0 ? tube.vertex(row, t - 1) - v : v - tube.vertex(row, t + 1);
            points.push_back({v, n, unitOrZero(cross(n, d))});
        }
    } else {
        const int column = lineIndex(mark.at, tube.columns);
        for (int t = 0; t < tube.rows; ++t) {
            const Vec3& n = tube.normal(t, column);
            points.push_back({tube.vertex(t, column), n, cross(n, tube.frames[t].along)});
        }
    }
    return points;
}
