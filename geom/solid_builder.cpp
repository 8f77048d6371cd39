// Printable solids from a scene's model. In order: the model turned z up and
// scaled to the print's size, every sheet made a closed shell (a surface
// thickened along its normals, a tube capped), closed meshes taken as they
// are, and the whole stood on z = 0.

#include "geom/solid.h"

#include "geom/sheet_grid.h"

#include <algorithm>
#include <limits>

namespace {

// The scene's up is model y; a print's is z. A quarter turn about x keeps
// every triangle's winding.
Vec3 turnedUp(const Vec3& p) {
    return {p.x, -p.z, p.y};
}

struct Placement {
    Vec3 centre;
    double scale = 1.0;

    Vec3 operator()(const Vec3& p) const { return scale * (turnedUp(p) - centre); }
};

Placement placementFor(const SceneModel& model, double size) {
    Vec3 low{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
             std::numeric_limits<double>::max()};
    Vec3 high = -1.0 * low;
    const auto include = [&](const Vec3& modelPoint) {
        const Vec3 p = turnedUp(modelPoint);
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    };
    for (const SurfaceSheet& sheet : model.sheets)
        std::for_each(sheet.points.begin(), sheet.points.end(), include);
    for (const ClosedMesh& mesh : model.meshes)
        std::for_each(mesh.points.begin(), mesh.points.end(), include);
    Placement placement;
    const double longest = std::max({high.x - low.x, high.y - low.y, high.z - low.z});
    if (longest > 0.0) {
        placement.centre = 0.5 * (low + high);
        placement.scale = size / longest;
    }
    return placement;
}

Solid solidFromMesh(const ClosedMesh& mesh, const Placement& place) {
    Solid part;
    part.name = mesh.name;
    for (const Vec3& p : mesh.points)
        part.points.push_back(place(p));
    part.triangles = mesh.triangles;
    for (std::size_t t = 0; t < mesh.triangles.size(); ++t) {
        const Vec3 colour =
            t < mesh.triangleColours.size() ? mesh.triangleColours[t] : Vec3{0.8, 0.8, 0.8};
        part.cornerColours.push_back({colour, colour, colour});
    }
    return part;
}

double signedVolume(const Solid& part) {
    double volume = 0.0;
    for (const auto& t : part.triangles)
        volume += dot(part.points[std::size_t(t[0])],
                      cross(part.points[std::size_t(t[1])], part.points[std::size_t(t[2])]));
    return volume / 6.0;
}

// A shell whose triangles all face inwards (its sheet's normals pointed in)
// is turned the right way out.
void faceOutwards(Solid& part) {
    if (signedVolume(part) >= 0.0)
        return;
    for (std::size_t t = 0; t < part.triangles.size(); ++t) {
        std::swap(part.triangles[t][1], part.triangles[t][2]);
        std::swap(part.cornerColours[t][1], part.cornerColours[t][2]);
        if (!part.cornerTexture.empty())
            std::swap(part.cornerTexture[t][1], part.cornerTexture[t][2]);
    }
}

} // namespace

PrintModel makePrintable(const SceneModel& model, const PrintSettings& settings) {
    const Placement place = placementFor(model, settings.size);
    PrintModel print;
    for (const SurfaceSheet& sheet : model.sheets) {
        if (sheet.rows < 2 || sheet.columns < 2 ||
            sheet.points.size() != std::size_t(sheet.rows) * std::size_t(sheet.columns))
            continue;
        SurfaceSheet placed = sheet;
        for (Vec3& p : placed.points)
            p = place(p);
        Solid part = sheet.kind == SheetKind::surface
                         ? thickenedSheet(placed, 0.5 * settings.thickness)
                         : cappedTube(placed);
        faceOutwards(part);
        print.parts.push_back(std::move(part));
    }
    for (const ClosedMesh& mesh : model.meshes)
        print.parts.push_back(solidFromMesh(mesh, place));
    for (std::size_t k = 0; k < print.parts.size(); ++k)
        if (print.parts[k].name.empty())
            print.parts[k].name = "part " + std::to_string(k + 1);

    double floor = std::numeric_limits<double>::max();
    for (const Solid& part : print.parts)
        for (const Vec3& p : part.points)
            floor = std::min(floor, p.z);
    for (Solid& part : print.parts)
        for (Vec3& p : part.points)
            p.z -= floor;
    if (std::any_of(print.parts.begin(), print.parts.end(),
                    [](const Solid& part) { return !part.cornerTexture.empty(); }))
        print.texture = model.texture;
    return print;
}
