#include "web/gl11/quadrics.h"

#include "web/gl11/context.h"

#include <GL/gl.h>

#include <cmath>
#include <vector>

namespace gl11 {

namespace {

struct Around {
    double sine, cosine;
};

// The slices + 1 directions around the axis, the last the same as the first.
std::vector<Around> around(int slices) {
    std::vector<Around> directions;
    for (int i = 0; i <= slices; ++i) {
        const double angle = 2 * 3.14159265358979323846 * (i == slices ? 0 : i) / slices;
        directions.push_back({std::sin(angle), std::cos(angle)});
    }
    return directions;
}

} // namespace

void drawDisk(Context& context, double inner, double outer, int slices, int loops) {
    if (slices < 2 || loops < 1 || outer <= 0 || inner < 0 || inner > outer)
        return;
    const std::vector<Around> directions = around(slices);
    context.normal(0, 0, 1);
    for (int l = 0; l < loops; ++l) {
        const double near = inner + (outer - inner) * l / loops;
        const double far = inner + (outer - inner) * (l + 1) / loops;
        context.begin(GL_QUAD_STRIP);
        for (const Around& d : directions) {
            context.vertex(far * d.sine, far * d.cosine, 0, 1);
            context.vertex(near * d.sine, near * d.cosine, 0, 1);
        }
        context.end();
    }
}

void drawCylinder(Context& context, double base, double top, double height, int slices,
                  int stacks) {
    if (slices < 2 || stacks < 1 || height == 0)
        return;
    const std::vector<Around> directions = around(slices);
    // The normal leans along the axis as much as the side narrows.
    const double slope = (base - top) / height;
    const double scale = 1 / std::sqrt(slope * slope + 1);
    for (int j = 0; j < stacks; ++j) {
        const double z0 = height * j / stacks, z1 = height * (j + 1) / stacks;
        const double r0 = base + (top - base) * j / stacks;
        const double r1 = base + (top - base) * (j + 1) / stacks;
        context.begin(GL_QUAD_STRIP);
        for (const Around& d : directions) {
            context.normal(d.sine * scale, d.cosine * scale, slope * scale);
            context.vertex(r0 * d.sine, r0 * d.cosine, z0, 1);
            context.vertex(r1 * d.sine, r1 * d.cosine, z1, 1);
        }
        context.end();
    }
}

} // namespace gl11
