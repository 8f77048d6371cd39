#include "scenes/klein/highlight_cull.h"

#include <cmath>

namespace {

Vec3 unit(const Vec3& a) {
    const double l = length(a);
    return l > 0 ? a * (1.0 / l) : a;
}

// The upper 3 x 3 of a column-major 4 x 4, inverted and transposed: how
// normals go to eye space.
struct NormalMatrix {
    double m[3][3];
    bool valid = false;
};

NormalMatrix normalMatrix(const double* c) {
    // a[row][col] of the upper 3 x 3.
    const double a[3][3] = {{c[0], c[4], c[8]}, {c[1], c[5], c[9]}, {c[2], c[6], c[10]}};
    const double det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
                       a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
                       a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    NormalMatrix n;
    if (!(std::fabs(det) > 1e-300))
        return n;
    // The inverse's transpose is the cofactor matrix over the determinant.
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k) {
            const int r1 = (r + 1) % 3, r2 = (r + 2) % 3, k1 = (k + 1) % 3, k2 = (k + 2) % 3;
            n.m[r][k] = (a[r1][k1] * a[r2][k2] - a[r1][k2] * a[r2][k1]) / det;
        }
    n.valid = true;
    return n;
}

struct Eye {
    const SpecularLight& light;
    NormalMatrix normals;

    // |n . h| at the point, n the eye-space normal and h the half vector;
    // the back face is lit with the normal reversed, to the same value.
    double cosine(const Vec3& v, const Vec3& normal) const {
        const double* c = light.modelview;
        const Vec3 p{c[0] * v.x + c[4] * v.y + c[8] * v.z + c[12],
                     c[1] * v.x + c[5] * v.y + c[9] * v.z + c[13],
                     c[2] * v.x + c[6] * v.y + c[10] * v.z + c[14]};
        const auto& m = normals.m;
        const Vec3 n = unit({m[0][0] * normal.x + m[0][1] * normal.y + m[0][2] * normal.z,
                             m[1][0] * normal.x + m[1][1] * normal.y + m[1][2] * normal.z,
                             m[2][0] * normal.x + m[2][1] * normal.y + m[2][2] * normal.z});
        const Vec3 toLight = unit(light.lightPosition - p);
        const Vec3 toViewer = light.localViewer ? unit(-1 * p) : Vec3{0, 0, 1};
        return std::fabs(dot(n, unit(toLight + toViewer)));
    }

    double bound(const Vec3& v, const Vec3& normal) const {
        if (!normals.valid)
            return light.strength;
        const double term = light.strength * std::pow(cosine(v, normal), light.shininess);
        return std::isfinite(term) ? term : light.strength;
    }
};

} // namespace

double specularBound(const SpecularLight& light, const Vec3& vertex, const Vec3& normal) {
    return Eye{light, normalMatrix(light.modelview)}.bound(vertex, normal);
}

void markHighlighted(const SpecularLight& light, const std::vector<Vec3>& vertices,
                     const std::vector<Vec3>& normals, double threshold,
                     std::vector<unsigned char>& marks) {
    const Eye eye{light, normalMatrix(light.modelview)};
    marks.resize(vertices.size());
    // strength cos^shininess >= threshold wherever cos >= least, which spares
    // a power per point; a cosine that is not a number is marked, as its
    // bound would be.
    const double least = std::pow(threshold / light.strength, 1 / light.shininess);
    const bool byCosine =
        eye.normals.valid && light.strength > 0 && light.shininess > 0 && std::isfinite(least);
    for (std::size_t k = 0; k < vertices.size(); ++k) {
        if (k >= normals.size())
            marks[k] = 1;
        else if (byCosine)
            marks[k] = !(eye.cosine(vertices[k], normals[k]) < least);
        else
            marks[k] = eye.bound(vertices[k], normals[k]) >= threshold;
    }
}
