#include "scenes/klein/klein_label_patch.h"

#include "scenes/klein/label_layout.h"
#include "scenes/klein/stored_label.h"

#include <utility>

namespace {
constexpr int screenRows = 100;
} // namespace

SurfaceSheet labelPatch(const KleinTube& tube, int detail, const PlaceInModel& place) {
    const int n = detail < 1 ? 1 : detail;
    const int lastRow = tube.rows - 1, lastColumn = tube.columns - 1;
    const LabelLayout layout = labelLayout(labelPlacement(tube.morph, screenRows));
    // Before the seam first: where the label straddles the seam, the first
    // of the two runs is the part after it.
    const StripRun* runs[2] = {&layout.label[0], &layout.label[1]};
    if (layout.labelRuns == 2)
        std::swap(runs[0], runs[1]);

    SurfaceSheet patch;
    patch.name = "label";
    // White: the picture carries the label's colours.
    patch.colour = {1, 1, 1};
    // Whether the last row added was the seam's, which the run after the
    // seam starts on again.
    bool seamAdded = false;
    // The bottle's outward normal at the patch's first point, placed.
    Vec3 outwards;
    for (int k = 0; k < layout.labelRuns; ++k) {
        const StripRun& run = *runs[k];
        const int columnsAcross = (run.c1 - run.c0) * n;
        // The picture's u runs from 1 - s0 at c0 to 1 - s1 at c1; the patch's
        // columns go the same way on every run, u from 0 to 1.
        const bool forwards = 1 - run.s0 <= 1 - run.s1;
        patch.columns = columnsAcross + 1;
        for (int r = run.r0 * n; r <= run.r1 * n; ++r) {
            if (r == 0 && seamAdded)
                continue;
            // The seam's repeated row is row 0 turned over.
            const bool seam = r == lastRow;
            const int meshRow = seam ? 0 : r;
            seamAdded = seam;
            const double v =
                run.t0 + (run.t1 - run.t0) * (r - run.r0 * n) / ((run.r1 - run.r0) * n);
            for (int w = 0; w <= columnsAcross; ++w) {
                int column = forwards ? run.c0 * n + w : run.c1 * n - w;
                if (seam)
                    column = lastColumn - column;
                const Vec3& point = tube.vertex(meshRow, column);
                patch.points.push_back(place(point));
                if (patch.points.size() == 1) {
                    const Vec3& normal = tube.normal(meshRow, column);
                    const double side = dot(normal, point - tube.frames[meshRow].centre);
                    outwards = place(point + (side < 0 ? -1.0 : 1.0) * normal) - place(point);
                }
                patch.texture.push_back({double(w) / columnsAcross, v});
            }
            ++patch.rows;
        }
    }
    // The patch stands off the side its first cell faces when that is
    // outwards, else the other.
    if (patch.rows >= 2 && patch.columns >= 2) {
        const Vec3 facing = cross(patch.at(1, 0) - patch.at(0, 0), patch.at(0, 1) - patch.at(0, 0));
        patch.standOff = dot(facing, outwards) < 0 ? -labelStandOff : labelStandOff;
    }
    return patch;
}

ModelTexture labelTexture(const std::string& language) {
    ModelTexture texture;
    const LabelImage* image = storedLabelImage(language);
    if (!image)
        return texture;
    texture.width = image->width;
    texture.height = image->height;
    texture.rgba.reserve(std::size_t(4 * image->width * image->height));
    for (std::size_t p = 0; p + 2 < image->pixels.size(); p += 3) {
        texture.rgba.insert(texture.rgba.end(), image->pixels.begin() + long(p),
                            image->pixels.begin() + long(p + 3));
        texture.rgba.push_back(255);
    }
    return texture;
}
