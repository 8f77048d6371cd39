#pragma once
// A scene's model as plain shapes, ready to be made into solids and written
// out: surfaces sampled on grids, tube surfaces, and closed meshes. Model
// units, as the scene draws them; colours are red, green, blue from 0 to 1.
// Pure values: the same numbers the scene's update step computes.

#include "geom/vec.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// How the last row (or column) of a sheet continues into the first. Samples
// are never repeated at a join: row rows - 1 meets row 0.
//   open:     the rows' ends are an edge of the surface;
//   straight: column j of the last row meets column j of the first;
//   mirrored: column j of the last row meets column mirror(j) of the first,
//             columns - 1 - j where the columns are open and (columns - j)
//             mod columns where they join; the surface's sides swap there,
//             as on a Moebius band or a Klein bottle.
// A column join is open or straight only.
enum class SeamJoin { open, straight, mirrored };

// What a sheet stands for on a print.
//   surface: a surface of no thickness, thickened along its normals into a
//            closed shell;
//   boundary: already the boundary of a solid (a tube, a wheel's rim); its
//            open row ends are capped flat and nothing is thickened.
enum class SheetKind { surface, boundary };

// A surface sampled on a grid: point (i, j) at points[i * columns + j], rows
// along the first parameter, columns along the second. A row whose points
// all coincide (a pole, a tube's closed end) is allowed at either end; it
// becomes a single point.
struct SurfaceSheet {
    std::string name;
    SheetKind kind = SheetKind::surface;
    int rows = 0;
    int columns = 0;
    std::vector<Vec3> points;
    SeamJoin rowJoin = SeamJoin::open;    // row rows - 1 to row 0
    SeamJoin columnJoin = SeamJoin::open; // column columns - 1 to column 0
    // Colour: one per grid cell where given (cell (i, j) lies between rows i,
    // i + 1 and columns j, j + 1, indices wrapping at joins: rows * columns
    // cells), else one per point where given, else colour.
    Vec3 colour{0.8, 0.8, 0.8};
    std::vector<Vec3> pointColours;
    std::vector<Vec3> cellColours;
    // Millimetres on the print by which a thickened sheet is first moved
    // along its own normals (the side row i's cells face): a sheet laid on
    // another, as a label on its wall, stands proud of it by as much at
    // every size of print.
    double standOff = 0.0;
    // Texture coordinates per point, where the scene lays a picture on the
    // sheet; the picture is the model's texture.
    std::vector<Vec2> texture;

    const Vec3& at(int row, int column) const {
        return points[std::size_t(row * columns + column)];
    }
};

// A closed triangle mesh that already bounds a solid (a polyhedron),
// triangles counter-clockwise seen from outside, one colour per triangle.
struct ClosedMesh {
    std::string name;
    std::vector<Vec3> points;
    std::vector<std::array<int, 3>> triangles;
    std::vector<Vec3> triangleColours;
};

// An RGBA picture, rows from the top, laid on the sheets that carry texture
// coordinates (u to the right, v downwards, both 0 to 1).
struct ModelTexture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

struct SceneModel {
    std::vector<SurfaceSheet> sheets;
    std::vector<ClosedMesh> meshes;
    ModelTexture texture; // empty where no sheet has texture coordinates
};

// What a scene's model is asked for: its controls' values in the order of
// its panel (a slider's value, a dial's angle in radians, a row's selected
// icon, a button's count of activations), the buttons' indices in the order
// they were pressed, how many times finer than on screen to sample the
// surfaces' formulas, and the language of any text the model carries.
struct ModelRequest {
    std::vector<double> values;
    std::vector<std::size_t> presses;
    int detail = 1;
    std::string language = "it";
};
