#pragma once
// Printable solids made from a scene's model: every part a closed,
// consistently oriented triangle mesh, each edge in exactly two triangles
// used in opposite directions, no triangle of zero area, positive volume.
// Millimetres, z up, the model standing on z = 0. Pure.

#include "geom/scene_model.h"

#include <array>
#include <string>
#include <vector>

struct Solid {
    std::string name;
    std::vector<Vec3> points;
    std::vector<std::array<int, 3>> triangles; // counter-clockwise seen from outside
    // Per triangle, the colour at each of its corners, so that a colour
    // boundary needs no split vertex.
    std::vector<std::array<Vec3, 3>> cornerColours;
    // Per triangle, texture coordinates at its corners; empty on a part that
    // carries no picture.
    std::vector<std::array<Vec2, 3>> cornerTexture;
};

struct PrintModel {
    std::vector<Solid> parts;
    ModelTexture texture;
};

struct PrintSettings {
    double size = 100.0;    // the surfaces' longest side, millimetres
    double thickness = 2.0; // of a thickened surface, millimetres
};

// The scene's model scaled so that its longest side is settings.size, turned
// so that the scene's up (model y) is z, surfaces thickened, tube and wheel
// ends capped, and the whole stood on z = 0.
PrintModel makePrintable(const SceneModel& model, const PrintSettings& settings);

// What the checks of a printable part found.
struct ShellReport {
    int openEdges = 0;        // edges in one triangle only
    int overusedEdges = 0;    // edges in more than two triangles
    int misorientedEdges = 0; // edges used twice in the same direction
    int degenerateTriangles = 0;
    double volume = 0.0; // cubic millimetres, positive when the part faces out

    bool printable() const {
        return openEdges == 0 && overusedEdges == 0 && misorientedEdges == 0 &&
               degenerateTriangles == 0 && volume > 0.0;
    }
};
ShellReport checkShell(const Solid& part);
