#include "geom/pick_box.h"

#include "geom/mat4.h"

#include <algorithm>
#include <cmath>
#include <vector>

PickBox::PickBox(Vec2 at, int width, int height, const Mat4& projection, double size) {
    // The box stretched over the whole clip volume, as gluPickMatrix does it.
    Mat4 pick;
    pick.m[0] = width / size;
    pick.m[5] = height / size;
    pick.m[12] = (width - 2 * at.x) / size;
    pick.m[13] = (height - 2 * at.y) / size;
    box = pick * projection;
    transform = box;
}

void PickBox::setModelview(const Mat4& modelview) {
    transform = box * modelview;
}

PickBox::Clip PickBox::toClip(const Vec3& p) const {
    const double* m = transform.m;
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14],
            m[3] * p.x + m[7] * p.y + m[11] * p.z + m[15]};
}

namespace {

// How far inside clip plane k (0..5: -x, +x, -y, +y, -z, +z) a point is.
template <class C> double inside(const C& p, int k) {
    const double c = k / 2 == 0 ? p.x : k / 2 == 1 ? p.y : p.z;
    return k % 2 == 0 ? p.w + c : p.w - c;
}

} // namespace

void PickBox::triangle(const Vec3& a, const Vec3& b, const Vec3& c, Culled culled) {
    const Clip p = toClip(a), q = toClip(b), r = toClip(c);
    // Most triangles lie wholly outside one plane of the box: done.
    for (int k = 0; k < 6; ++k)
        if (inside(p, k) < 0 && inside(q, k) < 0 && inside(r, k) < 0)
            return;
    if (culled != Culled::None) {
        // The winding on the screen; the box's stretch keeps its sign.
        if (p.w <= 0 || q.w <= 0 || r.w <= 0)
            return;
        const double area = (q.x / q.w - p.x / p.w) * (r.y / r.w - p.y / p.w) -
                            (r.x / r.w - p.x / p.w) * (q.y / q.w - p.y / p.w);
        if (area == 0 || (culled == Culled::Back) == (area < 0))
            return;
    }
    std::vector<Clip> shape = {p, q, r};
    for (int k = 0; k < 6 && !shape.empty(); ++k) {
        std::vector<Clip> kept;
        const std::size_t n = shape.size();
        for (std::size_t e = 0; e < n; ++e) {
            const Clip& from = shape[e];
            const Clip& to = shape[(e + 1) % n];
            const double df = inside(from, k);
            const double dt = inside(to, k);
            if (df >= 0)
                kept.push_back(from);
            if ((df >= 0) != (dt >= 0)) {
                const double t = df / (df - dt);
                kept.push_back({from.x + t * (to.x - from.x), from.y + t * (to.y - from.y),
                                from.z + t * (to.z - from.z), from.w + t * (to.w - from.w)});
            }
        }
        shape.swap(kept);
    }
    if (shape.empty())
        return;
    double depth = 1;
    for (const Clip& p : shape)
        depth = std::min(depth, std::clamp((p.z / p.w + 1) / 2, 0.0, 1.0));
    // Kept as GL keeps it: a float scaled to 32 bits.
    const float scaled = float(depth) * 4294967296.0f;
    const std::uint32_t z = scaled >= 4294967295.0f ? 0xffffffffu : std::uint32_t(scaled);
    least = hit ? std::min(least, z) : z;
    hit = true;
}

void PickBox::quad(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d, Culled culled) {
    triangle(a, b, d, culled);
    triangle(a, d, c, culled);
}

void PickBox::endRecord() {
    if (!hit)
        return;
    seen.push_back({current, least});
    hit = false;
    if (!found || least < bestDepth) {
        found = true;
        best = current;
        bestDepth = least;
    }
}

void PickBox::name(int n) {
    endRecord();
    current = n;
}

int PickBox::nearest() {
    endRecord();
    return !found || best == unnamedName ? 0 : best;
}
